object TChart
  object Series1: TLineSeries
    DataSource = Series1
    object Function1: TAddPlotFunction
    end
  end
end
