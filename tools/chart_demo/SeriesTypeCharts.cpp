// The demo's bubble, Gantt and shape charts.
#include "SeriesTypeCharts.h"

#include "SeriesGalleryTexts.h"
#include "TBubbleSeries.h"
#include "TChart.h"
#include "TChartAxis.h"
#include "TChartAxisTitle.h"
#include "TChartShape.h"
#include "TGanttSeries.h"

#include "PlotProcs.h"

#include <QDateTime>

namespace SeriesTypeCharts {

void fillBubbles(TChart &chart)
{
    chart.SetView3D(false);
    chart.Title()->SetText({QStringLiteral("Bubbles, squared")});
    chart.Legend()->SetVisible(false);
    chart.BottomAxis()->SetMinMax(0, 10);
    chart.LeftAxis()->SetMinMax(0, 100);
    chart.BottomAxis()->Title()->SetCaption(QStringLiteral("x"));
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("y (and radius)"));
    auto *bubbles = chart.AddSeriesOfClass<TBubbleSeries>();
    struct Bubble
    {
        double x;
        double y;
        double radius;
        TColor color;
    };
    const Bubble data[] = {{1, 20, 6, 0x3030D0},  {2, 65, 10, 0x30A030}, {3, 40, 4, 0x20B0E0},
                           {4.5, 80, 8, 0xD07020}, {5.5, 30, 12, 0x9040A0}, {7, 55, 5, 0x808080},
                           {8, 15, 9, 0xC0A000},  {9, 75, 7, 0x2080F0}};
    for (const Bubble &b : data)
        bubbles->AddBubble(b.x, b.y, b.radius, QString(), b.color);
    bubbles->Pointer()->Gradient()->SetVisible(true);
}

void fillGantt(TChart &chart)
{
    chart.SetView3D(false);
    chart.Title()->SetText({QStringLiteral("Project plan")});
    chart.Legend()->SetVisible(false);
    auto *gantt = chart.AddSeriesOfClass<TGanttSeries>();
    const double monday = PlotProcs::toDateValue(QDateTime(QDate(2024, 3, 4), QTime()));
    struct Task
    {
        double start; // days from the first Monday
        double end;
        int next;
    };
    const Task tasks[] = {{0, 9, 1}, {10, 20, 3}, {4, 15, -1}, {22, 32, 4}, {34, 39, 6}, {12, 26, -1}, {41, 45, -1}};
    for (int i = 0; i < int(std::size(tasks)); ++i) {
        const auto name = SeriesGalleryTexts::Text(SeriesGalleryTexts::msgGanttDesign + i);
        const int added = gantt->AddGantt(monday + tasks[i].start, monday + tasks[i].end, i, SeriesGalleryTexts::text(name));
        gantt->NextTask()->SetValue(added, tasks[i].next);
    }
    gantt->ConnectingPen()->SetColor(0x404040);
    gantt->Pointer()->SetVertSize(7);
    // Each bar carries its task's name.
    gantt->Marks()->SetVisible(true);
    gantt->Marks()->SetStyle(smsLabel);
    gantt->Marks()->Font()->SetSize(7);
    TChartAxis &dates = *chart.BottomAxis();
    dates.SetDateTimeFormat(QStringLiteral("dd.mm."));
    dates.SetIncrement(7);
    chart.LeftAxis()->SetInverted(true);
    chart.LeftAxis()->SetLabelStyle(talNone);
}

void fillShapes(TChart &chart)
{
    chart.SetView3D(false);
    chart.Title()->SetText({QStringLiteral("Shape styles")});
    chart.Legend()->SetVisible(false);
    chart.BottomAxis()->SetMinMax(0, 4);
    chart.LeftAxis()->SetMinMax(0, 4);
    chart.BottomAxis()->SetVisible(false);
    chart.LeftAxis()->SetVisible(false);
    using namespace SeriesGalleryTexts;
    struct Style
    {
        TChartShapeStyle style;
        Text name;
        TColor color;
    };
    const Style styles[] = {
        {chasRectangle, msgShapeRectangle, 0xF0C8A0}, {chasCircle, msgShapeEllipse, 0xA0E0F0},
        {chasVertLine, msgShapeVertLine, clWhite},    {chasHorizLine, msgShapeHorizLine, clWhite},
        {chasTriangle, msgGalleryTriangle, 0xA0F0A0}, {chasInvertTriangle, msgGalleryDownTri, 0xA0F0A0},
        {chasLine, msgShapeLine, clWhite},            {chasDiamond, msgGalleryDiamond, 0xE0A0F0},
        {chasCube, msgShapeCube, 0xC0C0C0},           {chasCross, msgGalleryCross, clWhite},
        {chasDiagCross, msgShapeDiagCross, clWhite},  {chasStar, msgGalleryStar, clWhite},
        {chasPyramid, msgShapePyramid, 0x80C0FF},     {chasInvertPyramid, msgShapeInvPyramid, 0x80C0FF},
    };
    for (int i = 0; i < int(std::size(styles)); ++i) {
        const Style &s = styles[i];
        auto *shape = chart.AddSeriesOfClass<TChartShape>();
        shape->SetStyle(s.style);
        shape->SetSeriesColor(s.color);
        const double column = i % 4;
        const double row = 3 - i / 4;
        shape->SetX0(column + 0.08);
        shape->SetY0(row + 0.1);
        shape->SetX1(column + 0.92);
        shape->SetY1(row + 0.9);
        shape->Font()->SetSize(7);
        shape->SetText({text(s.name)});
    }
}

} // namespace SeriesTypeCharts
