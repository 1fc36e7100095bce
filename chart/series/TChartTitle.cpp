// Title blocks: layout in text metrics, the box, the lines, and the room taken from the chart.
#include "TChartTitle.h"

#include "TCustomChart.h"

#include "PlotProcs.h"
#include "TCanvas3D.h"

#include <algorithm>
#include <cstdint>

TChartTitle::TChartTitle(TCustomChart *chart)
    : TPlotCustomShapePosition(chart, chart)
    , m_chart(chart)
{
    setDefaultTransparent(true);
    Font()->setDefaultColorAndStyle(clBlue, {});
}

TChartFootTitle::TChartFootTitle(TCustomChart *chart)
    : TChartTitle(chart)
{
    setTop(false);
    Font()->setDefaultColorAndStyle(clRed, fsItalic);
}

void TChartTitle::SetAdjustFrame(bool value)
{
    setShapeProperty(m_adjustFrame, value);
}

void TChartTitle::SetAlignment(TAlignment value)
{
    setShapeProperty(m_alignment, value);
}

void TChartTitle::SetText(const QStringList &value)
{
    if (value == m_text)
        return;
    m_text = value;
    Repaint();
}

bool TChartTitle::Clicked(int x, int y) const
{
    return Visible() && x >= m_titleRect.left && x <= m_titleRect.right && y >= m_titleRect.top
           && y <= m_titleRect.bottom;
}

void TChartTitle::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *title = qobject_cast<const TChartTitle *>(&source); title && title != this) {
        m_adjustFrame = title->m_adjustFrame;
        m_alignment = title->m_alignment;
        m_text = title->m_text;
    }
    TPlotCustomShapePosition::Assign(source);
}

int TChartTitle::frameWidth() const
{
    if (Bevel() != bvNone)
        return BevelWidth();
    return Pen()->Visible() && Pen()->Color() != clPlotColor ? Pen()->Width() : 0;
}

void TChartTitle::DrawTitle()
{
    if (!Visible() || m_text.isEmpty() || !m_chart)
        return;
    TCanvas3D &canvas = *m_chart->Canvas();
    const int frame = frameWidth();
    const bool custom = CustomPosition();
    TRect r = custom ? ShapeBounds() : m_chart->ChartRect;
    if (!custom && m_top)
        r.top += frame;
    canvas.AssignFont(Font());
    const int lineHeight = canvas.FontHeight();
    const int lines = int(m_text.size());
    if (m_top || custom)
        r.bottom = r.top + lines * lineHeight;
    else
        r.top = r.bottom - lines * lineHeight;
    if (!custom)
        r = {r.left - frame, r.top - frame, r.right + frame, r.bottom + frame};
    if (m_adjustFrame) {
        int widest = 0;
        for (const QString &line : m_text)
            widest = std::max(widest, canvas.TextWidth(line));
        const int width = widest + canvas.TextWidth(QStringLiteral("W")) + frame;
        switch (m_alignment) {
        case taLeftJustify:
            r.right = r.left + width;
            break;
        case taRightJustify:
            r.left = r.right - width;
            break;
        case taCenter: {
            if (custom)
                r.right = r.left + width;
            const int centre = (r.left + r.right) / 2;
            r.left = centre - width / 2;
            r.right = centre + width / 2;
            break;
        }
        }
    }
    m_titleRect = r;
    SetShapeBounds(r);
    Draw();
    drawText(r, frame, lineHeight);
    if (custom || m_chart->CustomChartRect)
        return;
    int gap = 5 + frame;
    if (!Transparent())
        gap += Shadow()->Size();
    // The gap gives way before the plot does.
    TRect &plot = m_chart->ChartRect;
    const int bounds = m_chart->ChartBounds.height();
    const auto fitted = [&](std::int64_t free) {
        return int(std::clamp<std::int64_t>(free - TCustomPlotPanel::MinPlotExtent(bounds), 0, gap));
    };
    if (m_top)
        plot.top = r.bottom + fitted(std::int64_t(plot.bottom) - r.bottom);
    else
        plot.bottom = r.top - fitted(std::int64_t(r.top) - plot.top);
    m_chart->CalcChartDimensions();
}

void TChartTitle::drawText(const TRect &r, int frame, int lineHeight)
{
    TCanvas3D &canvas = *m_chart->Canvas();
    canvas.AssignFont(Font()); // drawing the box may have changed the canvas font
    canvas.SetBackMode(cbmTransparent);
    canvas.SetTextAlign(0);
    const int halfW = canvas.TextWidth(QStringLiteral("W")) / 2;
    if (TextFormat() == ttfHtml) {
        canvas.TextOutFormat(r.left + halfW, m_top ? r.top + frame : r.bottom - frame - int(m_text.size()) * lineHeight,
                             m_text.join(QLatin1Char('\r')), true);
        return;
    }
    for (int i = 0; i < int(m_text.size()); ++i) {
        const QString &line = m_text[i];
        const int y = m_top ? r.top + frame + i * lineHeight : r.bottom - frame - (i + 1) * lineHeight;
        int x = 0;
        switch (m_alignment) {
        case taLeftJustify:
            x = r.left + halfW;
            break;
        case taRightJustify:
            x = r.right - canvas.TextWidth(line) - halfW;
            break;
        case taCenter:
            x = (r.left + r.right) / 2 - canvas.TextWidth(line) / 2;
            break;
        }
        canvas.TextOut(x, y, line);
    }
}
