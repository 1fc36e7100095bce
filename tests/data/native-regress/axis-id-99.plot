object TChart
  Color = 16777215
  View3D = False
  CustomAxes = <
    item
      Automatic = True
      AutomaticMaximum = True
      AutomaticMinimum = True
      Increment = 0.0
      Logarithmic = False
      Inverted = False
      Horizontal = False
      OtherSide = False
      PositionUnits = muPercent
      MinimumOffset = 0
      MaximumOffset = 0
      LabelsSeparation = 10
      LabelsAlternate = False
      Axis.Color = 0
      Axis.Style = psSolid
      Axis.Mode = pmCopy
      Axis.SmallDots = False
      Axis.SmallSpace = 0
      Axis.LineMode = lmLine
      Grid.Color = 8421504
      Grid.Width = 1
      Grid.Style = psDot
      Grid.Mode = pmCopy
      Grid.SmallDots = False
      Grid.SmallSpace = 0
      Grid.Centered = False
      Ticks.Color = 8421504
      Ticks.Width = 1
      Ticks.Style = psSolid
      Ticks.Mode = pmCopy
      Ticks.SmallDots = False
      Ticks.SmallSpace = 0
      TicksInner.Color = 8421504
      TicksInner.Width = 1
      TicksInner.Style = psSolid
      TicksInner.Mode = pmCopy
      TicksInner.SmallDots = False
      TicksInner.SmallSpace = 0
      MinorTicks.Color = 8421504
      MinorTicks.Width = 1
      MinorTicks.Style = psSolid
      MinorTicks.Mode = pmCopy
      MinorTicks.SmallDots = False
      MinorTicks.SmallSpace = 0
      MinorGrid.Color = 0
      MinorGrid.Width = 1
      MinorGrid.Style = psSolid
      MinorGrid.Mode = pmCopy
      MinorGrid.SmallDots = False
      MinorGrid.SmallSpace = 0
      DateTimeFormat = ''
      ExactDateTime = True
      GridCentered = False
      Labels = True
      LabelsAlign = alDefault
      LabelsAngle = 0
      LabelsExponent = False
      LabelsFont.Name = 'Arial'
      LabelsFont.Size = 8
      LabelsFont.Charset = 1
      LabelsFont.InterCharSize = 0
      LabelsMultiLine = False
      LabelsOnAxis = True
      LabelsSize = 0
      LabelStyle = talAuto
      MinorTickCount = 3
      MinorTickLength = 2
      RoundFirstLabel = True
      TickInnerLength = 0
      TickLength = 4
      TickOnLabelsOnly = True
      Title.Bevel = bvNone
      Title.BevelWidth = 2
      Title.Color = 16777215
      Title.Font.Name = 'Arial'
      Title.Font.Size = 8
      Title.Font.Charset = 1
      Title.Font.InterCharSize = 0
      Title.Shadow.Smooth = True
      Title.Shadow.Transparency = 0
      Title.ShapeStyle = fosRectangle
      Title.Caption = ''
      Title.Visible = True
      TitleSize = 0
    end
    >
  object TLineSeries
    Title = 'A'
  end
  object TLineSeries
    Title = 'B'
  end
  object Line: TColorLineTool
    AxisID = 99
  end
  object OnCustom: TColorLineTool
    AxisID = 6
  end
end
