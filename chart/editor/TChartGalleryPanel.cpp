// The gallery panel's layout, selection and keys.
#include "TChartGalleryPanel.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "PlotEditorOptions.h"
#include "PlotProcs.h"
#include "TChartAxis.h"
#include "SeriesUtilities.h"
#include "TChartSeries.h"
#include "TChartTitle.h"
#include "TGalleryChart.h"
#include "TPlotFunction.h"
#include "TSubGalleryPopup.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace {

const QString kSmoothGallery = QStringLiteral("SmoothGallery");
// The library's line separator, which splits a description into title lines.
constexpr QChar kLineSeparator(13);

bool inMode(const TPlotSeriesType &type, bool functionsMode)
{
    return functionsMode ? type.FunctionClass != nullptr : type.SeriesClass && !type.FunctionClass;
}

} // namespace

TChartGalleryPanel::TChartGalleryPanel(QWidget *parent)
    : QWidget(parent)
    , m_smooth(PlotProcs::ReadEditorBool(kSmoothGallery, false))
    , m_storedSmooth(m_smooth)
{
    setObjectName(QStringLiteral("ChartGalleryPanel"));
    setFocusPolicy(Qt::StrongFocus);
}

TChartGalleryPanel::~TChartGalleryPanel()
{
    if (m_smooth != m_storedSmooth)
        PlotProcs::WriteEditorBool(kSmoothGallery, m_smooth);
}

TChartSeries *TChartGalleryPanel::ChangingSeries() const
{
    return m_changingSeries;
}

void TChartGalleryPanel::SetChangingSeries(TChartSeries *series)
{
    m_changingSeries = series;
}

void TChartGalleryPanel::SetSmooth(bool value)
{
    m_smooth = value;
    for (const auto &chart : m_charts)
        chart->SetSmooth(value);
}

TGalleryChart *TChartGalleryPanel::AddTypeSample(const ChartClassDescriptor *seriesClass,
                                                 const ChartClassDescriptor *functionClass, int numSeries,
                                                 const QStringList &title)
{
    TGalleryChart *sample = AddChart();
    sample->AutoRepaint = false;
    sample->FunctionClass = functionClass;
    sample->Title()->SetText(title);
    // A type that names only a function shows it on line series.
    if (!seriesClass)
        seriesClass = ChartClassRegistry::instance().find(QStringLiteral("TLineSeries"));
    for (int i = 0; seriesClass && i < std::max(1, numSeries); ++i)
        CreateNewSeries(sample, sample, *seriesClass);
    TChartSeries *changing = m_changingSeries;
    const bool enabled = !(CheckSeries && changing && sample->SeriesCount() > 0 &&
                           !sample->GetSeries(0)->IsValidSeriesSource(changing));
    sample->setEnabled(enabled);
    sample->setCursor(enabled ? PlotProcs::PlotCursor(PlotProcs::crPlotHand) : QCursor(Qt::ForbiddenCursor));
    if (functionClass && functionClass->factory) {
        const std::unique_ptr<QObject> made = functionClass->factory();
        if (auto *function = qobject_cast<TPlotFunction *>(made.get()))
            function->PrepareSeriesForGallery(*sample);
    } else {
        for (int i = 0; i < sample->SeriesCount(); ++i)
            sample->GetSeries(i)->PrepareForGallery(enabled);
    }
    sample->SetSmooth(m_smooth);
    sample->AutoRepaint = true;
    sample->Invalidate();
    return sample;
}

void TChartGalleryPanel::CreateGalleryPage(const QString &page)
{
    std::vector<const TPlotSeriesType *> types;
    const TPlotSeriesTypes &registry = PlotSeriesTypes();
    for (int i = 0; i < registry.Count(); ++i) {
        const TPlotSeriesType &type = registry.GetItem(i);
        if (type.GalleryPage.text() == page && inMode(type, FunctionsMode))
            types.push_back(&type);
    }
    const int count = int(types.size());
    m_numRows = m_numCols > 0 && count > m_numRows * m_numCols ? (count - 1) / m_numCols + 1 : 3;
    ClearCharts();
    for (const TPlotSeriesType *type : types)
        AddTypeSample(type->SeriesClass, type->FunctionClass, type->NumGallerySeries,
                      type->Description.text().split(kLineSeparator));
    layoutCharts();
    TGalleryChart *first = nullptr;
    TGalleryChart *same = nullptr;
    const TChartSeries *changing = m_changingSeries;
    for (const auto &sample : m_charts) {
        if (!first && sample->isEnabled())
            first = sample.get();
        if (!same && changing && !sample->FunctionClass && sample->SeriesCount() > 0 &&
            sample->GetSeries(0)->metaObject() == changing->metaObject())
            same = sample.get();
    }
    SetSelectedChart(same ? same : first);
}

void TChartGalleryPanel::CreateSubGalleryPage(const TChartSeries &series, int numSeries)
{
    const ChartClassDescriptor *seriesClass = ChartClassRegistry::instance().find(*series.metaObject());
    ClearCharts();
    int index = 0;
    series.CreateSubGallery([&](const QString &name) {
        TGalleryChart *sample = AddTypeSample(seriesClass, nullptr, numSeries, {name});
        sample->AutoRepaint = false;
        for (int i = 0; i < sample->SeriesCount(); ++i)
            sample->GetSeries(i)->SetSubGallery(index);
        sample->SubStyle = index++;
        sample->AutoRepaint = true;
        sample->Invalidate();
    });
    m_numRows = m_numCols > 0 ? std::max(1, (index + m_numCols - 1) / m_numCols) : m_numRows;
    layoutCharts();
    SetSelectedChart(m_charts.empty() ? nullptr : m_charts.front().get());
}

std::optional<GallerySelection> TChartGalleryPanel::GetSeriesClass() const
{
    if (!m_selected || m_selected->SeriesCount() == 0)
        return std::nullopt;
    GallerySelection selection;
    selection.seriesClass = ChartClassRegistry::instance().find(*m_selected->GetSeries(0)->metaObject());
    selection.functionClass = m_selected->FunctionClass;
    selection.subIndex = m_subIndex;
    return selection;
}

TSubGalleryPopup *TChartGalleryPanel::SubGallery() const
{
    return m_subGallery;
}

void TChartGalleryPanel::OpenSubGallery()
{
    if (!DisplaySub || !m_selected || m_selected->SeriesCount() == 0 || m_subGallery)
        return;
    auto *popup = new TSubGalleryPopup(this);
    m_subGallery = popup;
    TChartGalleryPanel &nested = *popup->Panel;
    nested.SetView3D(m_view3D);
    nested.SetSmooth(m_smooth);
    nested.SetNumCols(m_numCols);
    nested.CreateSubGalleryPage(*m_selected->GetSeries(0), m_selected->SeriesCount());
    const int cellHeight = std::max(CellHeight(), 1);
    popup->resize(width(), TSubGalleryPopup::kStripHeight + nested.NumRows() * cellHeight + 8);
    popup->PlaceAt(m_selected->mapToGlobal(QPoint(0, m_selected->height())));
    connect(popup, &TSubGalleryPopup::Finished, this, &TChartGalleryPanel::subGalleryClosed);
    popup->show();
    nested.setFocus();
}

void TChartGalleryPanel::subGalleryClosed(bool accepted, int subIndex)
{
    TGalleryChart *sample = m_selected;
    if (accepted && sample && subIndex >= 0) {
        for (int i = 0; i < sample->SeriesCount(); ++i)
            sample->GetSeries(i)->SetSubGallery(subIndex);
        m_subIndex = subIndex;
        Q_EMIT OnSubSelected();
    }
    SetSelectedChart(sample);
}

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
    placeChart(*chart, int(m_charts.size()));
    chart->show();
    m_charts.push_back(std::move(chart));
    return m_charts.back().get();
}

void TChartGalleryPanel::ClearCharts()
{
    m_selected = nullptr;
    m_subIndex = -1;
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
    // A sub-style belongs to the sample it was chosen for.
    if (chart != m_selected)
        m_subIndex = -1;
    m_selected = chart;
    for (const auto &sample : m_charts) {
        sample->SetHighlighted(sample.get() == chart, FocusRotation);
        sample->SetShowSubMarker(DisplaySub && sample.get() == chart);
    }
    Q_EMIT OnChangeChart();
}

void TChartGalleryPanel::placeChart(TGalleryChart &chart, int index) const
{
    chart.setGeometry(ChartRect(index));
    // Only a maximized gallery leaves the samples room for axis labels.
    const bool labels = window()->isMaximized() && chart.AxisVisible();
    chart.LeftAxis()->SetLabels(labels);
    chart.BottomAxis()->SetLabels(labels);
}

void TChartGalleryPanel::layoutCharts()
{
    for (int i = 0; i < int(m_charts.size()); ++i)
        placeChart(*m_charts[size_t(i)], i);
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
    // A window manager may change the window's state without resizing the panel first.
    if ((event->type() == QEvent::Show || event->type() == QEvent::ParentChange) && window() != this)
        window()->installEventFilter(this);
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
        if (event->modifiers().testFlag(Qt::AltModifier))
            OpenSubGallery();
        else
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
    if (watched == window() && watched != this) {
        if (event->type() == QEvent::WindowStateChange)
            layoutCharts();
        return QWidget::eventFilter(watched, event);
    }
    TGalleryChart *sample = sampleOf(watched);
    if (!sample)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (sample->isEnabled() && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            const bool onMarker = sample == m_selected && DisplaySub &&
                                  sample->SubMarkerRect().contains(static_cast<QMouseEvent *>(event)->position().toPoint());
            SetSelectedChart(sample);
            setFocus();
            if (onMarker)
                OpenSubGallery();
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
