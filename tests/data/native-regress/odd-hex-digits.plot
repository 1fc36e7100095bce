object TChart
  object TLineSeries
    Data = {
      ABC
      }
  end
end
