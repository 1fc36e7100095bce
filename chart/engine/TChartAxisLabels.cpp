// Chart axis: the label pass, which labels and ticks which values, and how one label is laid out.
#include "TChartAxis.h"

#include "AxisHost.h"
#include "AxisSeriesView.h"
#include "NumberFormat.h"
#include "PlotEngine.h"
#include "TChartValueList.h"

#include "PlotProcs.h"
#include "PlotRound.h"
#include "TCanvas3D.h"
#include "TPlotFont.h"
#include "TView3DOptions.h"

#include <QScopeGuard>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// The value loop refuses ranges of this many increments or more.
constexpr double kMaxValueLabels = 10000.0;
// A value loop whose step no longer changes the value ends here at the latest.
constexpr int kMaxValueLoopLabels = 10001;
constexpr int kMaxEventLabels = 2000;
constexpr int kMaxLogLabels = 2000;
constexpr double kEventTolerance = 1e-7;
// A value loop label this close to zero, relative to the increment, is zero; the rounding of even
// 10000 steps stays far below it.
constexpr double kZeroRemainder = 1e-7;

// A turned title moves outward until it clears its labels, in a few steps (perspective bends
// the estimate), and at most this many times the chart's size: seen edge-on there is no room.
constexpr int kMaxTitleMoves = 8;
constexpr int kMaxTitleMoveSizes = 2;
// Below this screen step per pixel outward the view looks along the direction the title moves.
constexpr double kMinTitleStep = 0.05;

// Boxes with right and bottom exclusive: touching boxes do not meet.
bool boxesMeet(const TRect &a, const TRect &b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Visits each line of a placed label at its own anchor, as the lines are drawn: at 0 and 180
// degrees each line first steps by the line height, at 90 and 270 each steps after it.
template <class Visit>
void forEachLabelLine(int x, int y, int h, int angle, const QString &text, Visit visit)
{
    for (const QString &line : text.split(u'\r')) {
        if (angle == 0 || angle == 180) {
            y += h;
            visit(x, y, line);
        } else if (angle == 90 || angle == 270) {
            visit(x, y, line);
            x += h;
        } else {
            visit(x, y, line);
        }
    }
}

} // namespace

int TChartAxis::LineCount(const QString &text)
{
    return text.isEmpty() ? 0 : int(text.count(u'\r')) + 1;
}

std::vector<int> TChartAxis::TickPositions() const
{
    std::vector<int> pixels;
    pixels.reserve(m_tickMarks.size());
    for (const Tick &t : m_tickMarks)
        pixels.push_back(t.pixel);
    return pixels;
}

int TChartAxis::timeStepIndex(double increment) const
{
    if (!m_labelsDateTime || !m_exactDateTime || m_increment == 0.0)
        return PlotProcs::kNoTimeStep;
    int k = PlotProcs::FindTimeStepIndex(m_increment);
    if (k != PlotProcs::kNoTimeStep)
        while (PlotProcs::TimeStep(k) < increment && k < 26)
            ++k;
    return k;
}

void TChartAxis::DrawTitleAndLabels(bool calcPosAxis)
{
    m_textsHidden = m_textsDeferred;
    const auto shown = qScopeGuard([this] { m_textsHidden = false; });
    drawTitleAndLabelTexts(calcPosAxis);
    DrawAxisLines();
}

void TChartAxis::DrawDeferredTexts()
{
    if (!std::exchange(m_textsDeferred, false))
        return;
    // The same pass again, at the places of the first: it collects the same ticks.
    drawTitleAndLabelTexts(false);
}

void TChartAxis::drawTitleAndLabelTexts(bool calcPosAxis)
{
    m_labelsDateTime = IsDateTime();
    if (calcPosAxis)
        m_posAxis = CalcPosAxis();
    m_tickMarks.clear();
    m_axisSeries.clear();
    m_outerRow = !m_horizontal;
    TCanvas3D *canvas = m_host ? m_host->Canvas() : nullptr;
    // Measured once, in the labels' font, before any label: a measure per label would redo the
    // increment and the label style for each, and switch the font under a custom item.
    m_passLabelsWidth = 0;
    if (canvas && !m_horizontal && (m_labelsAlternate || m_labelsAlign == alOpposite)) {
        canvas->AssignFont(LabelsFont());
        m_passLabelsWidth = MaxLabelsWidth();
    }
    m_labelBoxes.clear();
    // Turned, the title is placed clear of the labels as the screen shows them: it follows them.
    const bool titleLast = rotatedView();
    if (canvas && !titleLast)
        drawTitle();
    const TAxisLabelStyle style = GetLabelStyle();
    if (canvas && !m_items->IsEmpty()) {
        drawItems();
    } else if (canvas && style != talNone) {
        canvas->AssignFont(LabelsFont());
        const double r = CalcDrawIncrement();
        const int k = timeStepIndex(r);
        if (labelsDrawn(r, k)) {
            if (style == talValue) {
                if (m_host->OnGetNextAxisLabel())
                    drawEventLoop(r, k);
                else if (usesLogLoop())
                    drawLogLoop();
                else
                    drawValueLoop(r, k);
            } else if (!m_depthAxis) {
                drawPointLabels(style);
            } else if (style == talText) {
                drawDepthTitles();
            }
        }
    }
    if (canvas && titleLast)
        drawTitle();
}

bool TChartAxis::rotatedView() const
{
    const TCanvas3D *canvas = m_host ? m_host->Canvas() : nullptr;
    return canvas && m_host->View3D() && canvas->projection().is3D && !canvas->projection().orthogonal;
}

bool TChartAxis::labelsDrawn(double increment, int stepIndex) const
{
    return (increment > 0.0 || (stepIndex > 19 && stepIndex < 27)) && m_scale.workMinimum <= m_scale.workMaximum;
}

bool TChartAxis::usesLogLoop() const
{
    return m_logarithmic && m_increment == 0.0;
}

void TChartAxis::addTick(int pixel, double value)
{
    m_tickMarks.push_back({pixel, value});
}

bool TChartAxis::onAxis(int pixel) const
{
    return m_labelsOnAxis || (m_scale.startPixel < pixel && pixel < m_scale.endPixel);
}

bool TChartAxis::clearsLastLabel(const DrawnLabel &last, int pixel, int size, int &half) const
{
    half = size / 2;
    if (m_labelsSeparation == 0 || !last.any)
        return true;
    // A huge separation gives a gap wider than any axis, not an int overflow.
    const double gap = std::min(std::trunc(size * 0.02 * m_labelsSeparation), double(PlotEngine::MaxAxisPixel));
    half = (size + int(gap)) / 2;
    return pixel >= last.pixel ? pixel - half >= last.pixel + last.half : pixel + half <= last.pixel - last.half;
}

bool TChartAxis::clearsLastBox(const DrawnLabel &last, int pixel, const QString &text, TRect &box) const
{
    if (!rotatedView())
        return true;
    // The increment fits the labels to the turned axis on average; perspective shrinks its far end
    // below that, where a label would run into the one before it.
    int x = 0;
    int y = 0;
    int z = 0;
    labelAnchor(pixel, x, y, z);
    box = labelScreenBox(*m_host->Canvas(), x, y, z, m_labelsAngle, text, false);
    return !last.any || !boxesMeet(box, last.box);
}

bool TChartAxis::drawValue(double value, DrawnLabel *last)
{
    const int p = ValueToPixel(value);
    if (!onAxis(p))
        return false;
    if (!m_tickOnLabelsOnly)
        addTick(p, value);
    if (!Labels())
        return true;
    const QString text = FormatLabelValue(value);
    int half = 0;
    // A skipped label leaves the last drawn one as the reference.
    if (last && last->separated && !clearsLastLabel(*last, p, labelSizeOfText(text), half))
        return true;
    TRect box{};
    if (last && !clearsLastBox(*last, p, text, box))
        return true;
    if (m_tickOnLabelsOnly)
        addTick(p, value);
    drawLabelAt(p, text);
    if (last) {
        last->any = true;
        last->pixel = p;
        last->half = half;
        last->box = box;
    }
    return true;
}

void TChartAxis::forEachValueLoopLabel(double increment, int stepIndex, const std::function<void(double)> &visit) const
{
    const double minimum = m_scale.workMinimum;
    const double maximum = m_scale.workMaximum;
    if (std::fabs(m_scale.workRange / increment) >= kMaxValueLabels)
        return;
    const bool calendar = m_labelsDateTime && m_exactDateTime && stepIndex >= 20 && stepIndex < 27;
    const bool sameText = PlotFormat::FloatToStr(minimum) == PlotFormat::FloatToStr(maximum);
    auto stepDown = [&](double &v) {
        if (calendar) {
            PlotProcs::StepDateTime(true, false, v, stepIndex, increment);
        } else {
            v -= increment;
            // Steps across zero leave a rounding remainder (1 - 5 x 0.2 = 1.1E-16), which would be
            // labelled as the tiny number it is: that label is 0.
            if (std::fabs(v) < kZeroRemainder * increment)
                v = 0.0;
        }
    };
    double v = maximum;
    if (m_labelsDateTime && m_exactDateTime && stepIndex >= 16 && stepIndex < 27)
        v = PlotProcs::RoundDateToStep(stepIndex, maximum);
    else if (m_roundFirstLabel && !sameText)
        v = std::trunc(maximum / increment) * increment;
    for (int i = 0; v > maximum && i < kMaxValueLoopLabels; ++i)
        stepDown(v);
    if (m_scale.rangeIsZero || std::fabs(maximum - minimum) < 1e-10 || sameText) {
        visit(v);
        return;
    }
    // The tolerance lets a label at the minimum survive rounding. Relative to a minimum far from zero
    // it could reach thousands of increments below a narrow range, off the axis: a hundredth of an
    // increment is the most it may take.
    const double lower = minimum < 0.0 ? minimum
                                       : std::max((minimum - 1e-12) / (1.0 + 1e-12), minimum - 0.01 * increment);
    // Subtracting an increment below the precision of v leaves v where it was: stop there.
    for (int count = 0; v >= lower && count < kMaxValueLoopLabels; ++count) {
        visit(v);
        const double previous = v;
        stepDown(v);
        if (!(v < previous))
            break;
    }
}

void TChartAxis::drawValueLoop(double increment, int stepIndex)
{
    // Even steps on a log axis crowd towards the top of each decade, whatever the increment: a
    // label overlapping the one drawn before it is skipped, as in the log loop.
    DrawnLabel last;
    last.separated = m_logarithmic;
    forEachValueLoopLabel(increment, stepIndex, [this, &last](double v) { drawValue(v, &last); });
}

std::vector<double> TChartAxis::logLabelValues() const
{
    const double minimum = m_scale.workMinimum;
    const double maximum = m_scale.workMaximum;
    const double base = m_logarithmicBase;
    std::vector<double> values;
    if (minimum == maximum || !(base > 1.0))
        return values;
    double start = minimum;
    if (minimum > 0.0)
        start = LogIncrement(minimum);
    else
        start = minimum == 0.0 ? 0.1 : LogIncrement(1e-10);
    double v = start;
    for (int i = 0; v <= maximum && i < kMaxLogLabels; ++i, v *= base)
        if (v >= minimum)
            values.push_back(v);
    const auto shown = [&] {
        return std::count_if(values.begin(), values.end(), [&](double value) { return onAxis(ValueToPixel(value)); });
    };
    // Zoomed into less than a whole decade, a base-10 axis holds one power of ten at most (0.3 to
    // 7: only "1"): 2 and 5 times the powers label it as well.
    const bool belowDecade = base == 10.0 && minimum > 0.0 && shown() < 2;
    if (belowDecade) {
        for (double k = std::floor(std::log10(minimum)); k <= std::floor(std::log10(maximum)); ++k)
            for (const double mantissa : {2.0, 5.0}) {
                // Dividing by an exact power keeps 0.2 and 0.05 the nearest doubles.
                const double value = k < 0 ? mantissa / std::pow(10.0, -k) : mantissa * std::pow(10.0, k);
                if (value >= minimum && value <= maximum)
                    values.push_back(value);
            }
        std::sort(values.begin(), values.end());
    }
    if (belowDecade ? shown() >= 2 : shown() > 0)
        return values;
    // Still too few: label the range in steps of a tenth of the start as well.
    const double step = start / base;
    if (!(step > 0.0) || (maximum - start) / step >= kMaxValueLabels)
        return values;
    v = start;
    for (int i = 0; v <= maximum && i < int(kMaxValueLabels); ++i, v = start + (i * step))
        if (v >= minimum)
            values.push_back(v);
    std::sort(values.begin(), values.end());
    // A power of the base the additive steps reach again, up to rounding, is labelled once.
    const auto same = [](double a, double b) { return std::fabs(a - b) <= 1e-9 * std::fabs(b); };
    values.erase(std::unique(values.begin(), values.end(), same), values.end());
    return values;
}

void TChartAxis::drawLogLoop()
{
    // Ascending values: a label overlapping the one drawn before it is skipped, as point labels are.
    DrawnLabel last;
    for (const double v : logLabelValues())
        drawValue(v, &last);
}

void TChartAxis::drawEventLoop(double increment, int stepIndex)
{
    double v = m_scale.workMinimum;
    bool stop = true;
    for (int index = 0; index < kMaxEventLabels; ++index) {
        m_host->OnGetNextAxisLabel()(this, index, v, stop);
        if (stop) {
            if (index == 0)
                drawValueLoop(increment, stepIndex);
            return;
        }
        if (v < m_scale.workMinimum - kEventTolerance || v > m_scale.workMaximum + kEventTolerance)
            return;
        drawValue(v);
    }
}

void TChartAxis::drawPointLabels(TAxisLabelStyle style)
{
    int first = -1;
    int lastIndex = -1;
    for (int i = 0; i < m_host->SeriesCount(); ++i) {
        AxisSeriesView *s = m_host->Series(i);
        if (!s || !s->Active() || !s->AssociatedToAxis(*this))
            continue;
        m_axisSeries.push_back(s);
        if (s->FirstValueIndex() < 0)
            continue;
        first = first < 0 ? s->FirstValueIndex() : std::min(first, s->FirstValueIndex());
        lastIndex = std::max(lastIndex, s->LastValueIndex());
    }
    if (first < 0)
        return;
    DrawnLabel last;
    for (int i = first; i <= lastIndex; ++i) {
        AxisSeriesView *series = nullptr;
        for (AxisSeriesView *s : m_axisSeries)
            if (s->FirstValueIndex() >= 0 && s->FirstValueIndex() <= i && i <= s->LastValueIndex()
                && i < s->Count()) {
                series = s;
                break;
            }
        if (!series)
            continue;
        QString text = style == talMark ? series->MarkText(i) : series->PointLabel(i);
        if (m_host->OnGetAxisLabel())
            m_host->OnGetAxisLabel()(this, series, i, text);
        const TChartValueList *list = m_horizontal ? series->XValues() : series->YValues();
        const double value = list->Values()[std::size_t(i)];
        if (text.isEmpty() || value < m_scale.workMinimum || value > m_scale.workMaximum)
            continue;
        const int p = ValueToPixel(value);
        if (!m_tickOnLabelsOnly)
            addTick(p, value);
        int half = 0;
        TRect box{};
        // A skipped label leaves the last drawn one as the reference.
        if (!clearsLastLabel(last, p, labelSizeOfText(text), half) || !Labels()
            || !clearsLastBox(last, p, text, box))
            continue;
        if (m_tickOnLabelsOnly)
            addTick(p, value);
        drawLabelAt(p, text);
        last = {true, p, half, true, box};
    }
}

void TChartAxis::drawDepthTitles()
{
    bool anyActive = false;
    for (int i = 0; i < m_host->SeriesCount(); ++i)
        anyActive = anyActive || (m_host->Series(i) && m_host->Series(i)->Active());
    if (!anyActive)
        return;
    // Series indexes are ints: a range beyond them (or NaN) has no titles to show.
    const double from = std::max(std::trunc(m_scale.workMinimum), 0.0);
    const double to = std::min({std::trunc(m_scale.workMaximum), from + (kMaxValueLabels - 1),
                                double(std::numeric_limits<int>::max())});
    for (double index = from; index <= to; ++index) {
        const int i = int(index);
        QString text = m_host->SeriesTitleLegend(i);
        if (m_host->OnGetAxisLabel())
            m_host->OnGetAxisLabel()(this, nullptr, i, text);
        const double value = m_scale.workMaximum - i - 0.5;
        const int p = ValueToPixel(value);
        if (!m_tickOnLabelsOnly)
            addTick(p, value);
        if (Labels()) {
            if (m_tickOnLabelsOnly)
                addTick(p, value);
            drawLabelAt(p, text);
        }
    }
}

void TChartAxis::drawItems()
{
    TCanvas3D &canvas = *m_host->Canvas();
    for (int i = 0; i < m_items->Count(); ++i) {
        TAxisItem *item = m_items->Item(i);
        const double value = item->Value();
        if (value < m_minimum || value > m_maximum)
            continue;
        const int p = ValueToPixel(value);
        if (!m_tickOnLabelsOnly)
            addTick(p, value);
        if (!item->Visible())
            continue;
        if (m_tickOnLabelsOnly)
            addTick(p, value);
        canvas.AssignFont(item->Font());
        drawLabelAt(p, item->Text().isEmpty() ? FormatLabelValue(value) : item->Text(), item);
    }
}

void TChartAxis::drawTitle()
{
    const QString caption = m_title->Caption();
    if (!m_title->Visible() || caption.isEmpty() || m_textsHidden)
        return;
    TCanvas3D &canvas = *m_host->Canvas();
    canvas.AssignFont(m_title->Font());
    if (m_depthAxis) {
        canvas.SetBackMode(cbmTransparent);
        canvas.TextOut3D(m_posTitle, m_host->ChartRect().bottom, m_host->Width3D() / 2, caption);
        return;
    }
    const int angle = m_title->Angle();
    int along = m_scale.centerPixel;
    // Text at 90 degrees runs up from its anchor, at 270 down: centre it on the axis.
    if (!m_horizontal && (angle == 90 || angle == 270)) {
        int lines = 0;
        const int width = m_host->MultiLineTextWidth(caption, lines);
        along += angle == 90 ? width / 2 : -(width / 2);
    }
    const int position = m_labelBoxes.empty() ? m_posTitle : titleClearOfLabels(canvas, along, angle, caption);
    if (m_horizontal)
        drawAxisLabel(along, position, m_depthPixel, angle, caption, false, m_title);
    else
        drawAxisLabel(position, along, m_depthPixel, angle, caption, false, m_title);
}

int TChartAxis::titleClearOfLabels(TCanvas3D &canvas, int along, int angle, const QString &caption) const
{
    // The room the layout left between labels and title shrinks as the view turns, while the
    // labels keep their width: the title moves outward until its box clears every label's box.
    // A vertical axis' title moves across the screen, a horizontal one's down or up it.
    double stepX = 0.0;
    double stepY = 0.0;
    const double outwardSign = outward(0, 1);
    canvas.projection().screenStep(m_horizontal ? 0.0 : outwardSign, m_horizontal ? outwardSign : 0.0, 0.0, stepX,
                                   stepY);
    const double step = m_horizontal ? stepY : stepX;
    if (std::fabs(step) < kMinTitleStep)
        return m_posTitle;
    const TRect chart = m_host->ChartRect();
    const int limit = kMaxTitleMoveSizes * std::max(chart.width(), chart.height());
    const int gap = canvas.TextWidth(QStringLiteral(" "));
    int moved = 0;
    for (int pass = 0; pass < kMaxTitleMoves; ++pass) {
        const int position = outward(m_posTitle, moved);
        const TRect t = m_horizontal ? labelScreenBox(canvas, along, position, m_depthPixel, angle, caption, true)
                                     : labelScreenBox(canvas, position, along, m_depthPixel, angle, caption, true);
        // How far the title's box must go on the screen to clear each label it meets.
        int need = 0;
        for (const TRect &label : m_labelBoxes) {
            const TRect padded{label.left - gap, label.top - gap, label.right + gap, label.bottom + gap};
            if (!boxesMeet(t, padded))
                continue;
            if (m_horizontal)
                need = std::max(need, step > 0 ? padded.bottom - t.top : t.bottom - padded.top);
            else
                need = std::max(need, step > 0 ? padded.right - t.left : t.right - padded.left);
        }
        if (need <= 0)
            return position;
        moved += std::max(1, int(std::ceil(need / std::fabs(step))));
        if (moved > limit)
            break;
    }
    return outward(m_posTitle, std::min(moved, limit));
}

void TChartAxis::labelAnchor(int pixel, int &x, int &y, int &z) const
{
    if (m_depthAxis) {
        x = m_posLabels;
        y = m_host->ChartRect().bottom;
        z = pixel;
        return;
    }
    int row = m_posLabels;
    if (m_labelsAlternate && m_outerRow) {
        const int size = m_horizontal ? m_host->Canvas()->FontHeight() : m_passLabelsWidth;
        row = outward(row, size);
    }
    x = m_horizontal ? pixel : row;
    y = m_horizontal ? row : pixel;
    z = m_depthPixel;
}

void TChartAxis::drawLabelAt(int pixel, const QString &text, TPlotCustomShape *format)
{
    if (!format)
        format = m_items->Format();
    int x = 0;
    int y = 0;
    int z = 0;
    labelAnchor(pixel, x, y, z);
    if (m_labelsAlternate && !m_depthAxis)
        m_outerRow = !m_outerRow;
    const bool exponentForm = m_labelsExponent && !m_depthAxis;
    if (rotatedView() && !m_textsHidden)
        m_labelBoxes.push_back(labelScreenBox(*m_host->Canvas(), x, y, z, m_labelsAngle, text, false));
    drawAxisLabel(x, y, z, m_labelsAngle, text, exponentForm, format);
}

TChartAxis::LabelPlacement TChartAxis::placeAxisLabel(TCanvas3D &canvas, int x, int y, int angle, const QString &text,
                                                       bool isTitle) const
{
    int h = canvas.FontHeight();
    if (angle == 180 || angle == 270)
        h = -h;
    const int lines = LineCount(text);
    const int total = plotRound(double(h) * lines);
    int align = TA_LEFT;
    if (m_horizontal) {
        switch (angle) {
        case 0:
            align = TA_CENTER | (m_otherSide ? TA_BOTTOM : TA_TOP);
            break;
        case 180:
            align = TA_CENTER | (m_otherSide ? TA_TOP : TA_BOTTOM);
            break;
        case 90:
        case 270:
            // Rotated text lies beside its anchor: half its height centres it on the tick.
            align = (angle == 90) != m_otherSide ? TA_RIGHT : TA_LEFT;
            x += h / 2;
            break;
        case 45:
            x -= plotRound(canvas.TextWidth(text) * std::sin(M_PI / 4));
            break;
        default:
            break;
        }
        if (angle == 0)
            y -= m_otherSide ? total : h;
        else if (angle == 180)
            y -= m_otherSide ? h : total;
        else if (angle == 90 || angle == 270)
            x -= plotRound(h * 0.5 * (lines + 1));
    } else {
        if (angle == 0 || angle == 180) {
            const bool right = (angle == 0) != m_otherSide;
            align = right ? TA_RIGHT : TA_LEFT;
            if (m_labelsAlign == alOpposite && !isTitle) {
                align = right ? TA_LEFT : TA_RIGHT;
                x = outward(x, m_passLabelsWidth);
            }
            y -= h / 2;
            y -= plotRound(h * 0.5 * (lines + 1));
        } else if (angle == 90 || angle == 270) {
            // The lines step by h away from the first anchor (a 90-degree line lies right of its
            // anchor, a 270-degree one left): the block starts at the labels position when it grows
            // outward, else one block further in. For the left axis at 90 and the right axis at 270
            // this is the move by the block's height; the other two no longer fall into the chart.
            const int outwardSign = m_otherSide ? 1 : -1;
            if (outwardSign * h < 0)
                x -= total;
        }
    }
    return {x, y, h, align};
}

TRect TChartAxis::labelScreenBox(TCanvas3D &canvas, int x, int y, int z, int angle, const QString &text,
                                 bool isTitle) const
{
    const LabelPlacement place = placeAxisLabel(canvas, x, y, angle, text, isTitle);
    const TView3DOptions *options = canvas.View3DOptions();
    const double zoom = options && options->ZoomText() ? canvas.projection().zoomFactor : 1.0;
    const double height = std::abs(place.h) * zoom;
    // A line's box in its own frame (along the text, down from its top), turned by the angle.
    const double radians = angle * M_PI / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const int horizontal = place.align & TA_CENTER;
    const double top = (place.align & TA_BASELINE) == TA_TOP ? 0.0 : -height;
    double left = std::numeric_limits<double>::max();
    double right = -left;
    double upper = left;
    double lower = right;
    forEachLabelLine(place.x, place.y, place.h, angle, text, [&](int lx, int ly, const QString &line) {
        const TPoint at = canvas.Calc3DPoint(lx, ly, z);
        const double width = canvas.TextWidth(line) * zoom;
        const double start = horizontal == TA_RIGHT ? -width : horizontal == TA_CENTER ? -width / 2 : 0.0;
        for (const double u : {start, start + width})
            for (const double v : {top, top + height}) {
                const double sx = at.x + u * c + v * s;
                const double sy = at.y - u * s + v * c;
                left = std::min(left, sx);
                right = std::max(right, sx);
                upper = std::min(upper, sy);
                lower = std::max(lower, sy);
            }
    });
    if (left > right)
        return {};
    const auto held = [](double v) { return PlotEngine::ClampPixel(qint64(v)); };
    return {held(std::floor(left)), held(std::floor(upper)), held(std::ceil(right)), held(std::ceil(lower))};
}

void TChartAxis::drawAxisLabel(int x, int y, int z, int angle, QString text, bool exponentForm,
                               TPlotCustomShape *format)
{
    // The title is laid out as a label, but never in the opposite alignment or the exponent form.
    if (m_textsHidden)
        return;
    TCanvas3D &canvas = *m_host->Canvas();
    if (m_onDrawLabel) {
        bool drawLabel = true;
        m_onDrawLabel(this, x, y, z, text, drawLabel);
        if (!drawLabel)
            return;
    }
    const LabelPlacement place = placeAxisLabel(canvas, x, y, angle, text, format == m_title);
    if (format && !format->Transparent() && angle == 0)
        drawLabelFrame(canvas, *format, place.x, place.y, z, place.align, text, LineCount(text));
    // The walls leave the canvas opaque in the chart's colour: on paper that is a grey box behind
    // every label, and a frame's brush must not fill behind the text either.
    canvas.SetBackMode(cbmTransparent);
    canvas.SetTextAlign(place.align);
    forEachLabelLine(place.x, place.y, place.h, angle, text, [&](int lx, int ly, const QString &line) {
        if (angle != 0)
            canvas.RotateLabel3D(lx, ly, z, line, angle);
        else if (exponentForm)
            drawExponentLabel(canvas, lx, ly, z, line);
        else
            canvas.TextOut3D(lx, ly, z, line);
    });
}

void TChartAxis::drawLabelFrame(TCanvas3D &canvas, TPlotCustomShape &format, int x, int y, int z, int align,
                                const QString &text, int lines)
{
    int width = 0;
    for (const QString &line : text.split(u'\r'))
        width = std::max(width, canvas.TextWidth(line));
    const int height = canvas.FontHeight() * lines;
    TRect r{x, y + canvas.FontHeight(), 0, 0};
    if ((align & TA_BASELINE) == TA_BOTTOM)
        r.top -= height;
    r.bottom = r.top + height;
    r.right = r.left + width;
    if ((align & TA_CENTER) == TA_RIGHT) {
        r.right = r.left;
        r.left -= width;
    } else if ((align & TA_CENTER) == TA_CENTER) {
        const int shift = (r.right - r.left) / 2;
        r.left -= shift;
        r.right -= shift;
    }
    const int margin = canvas.TextWidth(QStringLiteral("W")) >> 1;
    r.left -= margin;
    r.right += margin;
    if (z != 0)
        r = canvas.CalcRect3D(r, z);
    format.DrawRectRotated(r, 0, z);
}

void TChartAxis::drawExponentLabel(TCanvas3D &canvas, int x, int y, int z, const QString &text)
{
    // "1.5 x10 E+3": mantissa in the label font, exponent a quarter smaller and raised.
    const qsizetype e = text.indexOf(u'E', 0, Qt::CaseInsensitive);
    if (e < 0) {
        canvas.TextOut3D(x, y, z, text);
        return;
    }
    const QString mantissa = text.left(e).trimmed();
    const QString exponent = text.mid(e + 1);
    TFont *font = canvas.Font();
    const int size = font->Size();
    const int small = size - size / 4;
    const int raise = (canvas.FontHeight() - 1) / 2 - 2;
    font->SetSize(small);
    const int exponentWidth = canvas.TextWidth(exponent);
    font->SetSize(size);
    if ((canvas.GetTextAlign() & TA_CENTER) == TA_LEFT) {
        canvas.TextOut3D(x, y, z, mantissa);
        const int exponentX = x + canvas.TextWidth(mantissa) + 1;
        font->SetSize(small);
        canvas.TextOut3D(exponentX, y - raise, z, exponent);
    } else {
        font->SetSize(small);
        canvas.TextOut3D(x, y - raise, z, exponent);
        font->SetSize(size);
        canvas.TextOut3D(x - (exponentWidth + 1), y, z, mantissa);
    }
    font->SetSize(size);
}

int TChartAxis::MaxLabelsWidth() const
{
    if (!m_host)
        return 0;
    int lines = 0;
    if (!m_items->IsEmpty()) {
        // Custom items alone are labelled, each in its own font.
        TCanvas3D *canvas = m_host->Canvas();
        int widest = 0;
        for (int i = 0; i < m_items->Count(); ++i) {
            const TAxisItem *item = m_items->Item(i);
            if (canvas)
                canvas->AssignFont(item->Font());
            const QString text = item->Text().isEmpty() ? FormatLabelValue(item->Value()) : item->Text();
            widest = std::max(widest, m_host->MultiLineTextWidth(text, lines));
        }
        return widest;
    }
    switch (GetLabelStyle()) {
    case talValue: {
        const double r = CalcDrawIncrement();
        double low = m_scale.workMinimum;
        double high = m_scale.workMaximum;
        // A logarithmic axis labels powers of its base: rounding its ends by the linear step would
        // measure "0" and "1" for a range from 0.0065 to 1.01 and leave too little room.
        if (((m_labelsDateTime && m_exactDateTime) || m_roundFirstLabel) && !m_logarithmic) {
            low = std::trunc(low / r) * r;
            high = std::trunc(high / r) * r;
        }
        // Measuring must not run the panel's label event.
        m_labelEventOff = true;
        int width = 0;
        const auto measure = [&](double value) {
            width = std::max(width, m_host->MultiLineTextWidth(FormatLabelValue(value), lines));
        };
        measure(low);
        measure(high);
        // An inner label can be wider than both ends ("0.95" between "0" and "1"): the room must
        // hold every label the pass draws, or the axis title lies under them.
        const int k = timeStepIndex(r);
        if (!m_host->OnGetNextAxisLabel() && labelsDrawn(r, k)) {
            if (usesLogLoop()) {
                for (const double v : logLabelValues())
                    measure(v);
            } else {
                forEachValueLoopLabel(r, k, measure);
            }
        }
        m_labelEventOff = false;
        return width + (m_host->Canvas() ? m_host->Canvas()->TextWidth(QStringLiteral(" ")) : 0);
    }
    case talMark:
        return m_host->MaxMarkWidth();
    case talText:
        return m_host->MaxLabelsWidth();
    default:
        return 0;
    }
}
