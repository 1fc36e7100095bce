// Stub panel and series of the chart engine tests.
#include "EngineTestSupport.h"

#include "TChartAxis.h"

StubSeries::StubSeries()
    : x(nullptr, QStringLiteral("X"))
    , y(nullptr, QStringLiteral("Y"))
{
    x.SetOrder(loAscending);
}

void StubSeries::add(double xValue, double yValue, const QString &label)
{
    const int index = x.AddValue(xValue);
    y.InsertValue(index, yValue);
    if (!label.isEmpty() || !labels.isEmpty()) {
        while (labels.size() < x.Count() - 1)
            labels.append(QString());
        labels.insert(index, label);
    }
}

StubAxisHost::StubAxisHost()
{
    canvas.InitWindow(nullptr, &options, clWhite, false, {0, 0, 400, 250});
    canvas.CalcProjection(100, {0, 0, 400, 250});
    canvas.clear();
}

double StubAxisHost::AxisSeriesMinMax(const TChartAxis &axis, bool isMin, bool isX) const
{
    bool found = false;
    double result = 0.0;
    for (const AxisSeriesView *s : series) {
        if (!s->AssociatedToAxis(axis) || s->Count() == 0)
            continue;
        const TChartValueList *list = isX ? s->XValues() : s->YValues();
        const double v = isMin ? list->MinValue() : list->MaxValue();
        if (!found || (isMin ? v < result : v > result))
            result = v;
        found = true;
    }
    return result;
}

int StubAxisHost::MultiLineTextWidth(const QString &text, int &numLines) const
{
    const QStringList lines = text.split(u'\r');
    numLines = text.isEmpty() ? 0 : int(lines.size());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, Canvas()->TextWidth(line));
    return widest;
}

int StubAxisHost::MaxLabelsWidth() const
{
    int widest = 0;
    for (const AxisSeriesView *s : series)
        for (int i = 0; i < s->Count(); ++i) {
            int lines = 0;
            widest = std::max(widest, MultiLineTextWidth(s->PointLabel(i), lines));
        }
    return widest;
}
