// The series editor: header, tabs, the rebuild for another series and the inserted tabs.
#include "TFormPlotSeries.h"

#include "ChartTypeRegistries.h"
#include "EditorSetter.h"
#include "PlotColorDialog.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "SeriesColorBox.h"
#include "SeriesUnit.h"
#include "TBaseSourceEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

namespace {

QWidget *makeTab(QTabWidget *pages, const char *name, const QString &caption)
{
    auto *tab = new QWidget(pages);
    tab->setObjectName(QString::fromLatin1(name));
    pages->addTab(tab, caption);
    return tab;
}

bool isFixedTab(const TFormPlotSeries &form, const QWidget *tab)
{
    return tab == form.TabFormat || tab == form.TabGeneral || tab == form.TabMarks || tab == form.TabDataSource;
}

void setTabShown(QTabWidget *pages, QWidget *tab, bool shown)
{
    pages->setTabVisible(pages->indexOf(tab), shown);
}

} // namespace

TFormPlotSeries::TFormPlotSeries(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FormPlotSeries"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    buildHeader();
    PageSeries = new QTabWidget(this);
    PageSeries->setObjectName(QStringLiteral("PageSeries"));
    layout->addWidget(PageSeries, 1);
    TabFormat = makeTab(PageSeries, "TabFormat", QStringLiteral("Format"));
    new QVBoxLayout(TabFormat);
    TabGeneral = makeTab(PageSeries, "TabGeneral", QStringLiteral("General"));
    TabMarks = makeTab(PageSeries, "TabMarks", QStringLiteral("Marks"));
    TabDataSource = makeTab(PageSeries, "TabDataSource", QStringLiteral("Data Source"));
    buildGeneralTab();
    buildMarksTab();
    buildDataSourceTab();
    connectGeneralTab();
    connectMarksTab();
    connectDataSourceTab();
    PageSeries->setCurrentWidget(TabFormat);
    PageMarks->setCurrentWidget(TabStyle);
    connect(PageSeries, &QTabWidget::currentChanged, this, &TFormPlotSeries::pageChanged);
    connect(CBSeries, &QComboBox::activated, this, [this](int index) {
        TChartSeries *chosen = qobject_cast<TChartSeries *>(CBSeries->itemData(index).value<QObject *>());
        // Switching while the source editor holds changes: its answer decides.
        if (!SelectSeries(chosen) && m_series)
            CBSeries->setCurrentIndex(CBSeries->findData(QVariant::fromValue<QObject *>(m_series.data())));
    });
}

TFormPlotSeries::~TFormPlotSeries()
{
    listenTo(nullptr);
}

void TFormPlotSeries::buildHeader()
{
    auto *header = new QHBoxLayout;
    static_cast<QVBoxLayout *>(layout())->addLayout(header);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(26, 26);
    LabelSeriesClass = new QLabel(this);
    LabelSeriesClass->setObjectName(QStringLiteral("LabelSeriesClass"));
    LabelSeriesClass->setTextFormat(Qt::PlainText);
    LabelSeriesClass->setProperty(PlotTranslate::kUserTextsProperty, true);
    CBSeries = new QComboBox(this);
    CBSeries->setObjectName(QStringLiteral("CBSeries"));
    CBSeries->setAccessibleName(CBSeries->objectName());
    CBSeries->setProperty(PlotTranslate::kUserTextsProperty, true);
    SeriesColor = new SeriesColorBox(this);
    SeriesColor->setObjectName(QStringLiteral("SeriesColor"));
    header->addWidget(Image1);
    header->addWidget(LabelSeriesClass, 1);
    header->addWidget(CBSeries, 1);
    header->addWidget(SeriesColor);
    SeriesColor->OnClick = [this] {
        if (!m_series)
            return;
        TColor color = m_series->Color(); // the drawn one, a palette colour included
        if (PlotColorDialog::EditColorDialog(this, color))
            write([color](TChartSeries &s) { s.SetSeriesColor(color); }, [this] { SeriesColor->update(); });
    };
}

void TFormPlotSeries::SetChart(TCustomAxisPanel *chart)
{
    m_chart = chart;
    FillSeriesCombo();
}

void TFormPlotSeries::FillSeriesCombo()
{
    const QSignalBlocker blocker(CBSeries);
    CBSeries->clear();
    if (!m_chart)
        return;
    std::vector<std::pair<QString, TChartSeries *>> items;
    PlotEngine::FillSeriesItems(items, m_chart->SeriesList(), true);
    for (const auto &[text, series] : items)
        CBSeries->addItem(text, QVariant::fromValue<QObject *>(series));
    if (m_series)
        CBSeries->setCurrentIndex(CBSeries->findData(QVariant::fromValue<QObject *>(m_series.data())));
}

bool TFormPlotSeries::SelectSeries(TChartSeries *series)
{
    if (series != m_series && !sourceEditorAgreesToClose())
        return false;
    if (series && CBSeries->findData(QVariant::fromValue<QObject *>(series)) < 0)
        FillSeriesCombo();
    {
        const QSignalBlocker blocker(CBSeries);
        CBSeries->setCurrentIndex(series ? CBSeries->findData(QVariant::fromValue<QObject *>(series)) : -1);
    }
    showSelectedSeries();
    return true;
}

void TFormPlotSeries::showSelectedSeries()
{
    m_filling = true;
    const int active = PageSeries->currentIndex();
    const QString rememberedCaption =
        m_series && active >= 0 && PageSeries->isTabVisible(active) ? PageSeries->tabText(active) : QString();
    QObject *selected = CBSeries->currentIndex() >= 0 ? CBSeries->currentData().value<QObject *>() : nullptr;
    m_series = qobject_cast<TChartSeries *>(selected);
    if (!m_series) {
        Image1->hide();
        LabelSeriesClass->clear();
        PageSeries->hide();
        m_filling = false;
        return;
    }
    PageSeries->show();
    if (m_series != m_previousSeries) {
        rebuild();
        m_previousSeries = m_series;
        // The tab of the same caption, else Format, else General.
        QWidget *target = nullptr;
        for (int i = 0; i < PageSeries->count() && !rememberedCaption.isEmpty(); ++i) {
            if (PageSeries->isTabVisible(i) && PageSeries->tabText(i) == rememberedCaption)
                target = PageSeries->widget(i);
        }
        if (!target)
            target = PageSeries->isTabVisible(PageSeries->indexOf(TabFormat)) ? TabFormat : TabGeneral;
        {
            const QSignalBlocker blocker(PageSeries);
            PageSeries->setCurrentWidget(target);
        }
        const QSignalBlocker blocker(CBDataSourceStyle);
        CBDataSourceStyle->setCurrentIndex(-1);
    }
    fillActiveTab();
    SeriesColor->update();
    m_filling = false;
    if (OnSeriesShown)
        OnSeriesShown(m_series);
}

void TFormPlotSeries::rebuild()
{
    TChartSeries &series = *m_series;
    listenTo(series.ParentChart());

    // Data-source types beyond the three fixed items that accept this series.
    {
        const QSignalBlocker blocker(CBDataSourceStyle);
        while (CBDataSourceStyle->count() > 3)
            CBDataSourceStyle->removeItem(CBDataSourceStyle->count() - 1);
    }

    QImage bitmap;
    if (PlotProcs::LoadClassBitmap(&series, bitmap)) {
        Image1->setPixmap(QPixmap::fromImage(bitmap));
        Image1->show();
    } else {
        Image1->hide();
    }
    SeriesColor->SetSeries(&series);
    SeriesColor->setVisible(series.HasSingleSeriesColor());

    QString description = GetGallerySeriesName(series);
    const int amp = description.indexOf(QLatin1Char('&'));
    if (amp >= 0)
        description.insert(amp, QLatin1Char('&'));
    LabelSeriesClass->setText(description.remove(QLatin1Char('&')) + QStringLiteral(": ") +
                              PlotEngine::SeriesTitleOrName(series));

    setTabShown(PageSeries, TabGeneral, ShowGeneral);
    setTabShown(PageSeries, TabMarks, ShowMarks);
    setTabShown(PageSeries, TabDataSource,
                ShowDataSource && !(series.Style() & (TCustomChartSeries::kStyleTemplate | TCustomChartSeries::kStyleHideDataSource)));
    const bool axes = series.UseAxis();
    GBHorizAxis->setVisible(axes);
    GBVertAxis->setVisible(axes);
    CBPersistent->setVisible(ShowPersistent && !(series.Style() & TCustomChartSeries::kStyleTemplate));
    CBPersistent->setChecked(series.Style() & TCustomChartSeries::kStylePersistent);

    removeInsertedTabs();
    const EditorFormFactory editor = GetSeriesEditorClass(&series);
    setTabShown(PageSeries, TabFormat, bool(editor));
    if (editor) {
        m_formatEditor = editor(TabFormat, &series);
        if (m_formatEditor) {
            TabFormat->layout()->addWidget(m_formatEditor);
            PlotProcs::PlotTranslateControl(m_formatEditor);
            m_formatEditor->show();
        }
    }
}

void TFormPlotSeries::removeInsertedTabs()
{
    if (m_formatEditor)
        std::unique_ptr<QWidget> freed(m_formatEditor.data());
    for (int i = PageSeries->count() - 1; i >= 0; --i) {
        QWidget *tab = PageSeries->widget(i);
        if (isFixedTab(*this, tab))
            continue;
        PageSeries->removeTab(i);
        tab->deleteLater();
    }
    closeSourceEditor();
}

QWidget *TFormPlotSeries::InsertTab(const EditorFormFactory &factory, QObject *tag, const QString &caption,
                                    int pageIndex)
{
    auto *tab = new QWidget(PageSeries);
    tab->setObjectName(QStringLiteral("TabInserted%1").arg(PageSeries->count()));
    auto *tabLayout = new QVBoxLayout(tab);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    const QSignalBlocker blocker(PageSeries);
    PageSeries->insertTab(pageIndex, tab, caption);
    QWidget *form = factory(tab, tag);
    if (form) {
        tabLayout->addWidget(form);
        PlotProcs::PlotTranslateControl(form);
        form->show();
    }
    return form;
}

QWidget *InsertEditorTab(QWidget *caller, const EditorFormFactory &factory, QObject *tag, const QString &caption,
                         int pageIndex)
{
    for (QObject *owner = caller ? caller->parent() : nullptr; owner; owner = owner->parent()) {
        if (auto *seriesForm = qobject_cast<TFormPlotSeries *>(owner))
            return seriesForm->InsertTab(factory, tag, caption, pageIndex);
    }
    QWidget *form = factory(caller, tag);
    if (form) {
        form->setWindowFlag(Qt::Dialog);
        form->setWindowTitle(caption);
        form->hide();
    }
    return form;
}

void TFormPlotSeries::ActivateTab(QWidget *tab)
{
    if (PageSeries->isTabVisible(PageSeries->indexOf(tab)))
        PageSeries->setCurrentWidget(tab);
}

void TFormPlotSeries::pageChanged(int index)
{
    Q_UNUSED(index);
    m_tabChanging = true;
    fillActiveTab();
    m_tabChanging = false;
}

void TFormPlotSeries::fillActiveTab()
{
    if (!m_series)
        return;
    const bool wasFilling = m_filling;
    m_filling = true;
    QWidget *tab = PageSeries->currentWidget();
    if (tab == TabGeneral)
        fillGeneralTab();
    else if (tab == TabMarks)
        fillMarksTab();
    else if (tab == TabDataSource)
        fillDataSourceTab();
    m_filling = wasFilling;
}

bool TFormPlotSeries::CanLeave()
{
    return sourceEditorAgreesToClose();
}

bool TFormPlotSeries::sourceEditorAgreesToClose()
{
    return !m_sourceEditor || m_sourceEditor->FormCloseQuery();
}

void TFormPlotSeries::closeManualPanel()
{
    // The grid may be inside one of its own handlers.
    if (m_manualPanel) {
        m_manualPanel->hide();
        m_manualPanel->deleteLater();
        m_manualPanel = nullptr;
    }
}

void TFormPlotSeries::showManualPanel()
{
    const EditorFormFactory factory = FindEditorForm(QStringLiteral("TChartGrid"));
    if (!factory || !m_series || m_manualPanel)
        return;
    m_manualPanel = factory(PanelSourceHost, m_series.data());
    if (!m_manualPanel)
        return;
    PanelSourceHost->layout()->addWidget(m_manualPanel);
    PlotProcs::PlotTranslateControl(m_manualPanel);
    m_manualPanel->show();
}

void TFormPlotSeries::closeSourceEditor()
{
    closeManualPanel();
    if (m_sourceEditor && m_sourceEditor->FormCloseQuery())
        std::unique_ptr<TBaseSourceEditor> freed(m_sourceEditor.data());
}

void TFormPlotSeries::SeriesRemoved()
{
    closeManualPanel();
    if (m_sourceEditor) {
        // Its series is gone: there is nothing left to apply the changes to.
        m_sourceEditor->BApply->setEnabled(false);
        std::unique_ptr<TBaseSourceEditor> freed(m_sourceEditor.data());
    }
    removeInsertedTabs();
    // The chart tells before the series leaves its list: drop its item by hand.
    QObject *gone = m_series.data();
    m_series = nullptr;
    m_previousSeries = nullptr;
    SeriesColor->SetSeries(nullptr);
    FillSeriesCombo();
    const QSignalBlocker blocker(CBSeries);
    for (int i = CBSeries->count() - 1; i >= 0; --i) {
        if (CBSeries->itemData(i).value<QObject *>() == gone || !CBSeries->itemData(i).value<QObject *>())
            CBSeries->removeItem(i);
    }
    CBSeries->setCurrentIndex(-1);
    showSelectedSeries();
}

void TFormPlotSeries::listenTo(TCustomAxisPanel *chart)
{
    if (m_listenedChart == chart)
        return;
    if (m_listenedChart)
        m_listenedChart->RemoveListener(this);
    m_listenedChart = chart;
    if (chart)
        chart->Listeners().Add(this);
}

void TFormPlotSeries::PlotEvent(TPlotEvent &event)
{
    auto *seriesEvent = dynamic_cast<TPlotSeriesEvent *>(&event);
    if (!seriesEvent)
        return;
    if (seriesEvent->Event == TPlotSeriesEvent::seColorChanged)
        SeriesColor->update();
    else if (seriesEvent->Event == TPlotSeriesEvent::seRemove && seriesEvent->Series &&
             seriesEvent->Series == static_cast<TCustomChartSeries *>(m_series.data()))
        SeriesRemoved();
}

void TFormPlotSeries::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_filling && !m_series)
        m_filling = false;
}

void TFormPlotSeries::write(const std::function<void(TChartSeries &)> &setter, const std::function<void()> &refill)
{
    if (!m_series)
        return;
    TChartSeries *series = m_series;
    const bool written = editorSet([&] { setter(*series); }, [&] {
        m_filling = true;
        if (refill)
            refill();
        m_filling = false;
    });
    if (written && OnSeriesChanged)
        OnSeriesChanged(series);
}
