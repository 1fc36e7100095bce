// The demo charts.
#include "DemoCharts.h"

#include "TAreaSeries.h"
#include "TChart.h"
#include "TChartAxis.h"
#include "TChartAxisTitle.h"
#include "TCursorTool.h"
#include "TLineSeries.h"
#include "TSeriesPointer.h"

#include <cmath>

namespace DemoCharts {

double pressureBar(const Antoine &antoine, double celsius)
{
    constexpr double barPerMmHg = 1.333224e-3;
    return std::pow(10.0, antoine.a - antoine.b / (antoine.c + celsius)) * barPerMmHg;
}

std::vector<std::pair<double, double>> curve(const Antoine &antoine, double firstC, double lastC, int count)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < count; ++i) {
        const double t = firstC + (lastC - firstC) * i / std::max(1, count - 1);
        points.emplace_back(t, pressureBar(antoine, t));
    }
    return points;
}

void fill(TChart &chart, bool view3D)
{
    chart.SetView3D(view3D);
    chart.Title()->SetText({QStringLiteral("Vapour pressure")});
    chart.SubTitle()->SetText({QStringLiteral("Water and ethanol, Antoine equation")});
    chart.Foot()->SetText({QStringLiteral("Tensimo chart demo")});
    chart.Legend()->SetCheckBoxes(true);
    chart.LeftAxis()->SetLogarithmic(true);
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("p / bar"));
    chart.BottomAxis()->Title()->SetCaption(QString::fromUtf8("t / \u00B0C"));
    if (view3D) {
        chart.RightWall()->SetVisible(true);
        chart.BackWall()->SetTransparent(false);
        chart.BackWall()->SetColor(0xF4F4F4);
    }

    auto *ethanol = chart.AddSeriesOfClass<TAreaSeries>();
    ethanol->SetTitle(QStringLiteral("Ethanol"));
    ethanol->SetSeriesColor(0x8CD98C);
    ethanol->AreaLinesPen()->SetVisible(false);
    for (const auto &[t, p] : curve(kEthanol, 1.0, 78.0, 78))
        ethanol->AddXY(t, p);

    auto *water = chart.AddSeriesOfClass<TLineSeries>();
    water->SetTitle(QStringLiteral("Water"));
    water->SetSeriesColor(0xB4771F);
    water->Pointer()->SetVisible(true);
    for (const auto &[t, p] : curve(kWater, 1.0, 100.0, 34))
        water->AddXY(t, p);

    // A cross-hair that follows the mouse and snaps to the water curve.
    auto *cursor = new TCursorTool(&chart);
    cursor->SetParentChart(&chart);
    cursor->SetFollowMouse(true);
    cursor->SetSeries(water);
    cursor->SetSnap(true);
    cursor->Pen()->SetColor(0x3030D0);
}

} // namespace DemoCharts
