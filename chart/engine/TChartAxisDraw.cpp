// Chart axis: the room it takes, its line, ticks, grid and minor marks, and hit testing.
#include "TChartAxis.h"

#include "AxisHost.h"
#include "PlotEngine.h"

#include "PlotProcs.h"
#include "PlotRound.h"
#include "TCanvas3D.h"
#include "TPlotFont.h"

#include <algorithm>
#include <cmath>
#include <set>

int TChartAxis::outward(int position, int distance) const
{
    // Left of a vertical axis, below a horizontal one; the other side mirrors it.
    const bool negative = m_horizontal ? m_otherSide : !m_otherSide;
    // Summed wide and held to the pixel clamp: a tick length or gap read from a file may be huge.
    const qint64 moved = negative ? qint64(position) - distance : qint64(position) + distance;
    return PlotEngine::ClampPixel(moved);
}

int TChartAxis::positionOffset() const
{
    if (m_positionPercent == 0.0)
        return 0;
    const TRect r = m_host ? m_host->ChartRect() : TRect{};
    const double side = m_horizontal ? r.height() : r.width();
    const double exact = m_positionUnits == muPixels ? m_positionPercent : 0.01 * m_positionPercent * side;
    // Far off the chart the line stays within the pixel clamp, where sums and negation cannot overflow.
    int offset = plotRound(std::clamp(exact, double(-PlotEngine::MaxAxisPixel), double(PlotEngine::MaxAxisPixel)));
    if (m_otherSide)
        offset = -offset;
    if (m_horizontal)
        offset = -offset;
    return offset;
}

int TChartAxis::ticksSize() const
{
    int size = (m_axisPen->Visible() ? m_axisPen->Width() + 1 : 0) + (m_ticks->Visible() ? m_tickLength : 0);
    if (m_minorTicks->Visible())
        size = std::max(size, m_minorTickLength);
    return size;
}

int TChartAxis::labelsSizeAcross() const
{
    if (m_labelsSize != 0)
        return m_labelsSize;
    TCanvas3D *canvas = m_host ? m_host->Canvas() : nullptr;
    if (!canvas)
        return 0;
    canvas->AssignFont(LabelsFont());
    // Labels running along the axis take one text height; across it, the widest label.
    return labelsRunAcrossAxis() ? MaxLabelsWidth() : canvas->FontHeight();
}

int TChartAxis::titleSizeAcross() const
{
    if (m_titleSize != 0)
        return m_titleSize;
    TCanvas3D *canvas = m_host ? m_host->Canvas() : nullptr;
    const QString caption = m_title->Caption();
    if (!canvas || !m_title->Visible() || caption.isEmpty())
        return 0;
    canvas->AssignFont(m_title->Font());
    const int angle = m_title->Angle();
    const bool along = m_horizontal ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
    int lines = 0;
    const int width = m_host->MultiLineTextWidth(caption, lines);
    return along ? canvas->FontHeight() * lines : width;
}

void TChartAxis::CalcSpace(TRect &rect, bool insideRect)
{
    m_labelsDateTime = IsDateTime();
    const int ticks = ticksSize();
    int labelsSize = Labels() ? labelsSizeAcross() : 0;
    if (m_labelsAlternate)
        labelsSize *= 2;
    const int titleSize = titleSizeAcross();
    m_layoutLabelsSize = labelsSize;
    if (!insideRect) {
        m_posAxis = CalcPosAxis();
        m_posLabels = outward(m_posAxis, ticks);
        m_posTitle = outward(m_posLabels, labelsSize);
        return;
    }
    // Each band takes its room from the rectangle's side; its position is the edge towards the chart.
    auto shrink = [&](int wanted) {
        // Held to the pixel clamp, so that huge sizes cannot overflow the rectangle's sides.
        const auto held = PlotEngine::ClampPixel;
        const int amount = held(wanted);
        rect = TRect{held(rect.left), held(rect.top), held(rect.right), held(rect.bottom)};
        if (m_depthAxis ? !m_otherSide : (!m_horizontal && !m_otherSide))
            return rect.left += amount;
        if (m_depthAxis || !m_horizontal)
            return rect.right -= amount;
        return m_otherSide ? rect.top += amount : rect.bottom -= amount;
    };
    m_posTitle = shrink(titleSize);
    if (Labels()) {
        if (m_host)
            labelsSize = m_layoutLabelsSize = m_host->AxisLabelsSize(*this, labelsSize);
        m_posLabels = shrink(labelsSize);
    }
    shrink((m_host ? m_host->GetAxisWallSize(*this) : 0) + ticks);
    const int offset = positionOffset();
    m_posTitle += offset;
    m_posLabels += offset;
}

void TChartAxis::drawLine(TCanvas3D &canvas, int position, int from, int to, int z)
{
    if (m_depthAxis)
        canvas.HorizLine3D(from, to, m_host->ChartRect().bottom, position);
    else if (m_horizontal)
        canvas.VertLine3D(position, from, to, z);
    else
        canvas.HorizLine3D(from, to, position, z);
}

void TChartAxis::drawGridLine(TCanvas3D &canvas, int pixel)
{
    const TRect r = m_host->ChartRect();
    const int z = m_host->View3D() ? plotRound(m_host->Width3D() * m_grid->ZPosition() * 0.01) : 0;
    if (m_depthAxis)
        canvas.HorizLine3D(r.left, r.right, r.bottom, pixel);
    else if (m_horizontal)
        canvas.VertLine3D(pixel, r.top, r.bottom, z);
    else
        canvas.HorizLine3D(r.left, r.right, pixel, z);
}

std::vector<int> TChartAxis::minorTickPositions() const
{
    std::vector<int> result;
    // More minor ticks than the axis has pixels would only repeat positions (and a huge count would
    // overflow the spacing arithmetic).
    const int count = std::min(m_minorTickCount, std::abs(m_scale.pixelSize));
    if (count <= 0)
        return result;
    auto keep = [&](int p) {
        if (m_scale.startPixel < p && p < m_scale.endPixel)
            result.push_back(p);
    };
    if (m_logarithmic) {
        // Evenly spaced in value between each labelled value d and d * base, one step beyond each end.
        std::set<double> labelled;
        for (const Tick &t : m_tickMarks)
            labelled.insert(t.value);
        if (labelled.empty() || !(m_logarithmicBase > 1.0))
            return result;
        labelled.insert(*labelled.begin() / m_logarithmicBase);
        labelled.insert(*labelled.rbegin() * m_logarithmicBase);
        std::set<double> values;
        for (const double d : labelled)
            for (int j = 1; j <= count; ++j) {
                const double v = d + (d * m_logarithmicBase - d) * j / (count + 1);
                if (v >= m_scale.workMinimum && v <= m_scale.workMaximum)
                    values.insert(v);
            }
        for (const double v : values)
            keep(ValueToPixel(v));
        return result;
    }
    const std::size_t n = m_tickMarks.size();
    if (n < 2)
        return result;
    auto interval = [&](double from, double to, int first, int last) {
        for (int j = first; j <= last; ++j)
            keep(plotRound(from + (to - from) * j / (count + 1)));
    };
    for (std::size_t i = 0; i + 1 < n; ++i)
        interval(m_tickMarks[i].pixel, m_tickMarks[i + 1].pixel, 1, count);
    // As many before the first and after the last tick, at the neighbouring spacing.
    interval(m_tickMarks[0].pixel, m_tickMarks[1].pixel, -count, -1);
    interval(m_tickMarks[n - 2].pixel, m_tickMarks[n - 1].pixel, count + 2, 2 * count + 1);
    return result;
}

void TChartAxis::DrawAxisLines()
{
    TCanvas3D *canvas = m_host ? m_host->Canvas() : nullptr;
    if (!canvas)
        return;
    // Lines on whole pixels: smoothing would only spread them over two half-tone rows.
    const AliasedLinesScope aliased(*canvas, true);
    const int z = m_depthPixel;
    if (m_axisPen->Visible()) {
        canvas->AssignVisiblePen(*m_axisPen);
        const TRect r = m_host->ChartRect();
        const int width = m_axisPen->Width();
        const int from = m_posAxis - width / 2;
        if (m_axisPen->LineMode() == lmLine) {
            if (m_depthAxis)
                canvas->ZLine3D(m_posAxis, r.bottom, m_scale.startPixel, m_scale.endPixel);
            else if (m_horizontal)
                canvas->HorizLine3D(m_scale.startPixel, m_scale.endPixel, m_posAxis, z);
            else
                canvas->VertLine3D(m_posAxis, m_scale.startPixel, m_scale.endPixel, z);
        } else {
            // A solid as thick as the pen, across the axis and in depth, in the pen's colour.
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(m_axisPen->Color());
            const int z0 = z - width / 2;
            const bool cylinder = m_axisPen->LineMode() == lmCylinder && !m_depthAxis;
            if (m_depthAxis)
                canvas->Cube(from, from + width, r.bottom - width / 2, r.bottom - width / 2 + width,
                             m_scale.startPixel, m_scale.endPixel, true);
            else if (m_horizontal && cylinder)
                canvas->Cylinder(false, m_scale.startPixel, from, m_scale.endPixel, from + width, z0, z0 + width, true);
            else if (m_horizontal)
                canvas->Cube(m_scale.startPixel, m_scale.endPixel, from, from + width, z0, z0 + width, true);
            else if (cylinder)
                canvas->Cylinder(true, from, m_scale.startPixel, from + width, m_scale.endPixel, z0, z0 + width, true);
            else
                canvas->Cube(from, from + width, m_scale.startPixel, m_scale.endPixel, z0, z0 + width, true);
        }
    }
    if (m_ticks->Visible()) {
        canvas->AssignVisiblePen(*m_ticks);
        for (const Tick &t : m_tickMarks)
            drawLine(*canvas, t.pixel, m_posAxis, outward(m_posAxis, m_tickLength), z);
    }
    if (m_gridCallback)
        m_gridCallback(*this);
    if (m_grid->Visible()) {
        canvas->AssignVisiblePenColor(*m_grid, m_grid->Color() == clDefault ? clGray : m_grid->Color());
        std::vector<int> lines = TickPositions();
        if (m_grid->Centered()) {
            std::vector<int> mids;
            for (std::size_t i = 0; i + 1 < lines.size(); ++i)
                mids.push_back(plotRound((double(lines[i]) + lines[i + 1]) * 0.5));
            lines = mids;
        }
        for (const int p : lines)
            if (m_scale.startPixel < p && p < m_scale.endPixel)
                drawGridLine(*canvas, p);
    }
    if (m_ticksInner->Visible()) {
        canvas->AssignVisiblePen(*m_ticksInner);
        for (const Tick &t : m_tickMarks)
            drawLine(*canvas, t.pixel, m_posAxis, outward(m_posAxis, -m_tickInnerLength), z);
    }
    const bool minorTicks = m_minorTicks->Visible();
    const bool minorGrid = m_minorGrid->Visible();
    if (!minorTicks && !minorGrid)
        return;
    const std::vector<int> minor = minorTickPositions();
    if (minorTicks) {
        canvas->AssignVisiblePen(*m_minorTicks);
        for (const int p : minor)
            drawLine(*canvas, p, m_posAxis, outward(m_posAxis, m_minorTickLength), z);
    }
    if (minorGrid) {
        canvas->AssignVisiblePen(*m_minorGrid);
        for (const int p : minor)
            drawGridLine(*canvas, p);
    }
}

bool TChartAxis::Clicked(int x, int y) const
{
    if (!m_shown || !m_visible || !m_host)
        return false;
    // From the labels' outer edge to 3 pixels inside the line.
    const int across0 = outward(m_posLabels, m_layoutLabelsSize);
    const int across1 = outward(m_posAxis, -3);
    const int lowAcross = std::min(across0, across1);
    const int highAcross = std::max(across0, across1);
    TRect band = m_horizontal ? TRect{m_scale.startPixel, lowAcross, m_scale.endPixel, highAcross}
                              : TRect{lowAcross, m_scale.startPixel, highAcross, m_scale.endPixel};
    TCanvas3D *canvas = m_host->Canvas();
    if (m_host->View3D() && canvas) {
        const int z = m_otherSide ? m_host->Width3D() : 0;
        const TFourPoints corners = canvas->FourPointsFromRect(band, z);
        return PlotProcs::PointInPolygon({x, y}, corners.data(), 3);
    }
    return x >= band.left && x <= band.right && y >= band.top && y <= band.bottom;
}
