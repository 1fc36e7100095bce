object TChart
  Color = clPurpel
end
