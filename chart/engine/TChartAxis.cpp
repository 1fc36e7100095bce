// Chart axis: construction, published properties and their checks, assignment.
#include "TChartAxis.h"

#include "AxisHost.h"
#include "PlotExceptions.h"
#include "TAxisGridPen.h"
#include "TChartAxisPen.h"

#include "PlotConst.h"
#include "TChartPen.h"
#include "TPlotFont.h"

#include <cmath>

namespace {

[[noreturn]] void raise(PlotConst::Message id)
{
    // Read when raising, so a language unit's text takes effect.
    throw AxisException(PlotConst::message(id));
}

// A range of no finite width (1e308 down to -1e308, or an infinite end) has no pixel scale: the
// axis would lose its labels and grid and every series on it would vanish.
void checkFiniteWidth(double minimum, double maximum)
{
    if (!std::isfinite(maximum - minimum))
        raise(PlotConst::msgAxisRangeNotFinite);
}

} // namespace

TChartAxis::TChartAxis(AxisHost *host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_axisPen(new TChartAxisPen(this))
    , m_grid(new TAxisGridPen(this))
    , m_ticks(new TDarkGrayPen(this))
    , m_ticksInner(new TDarkGrayPen(this))
    , m_minorTicks(new TDarkGrayPen(this))
    , m_minorGrid(new TChartHiddenPen(this))
    , m_axisValuesFormat(PlotConst::message(PlotConst::msgDefValueFormat))
    , m_title(new TChartAxisTitle(host, this))
    , m_items(new TAxisItems(host, this))
{
    for (TPen *pen : {static_cast<TPen *>(m_axisPen), static_cast<TPen *>(m_grid), static_cast<TPen *>(m_ticks),
                      static_cast<TPen *>(m_ticksInner), static_cast<TPen *>(m_minorTicks),
                      static_cast<TPen *>(m_minorGrid)})
        connect(pen, &TPen::changed, this, &TChartAxis::Repaint);
    BindAxisPosFunctions();
}

TChartAxis::~TChartAxis() = default;

void TChartAxis::Repaint()
{
    if (m_host)
        m_host->Invalidate();
}

void TChartAxis::SetAutomatic(bool value)
{
    m_automatic = value;
    if (!m_host || !m_host->IsLoading()) {
        m_automaticMinimum = value;
        m_automaticMaximum = value;
    }
    Repaint();
}

void TChartAxis::SetAutomaticMaximum(bool value)
{
    setAndRepaint(m_automaticMaximum, value);
}

void TChartAxis::SetAutomaticMinimum(bool value)
{
    setAndRepaint(m_automaticMinimum, value);
}

void TChartAxis::SetMaximum(double value)
{
    if (!(m_host && m_host->IsLoading())) {
        if (value < m_minimum)
            raise(PlotConst::msgAxisMaxMin);
        checkFiniteWidth(m_minimum, value);
    }
    setAndRepaint(m_maximum, value);
}

void TChartAxis::SetMinimum(double value)
{
    if (!(m_host && m_host->IsLoading())) {
        if (value > m_maximum)
            raise(PlotConst::msgAxisMinMax);
        checkFiniteWidth(value, m_maximum);
    }
    setAndRepaint(m_minimum, value);
}

void TChartAxis::SetIncrement(double value)
{
    if (value < 0.0)
        raise(PlotConst::msgAxisIncrementNeg);
    setAndRepaint(m_increment, value);
}

void TChartAxis::SetLogarithmic(bool value)
{
    if (value == m_logarithmic)
        return;
    if (value) {
        if (IsDateTime())
            raise(PlotConst::msgAxisLogDateTime);
        // The range is checked as the series give it, before a log scale would replace a minimum <= 0.
        m_logarithmic = true;
        RecalcMinMax();
        if (m_minimum < 0.0 || m_maximum < 0.0) {
            m_logarithmic = false;
            RecalcMinMax();
            raise(PlotConst::msgAxisLogNotPositive);
        }
    }
    m_logarithmic = value;
    BindAxisPosFunctions();
    Repaint();
}

void TChartAxis::SetLogarithmicBase(double value)
{
    if (value <= 0.0 || value == 1.0)
        raise(PlotConst::msgAxisLogBase);
    setAndRepaint(m_logarithmicBase, value);
}

void TChartAxis::SetInverted(bool value)
{
    m_scale.inverted = value;
    setAndRepaint(m_inverted, value);
}

void TChartAxis::SetHorizontal(bool value)
{
    m_horizontal = value;
    BindAxisPosFunctions();
    Repaint();
}

void TChartAxis::SetOtherSide(bool value)
{
    setAndRepaint(m_otherSide, value);
}

void TChartAxis::SetStartPosition(double value)
{
    setAndRepaint(m_startPosition, value);
}

void TChartAxis::SetEndPosition(double value)
{
    setAndRepaint(m_endPosition, value);
}

void TChartAxis::SetPositionPercent(double value)
{
    setAndRepaint(m_positionPercent, value);
}

void TChartAxis::SetPositionUnits(TPlotUnits value)
{
    setAndRepaint(m_positionUnits, value);
}

void TChartAxis::SetMinimumOffset(int value)
{
    setAndRepaint(m_minimumOffset, value);
}

void TChartAxis::SetMaximumOffset(int value)
{
    setAndRepaint(m_maximumOffset, value);
}

void TChartAxis::SetZPosition(double value)
{
    // 0 would put the axis into the front plane, where series hide it.
    setAndRepaint(m_zPosition, value == 0.0 ? 0.01 : value);
}

bool TChartAxis::IsZPositionStored() const
{
    if (m_depthAxis)
        return false;
    return m_otherSide ? m_zPosition != 100.0 : m_zPosition > 0.011;
}

void TChartAxis::SetLabelsSeparation(int value)
{
    if (value < 0)
        raise(PlotConst::msgAxisLabelSep);
    setAndRepaint(m_labelsSeparation, value);
}

void TChartAxis::SetLabelsAlternate(bool value)
{
    setAndRepaint(m_labelsAlternate, value);
}

void TChartAxis::SetAxisValuesFormat(const QString &value)
{
    setAndRepaint(m_axisValuesFormat, value);
}

bool TChartAxis::IsAxisValuesFormatStored() const
{
    return m_axisValuesFormat != PlotConst::message(PlotConst::msgDefValueFormat);
}

void TChartAxis::SetDateTimeFormat(const QString &value)
{
    setAndRepaint(m_dateTimeFormat, value);
}

void TChartAxis::SetExactDateTime(bool value)
{
    setAndRepaint(m_exactDateTime, value);
}

bool TChartAxis::GridCentered() const
{
    return m_grid->Centered();
}

void TChartAxis::SetGridCentered(bool value)
{
    m_grid->SetCentered(value);
}

void TChartAxis::SetLabelsAlign(TAxisLabelAlign value)
{
    setAndRepaint(m_labelsAlign, value);
}

void TChartAxis::SetLabelsAngle(int value)
{
    setAndRepaint(m_labelsAngle, ((value % 360) + 360) % 360);
}

void TChartAxis::SetLabelsExponent(bool value)
{
    setAndRepaint(m_labelsExponent, value);
}

void TChartAxis::SetLabelsMultiLine(bool value)
{
    setAndRepaint(m_labelsMultiLine, value);
}

void TChartAxis::SetLabelsOnAxis(bool value)
{
    setAndRepaint(m_labelsOnAxis, value);
}

void TChartAxis::SetLabelsSize(int value)
{
    setAndRepaint(m_labelsSize, value);
}

void TChartAxis::SetLabelStyle(TAxisLabelStyle value)
{
    setAndRepaint(m_labelStyle, value);
}

void TChartAxis::SetMinorTickCount(int value)
{
    setAndRepaint(m_minorTickCount, value);
}

void TChartAxis::SetMinorTickLength(int value)
{
    setAndRepaint(m_minorTickLength, value);
}

void TChartAxis::SetRoundFirstLabel(bool value)
{
    setAndRepaint(m_roundFirstLabel, value);
}

void TChartAxis::SetTickInnerLength(int value)
{
    setAndRepaint(m_tickInnerLength, value);
}

void TChartAxis::SetTickLength(int value)
{
    setAndRepaint(m_tickLength, value);
}

void TChartAxis::SetTickOnLabelsOnly(bool value)
{
    setAndRepaint(m_tickOnLabelsOnly, value);
}

void TChartAxis::SetTitleSize(int value)
{
    setAndRepaint(m_titleSize, value);
}

void TChartAxis::SetVisible(bool value)
{
    setAndRepaint(m_visible, value);
}

void TChartAxis::Assign(const TChartAxis &source)
{
    // Fields, not setters: the setters' checks depend on the order the values arrive in.
    m_automatic = source.m_automatic;
    m_automaticMaximum = source.m_automaticMaximum;
    m_automaticMinimum = source.m_automaticMinimum;
    m_maximum = source.m_maximum;
    m_minimum = source.m_minimum;
    m_increment = source.m_increment;
    m_logarithmic = source.m_logarithmic;
    m_logarithmicBase = source.m_logarithmicBase;
    m_inverted = source.m_inverted;
    m_horizontal = source.m_horizontal;
    m_otherSide = source.m_otherSide;
    m_startPosition = source.m_startPosition;
    m_endPosition = source.m_endPosition;
    m_positionPercent = source.m_positionPercent;
    m_positionUnits = source.m_positionUnits;
    m_minimumOffset = source.m_minimumOffset;
    m_maximumOffset = source.m_maximumOffset;
    m_zPosition = source.m_zPosition;
    m_labelsSeparation = source.m_labelsSeparation;
    m_labelsAlternate = source.m_labelsAlternate;
    m_axisValuesFormat = source.m_axisValuesFormat;
    m_dateTimeFormat = source.m_dateTimeFormat;
    m_exactDateTime = source.m_exactDateTime;
    m_labelsAlign = source.m_labelsAlign;
    m_labelsAngle = source.m_labelsAngle;
    m_labelsExponent = source.m_labelsExponent;
    m_labelsMultiLine = source.m_labelsMultiLine;
    m_labelsOnAxis = source.m_labelsOnAxis;
    m_labelsSize = source.m_labelsSize;
    m_labelStyle = source.m_labelStyle;
    m_minorTickCount = source.m_minorTickCount;
    m_minorTickLength = source.m_minorTickLength;
    m_roundFirstLabel = source.m_roundFirstLabel;
    m_tickInnerLength = source.m_tickInnerLength;
    m_tickLength = source.m_tickLength;
    m_tickOnLabelsOnly = source.m_tickOnLabelsOnly;
    m_titleSize = source.m_titleSize;
    m_visible = source.m_visible;
    m_title->Assign(*source.m_title);
    m_items->CopyFrom(*source.m_items);
    m_axisPen->Assign(*source.m_axisPen);
    m_grid->Assign(*source.m_grid);
    m_ticks->Assign(*source.m_ticks);
    m_ticksInner->Assign(*source.m_ticksInner);
    m_minorTicks->Assign(*source.m_minorTicks);
    m_minorGrid->Assign(*source.m_minorGrid);
    m_scale.inverted = m_inverted;
    BindAxisPosFunctions();
    Repaint();
}
