// Shared set-up of the tool tests: a flat 400 x 250 chart without legend and title, bottom and
// left axes fixed at 0..100, shown offscreen so that mouse moves arrive and the buffer is painted.
#pragma once

#include "ChartTestSupport.h"

#include "TChartAxis.h"
#include "TLineSeries.h"
#include "TPlotCanvas3D.h"

#include <QTest>

class ToolTest : public ChartTest
{
protected:
    void SetUp() override
    {
        chart.SetView3D(false);
        chart.Legend()->SetVisible(false);
        chart.Title()->SetVisible(false);
        for (TChartAxis *axis : {chart.BottomAxis(), chart.LeftAxis()})
            axis->SetMinMax(0, 100);
    }

    // A line series through (10 i, 10 i) for i = 0..count-1.
    TLineSeries *addDiagonal(int count = 11)
    {
        auto *series = chart.AddSeriesOfClass<TLineSeries>();
        for (int i = 0; i < count; ++i)
            series->AddXY(10.0 * i, 10.0 * i);
        return series;
    }

    void show()
    {
        chart.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
        chart.repaint();
    }

    // A press, moves through the points and a release, all with the left button.
    void drag(QPoint from, std::initializer_list<QPoint> through)
    {
        QTest::mousePress(&chart, Qt::LeftButton, {}, from);
        QPoint last = from;
        for (const QPoint &p : through) {
            QTest::mouseMove(&chart, p);
            last = p;
        }
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, last);
    }

    QPoint pixelOf(const TChartSeries &series, int index) const
    {
        return {series.CalcXPos(index), series.CalcYPos(index)};
    }

    QImage buffer() const { return dynamic_cast<TPlotCanvas3D &>(*chart.Canvas()).buffer()->copy(); }

    TestChart chart;
};
