// The data grid's two-line column headers.
#include "ChartGridHeader.h"

#include "ChartGridModel.h"
#include "GuiCanvas.h"
#include "SeriesUtilities.h"
#include "TChartGrid.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kFirstLineHeight = 20;
constexpr int kSymbolSize = 12;

} // namespace

ChartGridHeader::ChartGridHeader(TChartGrid *grid)
    : QHeaderView(Qt::Horizontal, grid)
    , m_grid(grid)
{
    setObjectName(QStringLiteral("ChartGridHeader"));
    setSectionsClickable(true);
    setHighlightSections(true);
}

int ChartGridHeader::firstLineHeight() const
{
    return std::max(kFirstLineHeight, fontMetrics().height() + 2);
}

QSize ChartGridHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    const bool twoLines = m_grid->Model()->TwoHeaderRows;
    size.setHeight(firstLineHeight() + (twoLines ? m_grid->verticalHeader()->defaultSectionSize() : 0));
    return size;
}

void ChartGridHeader::paintSymbol(QPainter &painter, int logicalIndex, const QRect &square) const
{
    TChartSeries *series = m_grid->Model()->headerSeries(logicalIndex);
    if (!series)
        return;
    GuiCanvas gui;
    gui.attachPainter(&painter);
    try {
        PaintSeriesLegend(*series, gui, TRect{square.left(), square.top(), square.right() + 1, square.bottom() + 1},
                          m_grid->Chart());
    } catch (const std::exception &) {
        // A series that cannot draw its symbol leaves the square empty; the chart reports the fault.
    }
    gui.dc().flush();
    gui.attachPainter(nullptr);
}

void ChartGridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    const ChartGridModel &model = *m_grid->Model();
    painter->save();
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    option.text.clear();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);

    const QString title = model.headerTitle(logicalIndex);
    const QString name = model.headerName(logicalIndex);
    const int first = firstLineHeight();
    const int textHeight = fontMetrics().height();
    painter->setPen(palette().color(QPalette::ButtonText));
    if (model.headerSeries(logicalIndex)) {
        painter->setClipRect(rect);
        painter->drawText(QRect(rect.left() + 18, rect.top() + 4, rect.width() - 20, textHeight),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title);
        paintSymbol(*painter, logicalIndex, QRect(rect.left() + 4, rect.top() + 4, kSymbolSize, kSymbolSize));
        painter->setClipRect(rect);
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(QRect(rect.left() + 2, rect.top() + first, rect.width() - 4, rect.height() - first),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    } else {
        // The number, colour and label columns have one caption, on the first line.
        painter->setClipRect(rect);
        painter->drawText(QRect(rect.left() + 2, rect.top() + 4, rect.width() - 4, textHeight),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    }
    painter->restore();
}

void ChartGridHeader::mousePressEvent(QMouseEvent *event)
{
    // While a cell is edited the header keeps the selection.
    if (m_grid->Editing()) {
        event->accept();
        return;
    }
    QHeaderView::mousePressEvent(event);
    if (m_grid->OnMoved)
        m_grid->OnMoved();
}
