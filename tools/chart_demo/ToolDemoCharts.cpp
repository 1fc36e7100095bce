// The tools scene of the demo and the mouse drives of its screenshot.
#include "ToolDemoCharts.h"

#include "DemoCharts.h"
#include "TAnnotationTool.h"
#include "TChart.h"
#include "TChartAxis.h"
#include "TChartAxisTitle.h"
#include "TColorBandTool.h"
#include "TColorLineTool.h"
#include "TDrawLineTool.h"
#include "TLineSeries.h"
#include "TNearestTool.h"
#include "TPlotCanvas3D.h"
#include "TRotateTool.h"
#include "TSeriesPointer.h"
#include "TView3DOptions.h"

#include <QApplication>
#include <QMouseEvent>

namespace ToolDemoCharts {

namespace {

constexpr double kAtmosphereBar = 1.01325;

TLineSeries *addCurve(TChart &chart, const QString &title, TColor color, const DemoCharts::Antoine &antoine,
                      double firstC, double lastC, int count)
{
    auto *series = chart.AddSeriesOfClass<TLineSeries>();
    series->SetTitle(title);
    series->SetSeriesColor(color);
    for (const auto &[t, p] : DemoCharts::curve(antoine, firstC, lastC, count))
        series->AddXY(t, p);
    return series;
}

QImage screenBuffer(TChart &chart)
{
    return dynamic_cast<TPlotCanvas3D &>(*chart.Canvas()).buffer()->copy();
}

QPoint onAxes(const TChart &chart, double celsius, double bar)
{
    return {chart.BottomAxis()->ValueToPixel(celsius), chart.LeftAxis()->ValueToPixel(bar)};
}

void check(TChart &chart, const QString &step, QStringList &ghosts)
{
    if (!equalsFreshRedraw(chart))
        ghosts << step;
}

} // namespace

FlatTools fillFlat(TChart &chart)
{
    FlatTools tools;
    chart.SetView3D(false);
    chart.Title()->SetText({QStringLiteral("Where water boils")});
    chart.Legend()->SetVisible(false);
    chart.BottomAxis()->SetMinMax(0, 100);
    chart.LeftAxis()->SetMinMax(0, 1.2);
    chart.BottomAxis()->Title()->SetCaption(QString::fromUtf8("t / \u00B0C"));
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("p / bar"));

    tools.band = new TColorBandTool(&chart);
    tools.band->SetAxis(chart.BottomAxis());
    tools.band->SetStartValue(15);
    tools.band->SetEndValue(25);
    tools.band->SetColor(0xB3F0FF); // a light amber
    tools.band->Pen()->SetVisible(false);

    tools.water = addCurve(chart, QStringLiteral("Water"), 0xB4771F, DemoCharts::kWater, 0, 100, 21);
    tools.water->Pointer()->SetVisible(true);

    tools.pressureLine = new TColorLineTool(&chart);
    tools.pressureLine->SetAxis(chart.LeftAxis());
    tools.pressureLine->SetValue(kAtmosphereBar);
    tools.pressureLine->Pen()->SetColor(0x2827D6);
    tools.pressureLine->Pen()->SetWidth(2);

    // The chord over the last 40 degrees: how far a straight line is from the curve.
    tools.drawLine = new TDrawLineTool(&chart);
    tools.drawLine->SetParentChart(&chart);
    tools.drawLine->SetSeries(tools.water);
    tools.drawLine->Pen()->SetColor(0x2CA02C);
    tools.drawLine->Pen()->SetWidth(2);
    TDrawLine *chord = tools.drawLine->Lines().Add();
    chord->SetX0(60);
    chord->SetY0(DemoCharts::pressureBar(DemoCharts::kWater, 60));
    chord->SetX1(100);
    chord->SetY1(DemoCharts::pressureBar(DemoCharts::kWater, 100));

    tools.annotation = new TAnnotationTool(&chart);
    tools.annotation->SetParentChart(&chart);
    tools.annotation->SetText(QString::fromUtf8("Normal boiling point\r100 \u00B0C at 1.013 bar"));
    tools.annotation->Callout()->SetVisible(true);
    tools.annotation->Callout()->Arrow()->SetVisible(true);
    tools.annotation->Callout()->Arrow()->SetColor(clBlack);
    tools.annotation->Callout()->SetDistance(4);

    // Not-xor drawing over the screen buffer: a black pen shows as the inverse of what is below.
    tools.nearest = new TNearestTool(&chart);
    tools.nearest->SetParentChart(&chart);
    tools.nearest->SetSeries(tools.water);
    tools.nearest->SetFullRepaint(false);
    tools.nearest->SetSize(9);
    tools.nearest->Pen()->SetColor(clBlack);
    tools.nearest->Pen()->SetStyle(psSolid);
    tools.nearest->LinePen()->SetColor(clBlack);
    return tools;
}

void pointCallout(const FlatTools &tools)
{
    const int last = tools.water->Count() - 1;
    tools.annotation->SetLeft(tools.water->CalcXPos(last) - 330);
    tools.annotation->SetTop(tools.water->CalcYPos(last) - 20);
    tools.annotation->Callout()->SetXPosition(tools.water->CalcXPos(last));
    tools.annotation->Callout()->SetYPosition(tools.water->CalcYPos(last));
}

TRotateTool *fill3D(TChart &chart)
{
    chart.SetView3D(true);
    chart.SetChart3DPercent(40);
    chart.Title()->SetText({QStringLiteral("Turn it with the mouse")});
    chart.Legend()->SetVisible(false);
    chart.View3DOptions()->SetOrthogonal(false);
    chart.View3DOptions()->SetPerspective(15);
    chart.View3DOptions()->SetZoom(80); // the turned box stays inside the chart
    chart.View3DOptions()->SetRotation(340);
    chart.View3DOptions()->SetElevation(350);
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("p / bar"));
    chart.BottomAxis()->Title()->SetCaption(QString::fromUtf8("t / \u00B0C"));
    chart.RightWall()->SetVisible(true);
    chart.BackWall()->SetTransparent(false);
    chart.BackWall()->SetColor(0xF4F4F4);
    addCurve(chart, QStringLiteral("Ethanol"), 0x2CA02C, DemoCharts::kEthanol, 0, 78, 27);
    addCurve(chart, QStringLiteral("Water"), 0xB4771F, DemoCharts::kWater, 0, 100, 21);
    auto *rotate = new TRotateTool(&chart);
    rotate->SetParentChart(&chart);
    rotate->Pen()->SetVisible(true);
    return rotate;
}

void sendMouse(QWidget &widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
    QApplication::processEvents();
}

bool equalsFreshRedraw(TChart &chart)
{
    // The paint a tool asked for may wait for the next frame: it lands first, as on screen. A
    // paint copies a valid buffer as it is and draws a pass into an invalid one.
    chart.repaint();
    const QImage screen = screenBuffer(chart);
    chart.Invalidate();
    chart.repaint();
    return screenBuffer(chart) == screen;
}

QStringList driveFlat(TChart &chart, const FlatTools &tools)
{
    QStringList ghosts;
    const QPoint onLine = onAxes(chart, 40, tools.pressureLine->Value());
    const QPoint dropAt = onAxes(chart, 40, kDropBar);
    sendMouse(chart, QEvent::MouseMove, onLine, Qt::NoButton, Qt::NoButton);
    sendMouse(chart, QEvent::MouseButtonPress, onLine, Qt::LeftButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseMove, (onLine + dropAt) / 2, Qt::NoButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseMove, dropAt, Qt::NoButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseButtonRelease, dropAt, Qt::LeftButton, Qt::NoButton);
    check(chart, QStringLiteral("colour line dropped"), ghosts);

    const QPoint lineFrom = onAxes(chart, kDrawnFrom.x(), kDrawnFrom.y());
    const QPoint lineTo = onAxes(chart, kDrawnTo.x(), kDrawnTo.y());
    sendMouse(chart, QEvent::MouseButtonPress, lineFrom, Qt::LeftButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseMove, (lineFrom + lineTo) / 2, Qt::NoButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseMove, lineTo, Qt::NoButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseButtonRelease, lineTo, Qt::LeftButton, Qt::NoButton);
    check(chart, QStringLiteral("line drawn"), ghosts);

    const QPoint point = onAxes(chart, kRestC, DemoCharts::pressureBar(DemoCharts::kWater, kRestC));
    sendMouse(chart, QEvent::MouseMove, point + QPoint(-30, 25), Qt::NoButton, Qt::NoButton);
    sendMouse(chart, QEvent::MouseMove, point + QPoint(-12, 14), Qt::NoButton, Qt::NoButton);
    check(chart, QStringLiteral("nearest point"), ghosts);
    return ghosts;
}

QStringList driveRotate(TChart &chart, QPoint by)
{
    QStringList ghosts;
    const QPoint from = chart.rect().center();
    sendMouse(chart, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        sendMouse(chart, QEvent::MouseMove, from + by * step / 4, Qt::NoButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
    check(chart, QStringLiteral("rotated"), ghosts);
    return ghosts;
}

} // namespace ToolDemoCharts
