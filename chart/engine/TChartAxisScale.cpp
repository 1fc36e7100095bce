// Chart axis: range, scales, pixel extent, line placement and label increments.
#include "TChartAxis.h"

#include "AxisHost.h"
#include "AxisSeriesView.h"
#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "PlotEngine.h"
#include "TChartValueList.h"

#include "PlotProcs.h"
#include "PlotRound.h"
#include "TCanvas3D.h"
#include "TView3DOptions.h"

#include <algorithm>
#include <bit>
#include <utility>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// Backstop of every increment search: each step grows r, but a loop must end whatever the data.
constexpr int kMaxIncrementSteps = 2000;
// The date-time rule never asks for more labels than this.
constexpr double kMaxDateTimeLabels = 1000000.0;
// Widening the label size to the widest label drawn settles within a few passes.
constexpr int kMaxLabelFitPasses = 8;

} // namespace

void TChartAxis::BindAxisPosFunctions()
{
    m_scale.mode = m_depthAxis ? AxisScale::Depth : (m_logarithmic ? AxisScale::Logarithmic : AxisScale::Linear);
    m_scale.horizontal = m_horizontal;
    m_scale.inverted = m_inverted;
}

void TChartAxis::RecalcScales()
{
    if (m_logarithmic && m_scale.workMinimum <= 0.0) {
        // The label pass starts a log axis at 0.1 (or 1e-10 for a negative minimum); the scale must
        // start there too, or labels and points below 1 fall outside the axis.
        double replacement = m_scale.workMinimum == 0.0 ? 0.1 : LogIncrement(1e-10);
        if (replacement >= m_scale.workMaximum)
            replacement = LogIncrement(1e-10);
        if (replacement < m_scale.workMaximum)
            m_scale.workMinimum = replacement;
    }
    m_scale.recalc(m_logarithmic);
    const double depth = m_depthAxis && m_host ? m_host->ChartRect().height() : (m_host ? m_host->Width3D() : 0);
    m_depthPixel = plotRound(depth * m_zPosition * 0.01);
}

void TChartAxis::SetWorkRange(double minimum, double maximum)
{
    m_scale.workMinimum = minimum;
    m_scale.workMaximum = maximum;
    RecalcScales();
}

void TChartAxis::CalcPixelExtent()
{
    int length = 0;
    int origin = 0;
    if (m_host) {
        const TRect r = m_host->ChartRect();
        if (m_depthAxis) {
            length = m_host->Width3D();
        } else if (m_horizontal) {
            length = r.width();
            origin = r.left;
        } else {
            length = r.height();
            origin = r.top;
        }
    }
    // Positions far beyond 100 % stay within the pixel clamp instead of overflowing an int.
    auto edge = [&](double percent) {
        const double pixel = origin + std::nearbyint(length * 0.01 * percent);
        return plotRound(std::clamp(pixel, double(-PlotEngine::MaxAxisPixel), double(PlotEngine::MaxAxisPixel)));
    };
    m_scale.setExtent(edge(m_startPosition), edge(m_endPosition));
    RecalcScales();
}

int TChartAxis::CalcPosAxis() const
{
    const TRect r = m_host ? m_host->ChartRect() : TRect{};
    if (m_horizontal)
        return (m_otherSide ? r.top : r.bottom) + positionOffset();
    return (m_otherSide ? r.right : r.left) + positionOffset();
}

int TChartAxis::SizeToPixels(double size) const
{
    if (size <= 0.0 || m_scale.rangeIsZero)
        return 0;
    return m_logarithmic ? plotRound(std::log(size) * m_scale.logPixelScale) : plotRound(size * m_scale.pixelScale);
}

void TChartAxis::RecalcMinMax()
{
    if (m_host) {
        if (m_automatic || m_automaticMaximum)
            m_maximum = m_host->AxisSeriesMinMax(*this, false, m_horizontal);
        if (m_automatic || m_automaticMinimum)
            m_minimum = m_host->AxisSeriesMinMax(*this, true, m_horizontal);
    }
    m_scale.workMaximum = m_maximum;
    m_scale.workMinimum = m_minimum;
    RecalcScales();
}

void TChartAxis::SetMinMax(double minimum, double maximum)
{
    m_automatic = m_automaticMinimum = m_automaticMaximum = false;
    if (minimum > maximum)
        std::swap(minimum, maximum);
    m_minimum = minimum;
    m_maximum = maximum;
    if (m_maximum - m_minimum < PlotEngine::MinAxisRange)
        m_maximum = m_minimum + PlotEngine::MinAxisRange;
    Repaint();
    if (m_host)
        m_host->SyncMinMax(*this);
}

void TChartAxis::Scroll(double offset, bool checkLimits)
{
    if (checkLimits) {
        if (offset == 0.0 || !m_host)
            return;
        const bool isMin = offset < 0.0;
        const double limit = m_host->AxisSeriesMinMax(*this, isMin, m_horizontal);
        if (isMin ? !(limit < m_minimum) : !(limit > m_maximum))
            return;
    }
    m_maximum += offset;
    m_minimum += offset;
    m_automatic = m_automaticMinimum = m_automaticMaximum = false;
    Repaint();
}

void TChartAxis::FitRangeToMargins(const TRect &margins)
{
    const int a = m_horizontal ? margins.left : margins.top;
    const int b = m_horizontal ? margins.right : margins.bottom;
    // Margins as wide as the axis would collapse the range to a point (or flip a log axis).
    if (double(m_scale.pixelSize) - a - b < 1.0)
        return;
    const int oldStart = m_scale.startPixel;
    const int oldEnd = m_scale.endPixel;
    // Summed wide and held to the pixel clamp: margins read from a file may be huge.
    m_scale.setExtent(PlotEngine::ClampPixel(qint64(oldStart) + a), PlotEngine::ClampPixel(qint64(oldEnd) - b));
    m_scale.recalc(m_logarithmic);
    double minimum = PixelToValue(oldStart);
    double maximum = PixelToValue(oldEnd);
    CalcPixelExtent();
    if (minimum > maximum)
        std::swap(minimum, maximum);
    m_scale.workMinimum = minimum;
    m_scale.workMaximum = maximum;
    RecalcScales();
}

TChartValueList *TChartAxis::seriesValueList(const AxisSeriesView &series) const
{
    if (!series.AssociatedToAxis(*this))
        return nullptr;
    return m_horizontal ? series.XValues() : series.YValues();
}

bool TChartAxis::IsDateTime() const
{
    if (!m_host)
        return false;
    for (int i = 0; i < m_host->SeriesCount(); ++i) {
        const AxisSeriesView *series = m_host->Series(i);
        if (!series || !series->Active())
            continue;
        if (const TChartValueList *list = seriesValueList(*series))
            return list->DateTime();
    }
    return false;
}

double TChartAxis::LogIncrement(double value) const
{
    if (value <= 0.0)
        return value;
    const double base = m_logarithmicBase;
    return std::pow(base, std::nearbyint(std::log(value) / std::log(base)));
}

double TChartAxis::CalcIncrementForLabelCount(int maxLabels) const
{
    if (maxLabels <= 0)
        return m_labelsDateTime ? kMinDateTimeIncrement : PlotEngine::MinAxisIncrement;
    return m_labelsDateTime ? dateTimeIncrement(maxLabels) : numericIncrement(maxLabels);
}

double TChartAxis::numericIncrement(int maxLabels) const
{
    const double range = m_scale.workRange;
    double r = 0.0;
    if (m_increment > 0.0) {
        r = m_increment;
    } else if (range == 0.0) {
        r = 1.0;
    } else {
        r = std::fabs(range) / (maxLabels + 1);
        if (m_logarithmic)
            r = LogIncrement(r);
        // An axis showing the point positions of a few points labels whole positions only.
        if (range >= 1.0 && m_host) {
            for (int i = 0; i < m_host->SeriesCount(); ++i) {
                const AxisSeriesView *s = m_host->Series(i);
                if (s && s->Active() && s->AssociatedToAxis(*this) && s->YMandatory() == m_horizontal
                    && s->Count() <= maxLabels) {
                    r = std::max(r, 1.0);
                    break;
                }
            }
        }
    }
    if (m_labelsSeparation > 0) {
        // A log base below 1 would shrink r forever: step by whichever of base and 1/base grows.
        const double logStep = std::max(m_logarithmicBase, 1.0 / m_logarithmicBase);
        auto stepUp = [&] { r = m_logarithmic ? r * logStep : PlotEngine::NextStep(r); };
        long long c = maxLabels + 1;
        for (int step = 0; step < kMaxIncrementSteps; ++step) {
            const double q = range / r;
            if (std::fabs(q) >= 2147483647.0) {
                stepUp();
            } else {
                c = std::llround(q);
                if (c > maxLabels)
                    stepUp();
            }
            if (c <= maxLabels || r > range || std::isinf(r))
                break;
        }
    }
    if (std::isinf(r))
        return range;
    return std::max(PlotEngine::MinAxisIncrement, r);
}

double TChartAxis::dateTimeIncrement(int maxLabels) const
{
    const double range = m_scale.workRange;
    double r = std::max(PlotProcs::TimeStep(0), m_increment);
    if (r > 0.0 && maxLabels >= 1) {
        if (range / r > kMaxDateTimeLabels)
            r = range / kMaxDateTimeLabels;
        for (int step = 0; step < kMaxIncrementSteps; ++step) {
            const double c = std::nearbyint(range / r);
            if (!(c > maxLabels))
                break;
            if (r >= PlotProcs::TimeStep(26))
                r *= 2.0;
            else if (r >= PlotProcs::TimeStep(2))
                r = PlotProcs::NextTimeStep(r);
            else
                r = PlotEngine::NextStep(r);
        }
    }
    return std::max(PlotProcs::TimeStep(0), r);
}

double TChartAxis::CalcIncrementForLabelSize(double size) const
{
    int maxLabels = 1;
    if (size >= 1.0) {
        double width = size;
        if (m_labelsSeparation > 0)
            width += plotRound(m_labelsSeparation * 0.01 * size);
        maxLabels = plotRound(m_scale.pixelSize / width);
    }
    return CalcIncrementForLabelCount(maxLabels);
}

bool TChartAxis::labelsRunAcrossAxis() const
{
    return m_horizontal ? (m_labelsAngle == 90 || m_labelsAngle == 270)
                        : (m_labelsAngle == 0 || m_labelsAngle == 180);
}

int TChartAxis::LabelSizeOfValue(double value) const
{
    return labelSizeOfText(FormatLabelValue(value));
}

int TChartAxis::labelSizeOfText(const QString &text) const
{
    if (!m_host)
        return 0;
    if (rotatedView())
        return rotatedLabelSize(text);
    if (!labelsRunAcrossAxis()) {
        int lines = 0;
        return m_host->MultiLineTextWidth(text, lines);
    }
    // Across the axis only the lines count: no text is measured.
    TCanvas3D *canvas = m_host->Canvas();
    return canvas ? canvas->FontHeight() * LineCount(text) : 0;
}

int TChartAxis::rotatedLabelSize(const QString &text) const
{
    // Turned, the axis shortens and slants on the screen while its labels stay upright and keep
    // their size: two labels part once their boxes part across or down the screen, so the room a
    // label takes along the axis is the lesser of its box's width over the axis' step across the
    // screen and its height over the step down it.
    TCanvas3D &canvas = *m_host->Canvas();
    int lines = 0;
    const double width = m_host->MultiLineTextWidth(text, lines);
    const double height = double(canvas.FontHeight()) * LineCount(text);
    const double radians = m_labelsAngle * std::numbers::pi / 180.0;
    const double c = std::fabs(std::cos(radians));
    const double s = std::fabs(std::sin(radians));
    const TView3DOptions *options = canvas.View3DOptions();
    // Zoomed texts grow with the view, other texts keep their size.
    const double textZoom = options && options->ZoomText() ? canvas.projection().zoomFactor : 1.0;
    const double boxWidth = (width * c + height * s) * textZoom;
    const double boxHeight = (width * s + height * c) * textZoom;
    double stepX = 0.0;
    double stepY = 0.0;
    canvas.projection().screenStep(m_horizontal && !m_depthAxis ? 1.0 : 0.0, m_horizontal || m_depthAxis ? 0.0 : 1.0,
                                   m_depthAxis ? 1.0 : 0.0, stepX, stepY);
    // Seen edge-on the axis has no length on the screen: a label takes all of it.
    const double limit = PlotEngine::MaxAxisPixel;
    const auto along = [&](double box, double step) {
        return std::fabs(step) * limit > box ? box / std::fabs(step) : limit;
    };
    return int(std::ceil(std::min(along(boxWidth, stepX), along(boxHeight, stepY))));
}

double TChartAxis::drawIncrementForSize(int size) const
{
    const double r = CalcIncrementForLabelSize(size);
    if (!m_labelsAlternate)
        return r;
    return m_logarithmic ? r / m_logarithmicBase : r * 0.5;
}

bool TChartAxis::drawsValueLoop() const
{
    return m_items->IsEmpty() && !usesLogLoop() && !(m_host && m_host->OnGetNextAxisLabel())
           && GetLabelStyle() == talValue;
}

double TChartAxis::CalcDrawIncrement() const
{
    const double minimum = m_scale.workMinimum;
    const double maximum = m_scale.workMaximum;
    int size = std::max(LabelSizeOfValue(minimum), LabelSizeOfValue(maximum));
    if (m_increment != 0.0)
        size = std::max({size, LabelSizeOfValue(minimum + m_increment), LabelSizeOfValue(maximum - m_increment)});
    else
        size = std::max(size, LabelSizeOfValue((maximum + minimum) * 0.5));
    double r = drawIncrementForSize(size);
    if (!drawsValueLoop())
        return r;
    // The size is that of the labels the value loop draws with the increment, measured as they
    // are drawn (without the label event, as MaxLabelsWidth measures them).
    const bool eventOff = std::exchange(m_labelEventOff, true);
    const auto widestAt = [&](double increment) {
        int widest = 0;
        const int k = timeStepIndex(increment);
        if (labelsDrawn(increment, k))
            forEachValueLoopLabel(increment, k, [&](double v) { widest = std::max(widest, LabelSizeOfValue(v)); });
        return widest;
    };
    const int widest = widestAt(r);
    if (widest > size) {
        // Labels between the ends can be wider than them ("1,05" against "0,2", "2" and "1,1"):
        // the size grows until the widest label drawn fits. It only grows, so the search ends.
        size = widest;
        for (int pass = 0; pass < kMaxLabelFitPasses; ++pass) {
            r = drawIncrementForSize(size);
            const int wider = widestAt(r);
            if (wider <= size)
                break;
            size = wider;
        }
    } else if (widest > 0 && widest < size) {
        // Ends the loop does not label can be wider than every label it draws (a minimum of
        // 0,0000132 below labels from 0,01 up): the smallest size from the labels up whose
        // increment's labels fit it gives the finer increment; up to the ends' size, whose
        // increment fits already.
        int trial = widest;
        for (int pass = 0; pass < kMaxLabelFitPasses && trial < size; ++pass) {
            const double finer = drawIncrementForSize(trial);
            const int finerWidest = widestAt(finer);
            if (finerWidest == 0)
                break;
            if (finerWidest <= trial) {
                r = finer;
                break;
            }
            trial = finerWidest;
        }
    }
    m_labelEventOff = eventOff;
    return r;
}

namespace {

// Enough for the labels of a few zoom steps; a longer history is dropped at once.
constexpr qsizetype kMaxValueTexts = 512;

} // namespace

QString TChartAxis::FormatLabelValue(double value) const
{
    QString text;
    if (m_labelsDateTime) {
        if (value >= 0.0) {
            const QString format = m_dateTimeFormat.isEmpty()
                                       ? PlotProcs::DateTimeDefaultFormat(m_scale.workRange)
                                       : m_dateTimeFormat;
            text = PlotFormat::FormatDateTime(format, value);
        }
    } else {
        // The texts hold the separators of the locale they were made in.
        const QLocale locale;
        if (m_valueTextsFormat != m_axisValuesFormat || m_valueTextsLocale != locale
            || m_valueTexts.size() >= kMaxValueTexts) {
            m_valueTexts.clear();
            m_valueTextsFormat = m_axisValuesFormat;
            m_valueTextsLocale = locale;
        }
        // By bits, so that -0 keeps a text of its own.
        const quint64 key = std::bit_cast<quint64>(value);
        auto it = m_valueTexts.constFind(key);
        if (it == m_valueTexts.constEnd())
            it = m_valueTexts.insert(key, PlotFormat::FormatFloatNeverZero(m_axisValuesFormat, value));
        text = *it;
    }
    if (m_host && !m_labelEventOff && m_host->OnGetAxisLabel())
        m_host->OnGetAxisLabel()(this, nullptr, -1, text);
    if (m_labelsMultiLine)
        text.replace(u' ', u'\r');
    return text;
}

TAxisLabelStyle TChartAxis::CalcLabelStyle() const
{
    if (!m_host)
        return talNone;
    bool associated = false;
    for (int i = 0; i < m_host->SeriesCount(); ++i) {
        const AxisSeriesView *s = m_host->Series(i);
        if (!s || !s->Active() || !s->AssociatedToAxis(*this))
            continue;
        associated = true;
        if (!s->HasZValues() && s->YMandatory() == m_horizontal && s->HasPointLabels())
            return talText;
    }
    return associated ? talValue : talNone;
}

TAxisLabelStyle TChartAxis::GetLabelStyle() const
{
    return m_labelStyle == talAuto ? CalcLabelStyle() : m_labelStyle;
}
