// The bar, pie and fast line demo charts.
#include "SeriesDemoCharts.h"

#include "DemoCharts.h"

#include "TBarSeries.h"
#include "TChart.h"
#include "TChartAxis.h"
#include "TChartAxisTitle.h"
#include "TFastLineSeries.h"
#include "THorizBarSeries.h"
#include "TPieSeries.h"

#include <cmath>

namespace DemoCharts {

namespace {

constexpr double kTemperaturesC[] = {20, 40, 60, 80};
constexpr TColor kWaterColor = 0xB4771F;
constexpr TColor kEthanolColor = 0x0E7FFF;

template <class Bars>
Bars *addPressures(TChart &chart, const QString &title, TColor color, const Antoine &antoine, double fraction)
{
    auto *bars = chart.AddSeriesOfClass<Bars>();
    bars->SetTitle(title);
    bars->SetSeriesColor(color);
    for (const double t : kTemperaturesC)
        bars->Add(fraction * pressureBar(antoine, t), QString::number(t) + QString::fromUtf8(" \u00B0C"));
    return bars;
}

} // namespace

void fillBars(TChart &chart)
{
    chart.SetView3D(false);
    chart.Title()->SetText({QStringLiteral("Vapour pressure")});
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("p / bar"));
    for (auto *bars : {addPressures<TBarSeries>(chart, QStringLiteral("Water"), kWaterColor, kWater, 1.0),
                       addPressures<TBarSeries>(chart, QStringLiteral("Ethanol"), kEthanolColor, kEthanol, 1.0)})
    {
        bars->SetValueFormat(QStringLiteral("0.000"));
        bars->Marks()->SetStyle(smsValue);
    }
}

void fillStackedBars(TChart &chart)
{
    chart.SetView3D(true);
    chart.View3DOptions()->SetOrthogonal(true);
    chart.Title()->SetText({QStringLiteral("Equimolar water and ethanol: partial pressures")});
    chart.BottomAxis()->Title()->SetCaption(QStringLiteral("p / bar"));
    addPressures<THorizBarSeries>(chart, QStringLiteral("Water"), kWaterColor, kWater, 0.5)->Marks()->SetVisible(false);
    auto *ethanol = addPressures<THorizBarSeries>(chart, QStringLiteral("Ethanol"), kEthanolColor, kEthanol, 0.5);
    ethanol->Marks()->SetVisible(false);
    ethanol->SetMultiBar(mbStacked);
}

void fillPie(TChart &chart)
{
    chart.SetView3D(true);
    chart.Title()->SetText({QStringLiteral("Dry air by volume")});
    // The marks name the gases.
    chart.Legend()->SetVisible(false);
    auto *air = chart.AddSeriesOfClass<TPieSeries>();
    air->SetCircled(true);
    // Percent by volume of dry air near the ground; carbon dioxide as of 2022.
    const std::pair<const char *, double> gases[] = {{"N2", 78.084}, {"O2", 20.946}, {"Ar", 0.934}, {"CO2", 0.042}};
    for (const auto &[name, percent] : gases)
        air->Add(percent, QString::fromLatin1(name));
    air->ExplodedSlice().SetValue(1, 25);
    air->Shadow()->SetSize(8);
    air->OtherSlice()->SetStyle(poBelowPercent);
    air->OtherSlice()->SetValue(2);
    air->OtherSlice()->SetColor(0xE0A040);
    air->Marks()->SetStyle(smsLabelPercent);
}

void fillFastLine(TChart &chart)
{
    chart.SetView3D(false);
    chart.Title()->SetText({QStringLiteral("100 000 points")});
    chart.Legend()->SetVisible(false);
    auto *line = chart.AddSeriesOfClass<TFastLineSeries>();
    line->SetSeriesColor(kWaterColor);
    constexpr int kPoints = 100000;
    std::vector<double> x(kPoints);
    std::vector<double> y(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        x[std::size_t(i)] = i;
        y[std::size_t(i)] = 1000.0 * std::sin(i * 0.0001) + 100.0 * std::sin(i * 0.037);
    }
    line->AddXYArray(x, y);
}

} // namespace DemoCharts
