object TChart
  Title.Text.Text = 'open
end
