// Chart legend: properties, item texts, layout on each side, drawing, room taken from the plot
// and the hit test.
#include "TCustomChartLegend.h"

#include "LegendCheckBox.h"
#include "TChartLegendGradient.h"
#include "TCustomChart.h"
#include "TLegendSymbol.h"

#include "PlotConst.h"
#include "PlotExceptions.h"
#include "PlotHtml.h"
#include "PlotProcs.h"
#include "PlotRound.h"
#include "SeriesUnit.h"
#include "TCanvas3D.h"

#include <QScopeGuard>

#include <algorithm>
#include <cstdint>

namespace {

constexpr QChar kColumnSeparator(6);
// Check boxes are 13 pixels; the items start 15 pixels after the box's column.
constexpr int kCheckBoxSize = 13;
constexpr int kCheckBoxIndent = 4;
// Far beyond any canvas; keeps the item steps' sums within int.
constexpr qint64 kMaxItemHeightPx = 1 << 20;

} // namespace

TCustomChartLegend::TCustomChartLegend(TCustomChart *chart)
    : TPlotCustomShapePosition(chart, chart)
    , m_chart(chart)
    , m_dividingLines(std::make_unique<TChartHiddenPen>(this))
    , m_symbol(std::make_unique<TLegendSymbol>(this, [this] { return m_itemHeight; }))
    , m_title(std::make_unique<TLegendTitle>(chart, this))
{
    connect(m_dividingLines.get(), &TPen::changed, this, &TCustomChartLegend::Repaint);
    connect(m_symbol.get(), &TLegendSymbol::changed, this, &TCustomChartLegend::Repaint);
}

TCustomChartLegend::~TCustomChartLegend() = default;

void TCustomChartLegend::gradientCreated(TPlotGradient *gradient)
{
    TChartLegendGradient::applyDefaults(*gradient);
}

// Properties.

void TCustomChartLegend::SetCheckBoxesStyle(TCheckBoxesStyle value)
{
    if (value == m_checkBoxesStyle)
        return;
    m_checkBoxesStyle = value;
    if (value == cbsRadio && m_chart) {
        // Only the first active series of the legend stays active.
        bool kept = false;
        for (TChartSeries *series : m_chart->SeriesList()) {
            if (!series->ShowInLegend() || !series->Active())
                continue;
            if (kept)
                series->SetActive(false);
            kept = true;
        }
    }
    Repaint();
}

void TCustomChartLegend::SetDividingLines(const TChartPen *value)
{
    if (value)
        m_dividingLines->Assign(*value);
}

void TCustomChartLegend::SetFirstValue(int value)
{
    if (value < 0)
        throw LegendException(PlotConst::message(PlotConst::msgLegendFirstValue));
    setShapeProperty(m_firstValue, value);
}

void TCustomChartLegend::SetSymbol(const TLegendSymbol *value)
{
    if (value)
        m_symbol->Assign(*value);
}

void TCustomChartLegend::SetTitle(const TLegendTitle *value)
{
    if (value)
        m_title->Assign(*value);
}

void TCustomChartLegend::SetSeries(TChartSeries *value)
{
    if (value == m_series)
        return;
    m_series = value;
    Repaint();
}

void TCustomChartLegend::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *legend = qobject_cast<const TCustomChartLegend *>(&source); legend && legend != this) {
        m_alignment = legend->m_alignment;
        m_checkBoxes = legend->m_checkBoxes;
        m_checkBoxesStyle = legend->m_checkBoxesStyle;
        m_currentPage = legend->m_currentPage;
        m_dividingLines->Assign(*legend->m_dividingLines);
        m_firstValue = legend->m_firstValue;
        m_fontSeriesColor = legend->m_fontSeriesColor;
        m_horizMargin = legend->m_horizMargin;
        m_vertMargin = legend->m_vertMargin;
        m_inverted = legend->m_inverted;
        m_leftPercent = legend->m_leftPercent;
        m_topPercent = legend->m_topPercent;
        m_legendStyle = legend->m_legendStyle;
        m_maxNumRows = legend->m_maxNumRows;
        m_positionUnits = legend->m_positionUnits;
        m_resizeChart = legend->m_resizeChart;
        m_symbol->Assign(*legend->m_symbol);
        m_textStyle = legend->m_textStyle;
        m_title->Assign(*legend->m_title);
        m_topPos = legend->m_topPos;
        m_vertSpacing = legend->m_vertSpacing;
    }
    TPlotCustomShapePosition::Assign(source);
}

// Items.

TChartSeries *TCustomChartLegend::LegendSeries() const
{
    if (m_series)
        return m_series;
    return m_chart ? m_chart->SeriesLegend(0, true) : nullptr;
}

TLegendStyle TCustomChartLegend::ResolvedStyle() const
{
    if (m_legendStyle != lsAuto)
        return m_legendStyle;
    const bool fewSeries = !m_chart || !m_chart->SeriesLegend(1, true);
    return !m_checkBoxes && fewSeries ? lsValues : lsSeries;
}

TChartSeries *TCustomChartLegend::seriesAt(int index) const
{
    // With check boxes, inactive series stay listed so that they can be switched on again.
    return m_chart ? m_chart->SeriesLegend(index, !m_checkBoxes) : nullptr;
}

int TCustomChartLegend::countItems(TLegendStyle style, int first) const
{
    if (!m_chart)
        return 0;
    int count = 0;
    if (style == lsValues) {
        const TChartSeries *series = LegendSeries();
        count = series ? series->CountLegendItems() : 0;
    } else {
        for (const TChartSeries *series : m_chart->SeriesList())
            if (series->ShowInLegend() && (m_checkBoxes || series->Active()))
                ++count;
    }
    return std::max(0, count - first);
}

bool TCustomChartLegend::HasItems() const
{
    return Visible() && m_chart && countItems(ResolvedStyle(), m_firstValue) > 0;
}

QString TCustomChartLegend::FormatLegendText(int index) const
{
    if (!m_chart)
        return {};
    QString text;
    const TLegendStyle style = ResolvedStyle();
    if (style == lsSeries) {
        if (const TChartSeries *series = seriesAt(index))
            text = PlotEngine::SeriesTitleOrName(*series);
    } else if (style == lsValues) {
        // In this legend's own text style: a pie's other-slice legend is not the chart's.
        if (const TChartSeries *series = LegendSeries())
            text = series->GetLegendText(index, m_textStyle);
        text.replace(QChar(13), QChar(' '));
    } else if (const TChartSeries *series = seriesAt(index); series && series->Count() > 0) {
        text = series->GetLegendText(series->Count() - 1, m_textStyle);
        text.replace(QChar(13), QChar(' '));
    }
    if (m_chart->OnGetLegendText)
        m_chart->OnGetLegendText(*m_chart, style, index, text);
    return text;
}

int TCustomChartLegend::textWidth(const QString &text) const
{
    TCanvas3D &canvas = *m_chart->Canvas();
    if (TextFormat() == ttfHtml)
        return PlotHtml::HtmlTextExtent(canvas, text).width();
    return canvas.TextWidth(text);
}

void TCustomChartLegend::calcTexts()
{
    m_texts.clear();
    m_columnWidths = {0, 0};
    m_columnGap = 0;
    if (m_last < m_first)
        return;
    TCanvas3D &canvas = *m_chart->Canvas();
    m_texts.reserve(std::size_t(m_last - m_first + 1));
    bool second = false;
    for (int index = m_first; index <= m_last; ++index) {
        QString text;
        if (m_items.Custom && index - m_first < m_items.Count())
            text = m_items.Item(index - m_first).Text;
        else
            text = FormatLegendText(index);
        canvas.AssignFont(Font()); // markup may leave its own font behind
        const int at = text.indexOf(kColumnSeparator);
        std::array<QString, 2> columns{text, QString()};
        if (at >= 0) {
            columns = {text.left(at), text.mid(at + 1)};
            second = true;
        }
        for (std::size_t c = 0; c < 2; ++c)
            if (!columns[c].isEmpty())
                m_columnWidths[c] = std::max(m_columnWidths[c], textWidth(columns[c]));
        m_texts.push_back(std::move(columns));
    }
    canvas.AssignFont(Font());
    if (second)
        m_columnGap = canvas.TextWidth(QStringLiteral(" "));
}

// Layout and drawing.

int TCustomChartLegend::frameWidth() const
{
    if (Bevel() != bvNone)
        return BevelWidth();
    return Pen()->Visible() ? Pen()->Width() : 0;
}

int TCustomChartLegend::CalcItemHeight()
{
    TCanvas3D &canvas = *m_chart->Canvas();
    canvas.AssignFont(Font());
    int height = canvas.TextHeight(QStringLiteral("W"));
    if (m_checkBoxes)
        height = std::max(17, height);
    // Summed wide: a spacing or line width set by code must not overflow the item height.
    qint64 total = qint64(height) + m_vertSpacing;
    if (IsVertical() && m_dividingLines->Visible())
        total += m_dividingLines->Width();
    m_itemHeight = int(std::clamp<qint64>(total, -kMaxItemHeightPx, kMaxItemHeightPx));
    return m_itemHeight;
}

void TCustomChartLegend::DrawLegend()
{
    m_shown = false;
    m_columns = 0;
    m_rows = 0;
    m_last = -1;
    if (!m_chart || !Visible())
        return;
    TCustomChart &chart = *m_chart;
    TCanvas3D &canvas = *chart.Canvas();
    m_style = ResolvedStyle();
    const int frame = frameWidth();
    const bool custom = CustomPosition();
    const int chartWidth = chart.ChartBounds.right - chart.ChartBounds.left;
    const int chartHeight = chart.ChartBounds.bottom - chart.ChartBounds.top;
    TRect r = ShapeBounds();
    if (custom && m_positionUnits == muPercent) {
        const int width = r.right - r.left;
        const int height = r.bottom - r.top;
        r.left = plotRound(m_leftPercent * chartWidth * 0.01);
        r.top = plotRound(m_topPercent * chartHeight * 0.01);
        r.right = r.left + width;
        r.bottom = r.top + height;
    }

    // The first item and the count; a paged value legend lists the current page.
    m_first = m_firstValue;
    if (chart.MaxPointsPerPage() > 0)
        m_first = m_style == lsValues && m_currentPage ? (chart.Page() - 1) * chart.MaxPointsPerPage() : 0;
    int count = countItems(m_style, m_first);
    if (chart.MaxPointsPerPage() > 0 && m_style == lsValues && m_currentPage)
        count = std::min(count, chart.MaxPointsPerPage());
    m_totalItems = count;
    CalcItemHeight();
    m_titleShown = m_title->Visible() && !m_title->Text().isEmpty();
    int titleHeight = 0;
    int titleWidth = 0;
    if (m_titleShown) {
        titleHeight = m_title->TotalHeight(canvas);
        titleWidth = m_title->TotalWidth(canvas);
    }
    const int titleExtra = m_titleShown ? titleHeight + 2 + (m_title->Transparent() ? 0 : m_title->Shadow()->Size()) : 0;
    canvas.AssignFont(Font());

    const int shadow = chart.Shadow()->Size();
    if (!IsVertical()) {
        // No item is narrower than 8 pixels, so no more than this many can be shown: the texts
        // of a long value list are not all built.
        const int most = std::max(0, (chartWidth - 2 * frame - 8) / 8) * std::max(0, m_maxNumRows);
        m_last = m_first + std::min(count, most) - 1;
        calcTexts();
        const int textWidth = m_columnWidths[0] + m_columnGap + m_columnWidths[1];
        m_symbolWidth = m_symbol->CalcWidth(textWidth);
        if (!custom) {
            if (m_alignment == laBottom)
                r.bottom = chart.ChartRect.bottom - (shadow + frame + 1);
            else
                r.top = chart.ChartRect.top + frame + 1;
        }
        const int w = m_symbolWidth + textWidth + 8 + (m_checkBoxes ? 27 : 0);
        if (w > 0 && chart.ChartRect.right > 8)
            m_columns = std::clamp((chartWidth - 2 * frame - 8) / w, 0, count);
        if (m_columns > 0) {
            m_rows = std::min(count / m_columns + (count % m_columns ? 1 : 0), m_maxNumRows);
            m_rows = std::max(m_rows, 0);
        }
        m_last = m_first + std::min(count, m_columns * m_rows) - 1;
        if (m_last >= m_first)
            m_texts.resize(std::size_t(m_last - m_first + 1));
    } else {
        if (!custom)
            r.top = chart.ChartBounds.top + plotRound(m_topPos * chartHeight * 0.01);
        m_columns = 1;
        const int y0 = r.top + titleExtra;
        if (m_itemHeight > 0 && y0 < chart.ChartRect.bottom)
            m_rows = std::clamp((chart.ChartRect.bottom - y0 - 2 * frame) / m_itemHeight, 0, count);
        m_last = m_first + m_rows - 1;
        calcTexts();
        m_symbolWidth = m_symbol->CalcWidth(m_columnWidths[0] + m_columnGap + m_columnWidths[1]);
    }
    if (m_last < m_first) {
        m_columns = 0;
        m_rows = 0;
        return;
    }

    const int s = plotRound(m_itemHeight * 0.1);
    const int height = m_itemHeight * m_rows + 2 + 2 * s + titleExtra;
    if (m_alignment == laBottom && !custom)
        r.top = r.bottom - height;
    else
        r.bottom = r.top + height;

    const int textWidth = m_columnWidths[0] + m_columnGap + m_columnWidths[1];
    int itemLeft = 0;
    int checkBoxX = 0;
    if (!IsVertical()) {
        // Each column also holds the 4 pixels of the item step that follow the text (itemStep).
        int width = (m_columns - 1) * 6 + 4 + (textWidth + m_symbolWidth + 4) * m_columns + 12;
        if (m_checkBoxes) {
            width += m_columns * kCheckBoxSize + 4 + 4;
            // Check-box columns step 2 pixels more than the box width counts for each: from six
            // columns on, the last text would stand out of the box.
            const int lastTextEnd = kCheckBoxIndent + 15 + (m_columns - 1) * itemStep() + 6 + m_symbolWidth + 4 + textWidth;
            width = std::max(width, lastTextEnd + 6);
        }
        width = std::max(width, titleWidth);
        const int half = std::min(chartWidth, width) / 2;
        if (!custom)
            r.left = chart.ChartXCenter - half + plotRound(m_topPos * (chartWidth - 2 * half) * 0.01);
        r.right = r.left + 2 * half;
        itemLeft = r.left;
        if (m_checkBoxes) {
            checkBoxX = r.left + kCheckBoxIndent;
            itemLeft = checkBoxX + 15;
        }
    } else {
        const int width = std::max(m_symbolWidth + textWidth + 16, titleWidth);
        const int extra = m_checkBoxes ? 15 : 0;
        if (m_alignment == laRight && !custom) {
            r.right = chart.ChartRect.right - (shadow + frame + 1);
            r.left = r.right - width - extra;
        } else {
            if (!custom)
                r.left = chart.ChartRect.left + frame + 1;
            r.right = r.left + width + extra;
        }
        itemLeft = r.left;
        if (m_checkBoxes) {
            checkBoxX = r.left + kCheckBoxIndent;
            itemLeft = checkBoxX + 11;
        }
    }
    if (chart.OnGetLegendRect)
        chart.OnGetLegendRect(chart, r);
    m_rect = r;
    SetShapeBounds(r);
    m_shown = true;

    Draw();
    m_firstItemTop = r.top + 1 + s + titleExtra;
    if (m_titleShown)
        m_title->DrawTitle(canvas, {r.left + 2, r.top + 2, r.right - 2, r.top + 2 + titleHeight});
    drawItems(itemLeft, checkBoxX);
    if (m_resizeChart && !custom && !chart.CustomChartRect)
        resizeChart();
}

int TCustomChartLegend::itemStep() const
{
    // The text starts 6 + symbol + 4 into its item: a step of symbol + text + 6 ran the widest text
    // 4 pixels into the next item ("Methanol— Aceton"). A check box stands 15 pixels before its
    // item and keeps the same 6 pixels from the text before it ("61,086☑").
    constexpr int checkBoxRoom = 15 + 6;
    return m_symbolWidth + m_columnWidths[0] + m_columnGap + m_columnWidths[1] + 10 + (m_checkBoxes ? checkBoxRoom : 0);
}

void TCustomChartLegend::drawItems(int itemLeft, int checkBoxX)
{
    const int step = itemStep();
    for (int index = m_first; index <= m_last; ++index) {
        const int position = m_inverted ? m_last - index : index - m_first;
        int row = position;
        int column = 0;
        if (!IsVertical()) {
            row = position / m_columns;
            column = position % m_columns;
        }
        int x = itemLeft + column * step;
        int y = m_firstItemTop + row * m_itemHeight + m_vertSpacing / 2;
        if (m_items.Custom && position < m_items.Count()) {
            x = m_items.Item(position).Left;
            y = m_items.Item(position).Top;
        }
        if (m_chart->OnGetLegendPos)
            m_chart->OnGetLegendPos(*m_chart, index, x, y);
        drawItem(index, position, x, y, checkBoxX + column * step);
    }
}

void TCustomChartLegend::drawItem(int index, int position, int x, int y, int checkBoxX)
{
    TCanvas3D &canvas = *m_chart->Canvas();
    const bool seriesStyle = m_style != lsValues;
    TChartSeries *series = seriesStyle ? seriesAt(index) : LegendSeries();
    const std::array<QString, 2> &texts = m_texts[std::size_t(index - m_first)];
    const int textWidth = m_columnWidths[0] + m_columnGap + m_columnWidths[1];
    const int symbolX = m_symbol->Position() == spLeft ? x + 6 : x + 6 + textWidth + 4;
    const int textX = m_symbol->Position() == spLeft ? symbolX + m_symbolWidth + 4 : x + 6;

    // Dividing line between this item and the one before it.
    if (m_dividingLines->Visible() && position > 0) {
        canvas.AssignVisiblePen(*m_dividingLines);
        if (IsVertical()) {
            const int lineY = y - m_vertSpacing / 2;
            canvas.HorizLine(m_rect.left, m_rect.right, lineY);
        } else if (position % m_columns) {
            canvas.VertLine(x - 3, y, y + m_itemHeight);
        }
    }

    // Text columns.
    canvas.AssignFont(Font());
    if (m_fontSeriesColor && series) {
        const TColor color = seriesStyle ? series->Color() : series->LegendItemColor(index);
        canvas.Font()->SetColor(color);
    }
    canvas.SetBackMode(cbmTransparent);
    canvas.SetTextAlign(TA_LEFT);
    const bool rightFirst = !seriesStyle
                            && (m_textStyle == ltsLeftValue || m_textStyle == ltsLeftPercent || m_textStyle == ltsXValue
                                || m_textStyle == ltsValue || m_textStyle == ltsPercent || m_textStyle == ltsXAndValue
                                || m_textStyle == ltsXAndPercent);
    const bool rightSecond = !seriesStyle
                             && (m_textStyle == ltsRightValue || m_textStyle == ltsRightPercent
                                 || m_textStyle == ltsXAndValue || m_textStyle == ltsXAndPercent);
    const int columnLeft[2] = {textX, textX + m_columnWidths[0] + m_columnGap};
    const bool rightAligned[2] = {rightFirst, rightSecond};
    const bool markup = TextFormat() == ttfHtml;
    for (std::size_t c = 0; c < 2; ++c) {
        const QString &text = texts[c];
        if (text.isEmpty())
            continue;
        int tx = columnLeft[c];
        if (rightAligned[c])
            tx += m_columnWidths[c] - this->textWidth(text);
        canvas.TextOutFormat(tx, y, text, markup);
    }

    // Symbol: after a check box for series items.
    TRect symbolRect{symbolX, y + 2, symbolX + m_symbolWidth, y + m_itemHeight + 1 - (m_vertSpacing + 3)};
    if (m_symbol->Continuous()) {
        if (position > 0)
            symbolRect.top = y;
        if (position < m_last - m_first)
            symbolRect.bottom = y + m_itemHeight + 1;
    }
    TLegendItem &item = m_items.Item(position);
    item.Left = x;
    item.Top = y;
    item.Text = texts[1].isEmpty() ? texts[0] : texts[0] + kColumnSeparator + texts[1];
    item.TextWidth = textWidth;
    item.SymbolRect = symbolRect;
    if (!series)
        return;
    if (seriesStyle && m_checkBoxes) {
        const int boxY = y + std::max(0, (m_itemHeight - m_vertSpacing - kCheckBoxSize) / 2);
        PlotProcs::DrawCheckBox(checkBoxX, boxY, canvas, series->Active(), false, m_checkBoxesStyle == cbsCheck);
    }
    if (m_symbolWidth > 0) {
        const int valueIndex = seriesStyle ? -1 : index;
        // Without "Default border" the symbol's own pen frames the symbol.
        const TChartPen *savedPen = std::exchange(m_chart->LegendPen, m_symbol->DefaultPen() ? nullptr : m_symbol->Pen());
        const auto restorePen = qScopeGuard([&] { m_chart->LegendPen = savedPen; });
        series->DrawLegend(valueIndex, symbolRect);
        if (m_symbol->OnDraw)
            m_symbol->OnDraw(*m_symbol, series, valueIndex, symbolRect);
    }
}

void TCustomChartLegend::resizeChart()
{
    TCustomChart &chart = *m_chart;
    const int chartWidth = chart.ChartBounds.right - chart.ChartBounds.left;
    const int chartHeight = chart.ChartBounds.bottom - chart.ChartBounds.top;
    const int horiz = m_horizMargin ? m_horizMargin : plotRound(chartWidth * 3 / 100.0);
    const int vert = m_vertMargin ? m_vertMargin : plotRound(chartHeight * 4 / 100.0);
    // The distance gives way before the plot does: a margin of 1000 put the plot's edge beyond its
    // other one, and the axes and curves vanished.
    const auto fitted = [](int margin, std::int64_t free, int boundsExtent) {
        const std::int64_t most = std::max<std::int64_t>(free - TCustomPlotPanel::MinPlotExtent(boundsExtent), 0);
        return int(std::min<std::int64_t>(margin, most));
    };
    TRect &plot = chart.ChartRect;
    switch (m_alignment) {
    case laLeft:
        plot.left = m_rect.right + fitted(horiz, std::int64_t(plot.right) - m_rect.right, chartWidth);
        break;
    case laRight:
        plot.right = m_rect.left - fitted(horiz, std::int64_t(m_rect.left) - plot.left, chartWidth);
        break;
    case laTop: {
        const int below = m_rect.bottom + chart.Shadow()->Size();
        plot.top = below + fitted(vert, std::int64_t(plot.bottom) - below, chartHeight);
        break;
    }
    case laBottom:
        plot.bottom = m_rect.top - fitted(vert, std::int64_t(m_rect.top) - plot.top, chartHeight);
        break;
    }
    chart.CalcChartDimensions();
}

// Hit test and check boxes.

int TCustomChartLegend::Clicked(int x, int y) const
{
    if (!m_shown || m_columns <= 0 || m_rows <= 0 || m_itemHeight <= 0)
        return -1;
    if (x < m_rect.left || x > m_rect.right || y < m_rect.top || y > m_rect.bottom || y < m_firstItemTop)
        return -1;
    const int row = (y - m_firstItemTop) / m_itemHeight;
    if (row >= m_rows)
        return -1;
    int column = 0;
    if (!IsVertical()) {
        const int columnWidth = (m_rect.right - m_rect.left) / m_columns;
        if (columnWidth <= 0)
            return -1;
        column = std::min((x - m_rect.left) / columnWidth, m_columns - 1);
    }
    const int position = row * m_columns + column;
    if (position > m_last - m_first)
        return -1;
    // The inverse of the drawing order.
    return m_inverted ? m_last - position : m_first + position;
}

bool TCustomChartLegend::DoCheckBox(int index)
{
    return m_chart && DoLegendCheckBox(*m_chart, index, m_checkBoxes, m_checkBoxesStyle == cbsRadio);
}
