// Gantt series: tasks from start to end date, the links to following tasks, the bar's hit test,
// the marks on the bars and the sample plan.
#include "TGanttSeries.h"

#include "OwnClassSource.h"
#include "SeriesGalleryTexts.h"

#include "TCustomAxisPanel.h"

#include "PlotProcs.h"
#include "TCanvas3D.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <cstdlib>

TGanttSeries::TGanttSeries(QObject *owner)
    : TPointSeries(owner)
    , m_endValues(addValueList(QStringLiteral("End")))
    , m_nextTask(addValueList(QStringLiteral("NextTask")))
{
    SetHorizontal();
    XValues()->SetName(QStringLiteral("Start"));
    // The links between tasks are point indexes: the points keep the order they were added in.
    XValues()->SetOrder(loNone);
    XValues()->InitDateTime(true);
    m_endValues->InitDateTime(true);
    m_nextTask->SetTempValue(-1.0);
    SetClickableLine(false);
    VisibleRangeOnly = false;
    Pointer()->SetStyle(psRectangle);
    SetColorEachPoint(true);
}

int TGanttSeries::AddGanttColor(double start, double end, double y, const QString &label, TColor color)
{
    m_endValues->SetTempValue(end);
    return AddXY(start, y, label, color);
}

int TGanttSeries::AddGantt(double start, double end, double y, const QString &label)
{
    return AddGanttColor(start, end, y, label, clPlotColor);
}

int TGanttSeries::AddXY(double x, double y, const QString &label, TColor color)
{
    const int index = TPointSeries::AddXY(x, y, label, color);
    // After the add, not before: the "Data" reader and callers set the link just before adding.
    m_nextTask->SetTempValue(-1.0);
    return index;
}

int TGanttSeries::NextTaskIndex(int valueIndex) const
{
    const double next = m_nextTask->Values()[std::size_t(valueIndex)];
    if (!std::isfinite(next))
        return -1;
    const double index = std::nearbyint(next);
    return index >= 0.0 && index < Count() ? int(index) : -1;
}

bool TGanttSeries::IsValidSeriesSource(const TChartSeries *source) const
{
    return TPointSeries::IsValidSeriesSource(source) && IsOwnClassSource<TGanttSeries>(*this, source);
}

double TGanttSeries::MaxXValue() const
{
    return ExtraValueLists::widened(TPointSeries::MaxXValue(), m_endValues->Values(), true);
}

std::optional<int> TGanttSeries::endPixel(int valueIndex) const
{
    const double end = m_endValues->Values()[std::size_t(valueIndex)];
    if (!std::isfinite(end))
        return std::nullopt;
    return CalcXPosValue(end);
}

std::optional<TPoint> TGanttSeries::startPoint(int valueIndex) const
{
    const auto i = std::size_t(valueIndex);
    if (!std::isfinite(XValues()->Values()[i]) || !std::isfinite(YValues()->Values()[i]))
        return std::nullopt;
    return TPoint{CalcXPos(valueIndex), CalcYPos(valueIndex)};
}

void TGanttSeries::DrawValue(int valueIndex)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart || !Pointer()->Visible())
        return;
    const TColor color = GetValueColor(valueIndex);
    const std::optional<TPoint> start = startPoint(valueIndex);
    const std::optional<int> end = endPixel(valueIndex);
    if (color == clNone || !start || !end)
        return;
    TCanvas3D &canvas = *chart->Canvas();
    // The pointer centred between the ends with half the length as its size spans the bar; the
    // pixels are clamped, so the difference stays an int.
    const int half = (*end - start->x) / 2;
    Pointer()->DrawPointer(canvas, canvas.projection().is3D, start->x + half, start->y, half, Pointer()->VertSize(),
                           color, pointerStyle(valueIndex));
    const int next = NextTaskIndex(valueIndex);
    const std::optional<TPoint> target = next >= 0 ? startPoint(next) : std::nullopt;
    if (!ConnectingPen()->Visible() || !target)
        return;
    canvas.AssignVisiblePen(*ConnectingPen());
    canvas.Brush()->SetStyle(bsClear);
    const int mid = *end + (target->x - *end) / 2;
    const int z = StartZ();
    canvas.LineWithZ(*end, start->y, mid, start->y, z);
    canvas.LineWithZ(mid, start->y, mid, target->y, z);
    canvas.LineWithZ(mid, target->y, target->x, target->y, z);
}

void TGanttSeries::DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position)
{
    const std::optional<int> end = endPixel(valueIndex);
    if (!end || !startPoint(valueIndex))
        return; // the task draws no bar
    const TPoint offset{(*end - position.ArrowFrom.x) / 2, position.Height / 2};
    for (TPoint *p : {&position.LeftTop, &position.ArrowFrom, &position.ArrowTo}) {
        p->x += offset.x;
        p->y += offset.y;
    }
    TPointSeries::DrawMark(valueIndex, text, position);
}

bool TGanttSeries::ClickedPointer(int valueIndex, int pointX, int pointY, int x, int y) const
{
    const std::optional<int> end = endPixel(valueIndex);
    if (!end)
        return false;
    // Between the ends whichever way the bar runs: a task that ends before it starts, or an
    // inverted axis, draws its bar from the end to the start.
    return x >= std::min(pointX, *end) && x <= std::max(pointX, *end) && std::abs(y - pointY) < Pointer()->VertSize();
}

void TGanttSeries::AddSampleValues(int numValues, bool onlyMandatory)
{
    Q_UNUSED(onlyMandatory);
    const double today = PlotProcs::toDateValue(QDateTime(QDate::currentDate(), QTime()));
    const int last = std::min(numValues - 1, RandomInt(20) + 10);
    for (int i = 0; i <= last; ++i) {
        const double start = today + i * 3 + RandomInt(5);
        const double end = start + 9 + RandomInt(16);
        const auto name = SeriesGalleryTexts::Text(SeriesGalleryTexts::msgGanttDesign + i % 10);
        const int task = AddGantt(start, end, i % 10, SeriesGalleryTexts::text(name));
        // The first earlier task without a follower that ends before this one starts leads to it.
        for (int k = 0; k < task; ++k)
            if (m_nextTask->Value(k) == -1.0 && m_endValues->Value(k) < start) {
                m_nextTask->SetValue(k, task);
                break;
            }
    }
}

void TGanttSeries::PrepareForGallery(bool enabled)
{
    TPointSeries::PrepareForGallery(enabled);
    SetColorEachPoint(enabled);
    Pointer()->SetVertSize(3);
    Pointer()->Gradient()->SetVisible(true);
}
