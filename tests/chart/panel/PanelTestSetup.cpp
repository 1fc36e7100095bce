// Panel test helpers.
#include "PanelTestSetup.h"

#include "ChartTestSetup.h"

QImage drawPanel(TCustomPlotPanel &panel)
{
    QImage image = whiteImage(panel.width(), panel.height());
    GuiCanvas gui(&image);
    panel.Draw(&gui, panel.GetRectangle());
    gui.endPaint();
    return image;
}
