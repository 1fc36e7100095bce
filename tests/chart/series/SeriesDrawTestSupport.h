// The fixture of the series drawing tests: a 400 x 250 chart without legend on a recording canvas
// with fake metrics, series added to it, and the calls of one pass.
#pragma once

#include "ChartTestSupport.h"

#include "TChartAxis.h"

#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

class SeriesDrawTestBase : public ChartTest
{
protected:
    void SetUp() override
    {
        chart.SetView3D(false);
        // The legend draws the series' symbols too; these tests count the series' own calls.
        chart.Legend()->SetVisible(false);
        canvas = &chart.useRecordingCanvas();
    }
    template <class Series>
    Series *add(std::initializer_list<std::pair<double, double>> points = {})
    {
        auto *series = new Series(&chart);
        chart.AddSeries(series);
        for (const auto &[x, y] : points)
            series->AddXY(x, y);
        return series;
    }
    // One pass, its log alone on the canvas.
    void draw()
    {
        canvas->clear();
        chart.drawPass();
    }
    void draw(bool view3D)
    {
        chart.SetView3D(view3D);
        draw();
    }
    // The calls of one kind drawn with a visible pen of the colour.
    std::vector<RecordedCall> callsInPen(const QString &op, TColor color) const
    {
        std::vector<RecordedCall> result;
        for (const RecordedCall &call : canvas->calls(op))
            if (call.penColor == color && call.penVisible())
                result.push_back(call);
        return result;
    }
    static TPoint pixelOf(const TChartSeries &series, int index) { return {series.CalcXPos(index), series.CalcYPos(index)}; }

    TestChart chart;
    RecordingCanvas *canvas = nullptr;
};
