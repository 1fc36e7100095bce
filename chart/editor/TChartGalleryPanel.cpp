// The gallery panel's layout, selection and keys.
#include "TChartGalleryPanel.h"

#include "PlotProcs.h"
#include "TGalleryChart.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

TChartGalleryPanel::TChartGalleryPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ChartGalleryPanel"));
    setFocusPolicy(Qt::StrongFocus);
}

TChartGalleryPanel::~TChartGalleryPanel() = default;

void TChartGalleryPanel::SetNumRows(int value)
{
    m_numRows = value;
    layoutCharts();
}

void TChartGalleryPanel::SetNumCols(int value)
{
    m_numCols = value;
    layoutCharts();
}

void TChartGalleryPanel::SetBevelWidth(int value)
{
    m_bevelWidth = value;
    layoutCharts();
}

void TChartGalleryPanel::SetBorderWidth(int value)
{
    m_borderWidth = value;
    layoutCharts();
}

void TChartGalleryPanel::SetView3D(bool value)
{
    m_view3D = value;
    for (const auto &chart : m_charts)
        chart->ApplyView3D(value);
}

int TChartGalleryPanel::CellWidth() const
{
    if (m_numCols < 1 || m_numRows < 1)
        return 0;
    return (width() - m_bevelWidth - m_borderWidth) / m_numCols;
}

int TChartGalleryPanel::CellHeight() const
{
    if (m_numCols < 1 || m_numRows < 1)
        return 0;
    return (height() - m_bevelWidth - m_borderWidth) / m_numRows;
}

QRect TChartGalleryPanel::ChartRect(int index) const
{
    if (m_numCols < 1 || m_numRows < 1)
        return {};
    const int inset = m_bevelWidth + m_borderWidth;
    const int w = std::min(CellWidth(), width() - inset) - 1;
    const int h = std::min(CellHeight(), height() - inset) - 1;
    return {index % m_numCols * CellWidth() + inset, index / m_numCols * CellHeight() + inset, w, h};
}

TGalleryChart *TChartGalleryPanel::AddChart()
{
    auto chart = std::make_unique<TGalleryChart>(this);
    chart->ApplyView3D(m_view3D);
    chart->setCursor(PlotProcs::PlotCursor(PlotProcs::crPlotHand));
    chart->installEventFilter(this);
    chart->setGeometry(ChartRect(int(m_charts.size())));
    chart->show();
    m_charts.push_back(std::move(chart));
    return m_charts.back().get();
}

void TChartGalleryPanel::ClearCharts()
{
    m_selected = nullptr;
    m_charts.clear();
}

int TChartGalleryPanel::SelectedIndex() const
{
    const auto it = std::find_if(m_charts.begin(), m_charts.end(),
                                 [this](const auto &chart) { return chart.get() == m_selected; });
    return it == m_charts.end() ? -1 : int(it - m_charts.begin());
}

void TChartGalleryPanel::SetSelectedChart(TGalleryChart *chart)
{
    m_selected = chart;
    for (const auto &sample : m_charts)
        sample->SetHighlighted(sample.get() == chart, FocusRotation);
    Q_EMIT OnChangeChart();
}

void TChartGalleryPanel::layoutCharts()
{
    for (int i = 0; i < int(m_charts.size()); ++i)
        m_charts[size_t(i)]->setGeometry(ChartRect(i));
}

void TChartGalleryPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutCharts();
}

void TChartGalleryPanel::moveSelection(int columns, int rows)
{
    const int index = SelectedIndex();
    if (index < 0 || m_numCols < 1)
        return;
    const int column = index % m_numCols + columns;
    const int row = index / m_numCols + rows;
    if (column < 0 || column >= m_numCols || row < 0)
        return;
    const int target = row * m_numCols + column;
    if (target >= int(m_charts.size()) || !m_charts[size_t(target)]->isEnabled())
        return;
    SetSelectedChart(m_charts[size_t(target)].get());
}

bool TChartGalleryPanel::event(QEvent *event)
{
    // The arrows and Enter are ours, not the dialog's focus moves and default button.
    if (event->type() == QEvent::ShortcutOverride) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return true;
        default:
            break;
        }
    }
    return QWidget::event(event);
}

void TChartGalleryPanel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveSelection(-1, 0);
        break;
    case Qt::Key_Right:
        moveSelection(1, 0);
        break;
    case Qt::Key_Up:
        moveSelection(0, -1);
        break;
    case Qt::Key_Down:
        moveSelection(0, 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_selected)
            Q_EMIT OnSelectedChart();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

TGalleryChart *TChartGalleryPanel::sampleOf(QObject *object) const
{
    const auto it = std::find_if(m_charts.begin(), m_charts.end(),
                                 [object](const auto &chart) { return chart.get() == object; });
    return it == m_charts.end() ? nullptr : it->get();
}

bool TChartGalleryPanel::eventFilter(QObject *watched, QEvent *event)
{
    TGalleryChart *sample = sampleOf(watched);
    if (!sample)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (sample->isEnabled() && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            SetSelectedChart(sample);
            setFocus();
        }
        return true;
    case QEvent::MouseButtonDblClick:
        if (sample->isEnabled()) {
            SetSelectedChart(sample);
            Q_EMIT OnSelectedChart();
        }
        return true;
    case QEvent::MouseButtonRelease:
        return true;
    case QEvent::Enter:
        sample->SetHovered(sample->isEnabled());
        break;
    case QEvent::Leave:
        sample->SetHovered(false);
        break;
    case QEvent::KeyPress:
        keyPressEvent(static_cast<QKeyEvent *>(event));
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
