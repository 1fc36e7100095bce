object TChart
  object Series1: TLineSeries
    CustomVertAxis = 3
  end
end
