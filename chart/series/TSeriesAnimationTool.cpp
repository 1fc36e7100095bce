// The series animation tool. Each step repaints and lets pending events run, so that a user can
// stop the run; the chart, the series or the tool itself may be gone after any of them, and the
// run then ends without touching what went.
#include "TSeriesAnimationTool.h"

#include "PlotConst.h"
#include "PlotExceptions.h"
#include "PlotProCo.h"
#include "TChartSeries.h"
#include "TChartValueList.h"
#include "TCustomAxisPanel.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScopeGuard>

#include <vector>

namespace {

// What one run works on, each checked after every step.
struct Run
{
    QPointer<TChartSeries> series;
    QPointer<TCustomAxisPanel> chart;
    std::shared_ptr<bool> toolAlive;
    std::vector<double> real;
    bool looping = false;

    bool goesOn() const { return *toolAlive && series && chart && (!looping || chart->isVisible()); }
    void putBack() const
    {
        if (!series)
            return;
        TChartValueList &values = *series->MandatoryValueList();
        for (int i = 0; i < values.Count() && i < int(real.size()); ++i)
            values.SetValue(i, real[std::size_t(i)]);
    }
    void repaint() const
    {
        if (chart)
            chart->repaint();
    }
};

} // namespace

TSeriesAnimationTool::TSeriesAnimationTool(QObject *owner)
    : TPlotCustomToolSeries(owner)
{
}

TSeriesAnimationTool::~TSeriesAnimationTool()
{
    *m_alive = false;
}

QString TSeriesAnimationTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtSeriesAnimation);
}

void TSeriesAnimationTool::SetSteps(int value)
{
    // A step factor of 1 / 0 would fill the series with infinities.
    if (value < 1)
        throw ChartException(PlotConst::message(PlotConst::msgAnimationSteps));
    m_steps = value;
}

void TSeriesAnimationTool::Execute()
{
    TChartSeries *series = Series();
    if (!m_stopped || !series || !series->ParentChart())
        return;
    Run run;
    run.series = series;
    run.chart = series->ParentChart();
    run.toolAlive = m_alive;
    run.looping = m_loop != salNo;
    const auto values = series->MandatoryValueList()->Values();
    run.real.assign(values.begin(), values.end());
    series->BeginUpdate();
    m_stopped = false;
    const auto finish = qScopeGuard([&] {
        if (*run.toolAlive)
            m_stopped = true;
        if (run.series) {
            run.putBack();
            run.series->EndUpdate();
        }
        run.repaint();
    });
    const TSeriesAnimationLoop loop = m_loop;
    const int drawEvery = m_drawEvery;
    const int steps = m_steps;
    bool growing = true;
    do {
        TChartValueList &list = *run.series->MandatoryValueList();
        const int count = list.Count();
        const double start = m_startAtMin ? list.MinValue() : m_startValue;
        for (int i = 0; i < count; ++i)
            list.SetValue(i, start);
        run.repaint();
        QCoreApplication::processEvents();
        if (!run.goesOn())
            return;
        const int group = drawEvery > 0 ? drawEvery : std::max(count, 1);
        for (int first = 0; first < count; first += group) {
            const int last = std::min(first + group, count) - 1;
            for (int s = 0; s <= steps; ++s) {
                double f = s * (1.0 / steps);
                double base = start - start * f;
                if (loop == salCircular && !growing) {
                    base = 0;
                    f = (steps - s) * (1.0 / steps);
                }
                TChartValueList &now = *run.series->MandatoryValueList();
                for (int i = first; i <= last && i < now.Count(); ++i)
                    now.SetValue(i, f * run.real[std::size_t(i)] + base);
                // A copy: the handler may destroy the tool, and with it OnStep.
                if (const TSeriesAnimationStep step = OnStep)
                    step(this, s);
                if (!run.goesOn())
                    return;
                run.repaint();
                QCoreApplication::processEvents();
                if (!run.goesOn())
                    return;
                if (m_stopped) {
                    run.putBack();
                    run.repaint();
                    return;
                }
            }
        }
        run.putBack();
        run.repaint();
        growing = !growing;
    } while (loop != salNo && !m_stopped && run.goesOn());
}
