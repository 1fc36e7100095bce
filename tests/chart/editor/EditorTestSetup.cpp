// Chart editor test helpers.
#include "EditorTestSetup.h"

#include "ChartTestSetup.h"
#include "PlotException.h"
#include "TCanvas3D.h"

#include <QCoreApplication>
#include <QMouseEvent>

void PrintTo(const TRect &r, std::ostream *os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

SamplePanel::SamplePanel(QWidget *parent)
    : TCustomPlotPanelExtended(parent)
{
    registerTestFont();
    setObjectName(QStringLiteral("Chart1"));
    SetColor(clWhite);
    SetPrintMargins({10, 10, 10, 10});
    SetPrintProportional(false);
    resize(400, 250);
}

void SamplePanel::DrawChartContents(const TRect &bounds)
{
    TCustomPlotPanelExtended::DrawChartContents(bounds);
    drawnBounds.append(bounds);
    if (failWhilePrinting && Printing())
        throw PlotException(QStringLiteral("Series1: no values to draw"));
    TCanvas3D &canvas = *Canvas();
    canvas.Begin2D();
    canvas.Pen()->SetColor(clNavy);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBlue);
    canvas.RectangleRect(ChartRect);
    canvas.Font()->SetSize(12);
    canvas.Font()->SetColor(clWhite);
    canvas.SetBackMode(cbmTransparent);
    canvas.TextOut(ChartRect.left + 10, ChartRect.top + 10, caption);
    canvas.End2D();
}

void sendMouse(QWidget &widget, QEvent::Type type, int x, int y, Qt::MouseButtons buttons)
{
    const QPointF local(x, y);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    if (type == QEvent::MouseButtonRelease)
        buttons = Qt::NoButton;
    QMouseEvent event(type, local, widget.mapToGlobal(local), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}
