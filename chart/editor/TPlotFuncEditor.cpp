// The function panel of the Data Source tab.
#include "TPlotFuncEditor.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "EditorRegistry.h"
#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "PlotProcs.h"
#include "SeriesUnit.h"
#include "SeriesUtilities.h"
#include "TBaseFunctionEditor.h"
#include "TChartValueList.h"
#include "TCustomAxisPanel.h"
#include "TSelectListForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <vector>

using EditorWidgets::named;

namespace {

QObject *itemObject(const QVariant &data)
{
    return data.value<QObject *>();
}

// The traits a function class tells through an instance of its own.
struct FunctionTraits
{
    QString editorClassName;
    bool noSource = false;
    bool singleSource = false;
    bool hideValueChoice = false;
};

FunctionTraits traitsOf(const ChartClassDescriptor &type)
{
    FunctionTraits traits;
    std::unique_ptr<QObject> probe = type.factory ? type.factory() : nullptr;
    if (auto *function = qobject_cast<TPlotFunction *>(probe.get())) {
        traits.editorClassName = function->GetEditorClassName();
        traits.noSource = function->NoSourceRequired;
        traits.singleSource = function->SingleSource;
        traits.hideValueChoice = function->HideValueChoice;
    }
    return traits;
}

const ChartClassDescriptor *classOf(const TPlotFunction *function)
{
    return function ? ChartClassRegistry::instance().find(*function->metaObject()) : nullptr;
}

} // namespace

TPlotFuncEditor::TPlotFuncEditor(QWidget *parent)
    : TBaseSourceEditor(parent)
{
    setObjectName(QStringLiteral("PlotFuncEditor"));
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    TabSource = named(new QWidget(PageControl1), "TabSource");
    TabOptions = named(new QWidget(PageControl1), "TabOptions");
    PageControl1->addTab(TabSource, QStringLiteral("Source Series"));
    PageControl1->addTab(TabOptions, QStringLiteral("Options"));
    auto *sourceLayout = new QVBoxLayout(TabSource);
    new QVBoxLayout(TabOptions);
    PanSingle = named(new QWidget(TabSource), "PanSingle");
    auto *single = new QHBoxLayout(PanSingle);
    CBSingle = named(new QComboBox(PanSingle), "CBSingle");
    LSeries = EditorWidgets::label(PanSingle, QStringLiteral("&Series:"), CBSingle, "LSeries");
    BNone = named(new QPushButton(QStringLiteral("&None"), PanSingle), "BNone");
    CBValues = named(new QComboBox(PanSingle), "CBValues");
    LValues = EditorWidgets::label(PanSingle, QStringLiteral("&Values:"), CBValues, "LValues");
    single->addWidget(LSeries);
    single->addWidget(CBSingle, 1);
    single->addWidget(BNone);
    single->addWidget(LValues);
    single->addWidget(CBValues, 1);
    sourceLayout->addWidget(PanSingle);
    PanSingle->hide();
    // The base's layout holds the top strip, then a stretch: the pages go between them.
    if (auto *layout = qobject_cast<QVBoxLayout *>(this->layout()))
        layout->insertWidget(1, PageControl1, 1);
    fillFunctions();
    connect(CBSources, &QComboBox::activated, this, [this] { functionChosen(); });
    connect(CBSingle, &QComboBox::activated, this, [this] { singleChosen(); });
    connect(BNone, &QPushButton::clicked, this, [this] {
        CBSingle->setCurrentIndex(-1);
        singleChosen();
    });
    connect(CBValues, &QComboBox::activated, this, [this] { BApply->setEnabled(true); });
}

TPlotFuncEditor::~TPlotFuncEditor()
{
    listenTo(nullptr);
}

void TPlotFuncEditor::listenTo(TCustomAxisPanel *chart)
{
    if (m_chart == chart)
        return;
    if (m_chart)
        m_chart->RemoveListener(this);
    m_chart = chart;
    if (chart)
        chart->Listeners().Add(this);
}

void TPlotFuncEditor::fillFunctions()
{
    std::vector<std::pair<QString, const ChartClassDescriptor *>> items;
    const TPlotSeriesTypes &types = PlotSeriesTypes();
    for (int i = 0; i < types.Count(); ++i) {
        const TPlotSeriesType &type = types.GetItem(i);
        if (!type.FunctionClass || type.SeriesClass)
            continue;
        if (std::any_of(items.begin(), items.end(), [&](const auto &item) { return item.second == type.FunctionClass; }))
            continue;
        QString caption = type.Description.text();
        caption.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        items.emplace_back(caption, type.FunctionClass);
    }
    std::sort(items.begin(), items.end(),
              [](const auto &a, const auto &b) { return QString::localeAwareCompare(a.first, b.first) < 0; });
    CBSources->clear();
    for (const auto &[caption, type] : items)
        CBSources->addItem(caption, QVariant::fromValue(static_cast<const void *>(type)));
}

const ChartClassDescriptor *TPlotFuncEditor::ChosenClass() const
{
    if (CBSources->currentIndex() < 0)
        return nullptr;
    return static_cast<const ChartClassDescriptor *>(CBSources->currentData().value<const void *>());
}

void TPlotFuncEditor::showEvent(QShowEvent *event)
{
    TBaseSourceEditor::showEvent(event);
    TChartSeries *series = TheSeries();
    listenTo(series ? series->ParentChart() : nullptr);
    if (!ISources) {
        ISources = new TSelectListForm(TabSource);
        TabSource->layout()->addWidget(ISources);
        connect(ISources, &TSelectListForm::OnChange, this, [this] { CBSourcesChange(); });
        PlotProcs::PlotTranslateControl(ISources);
    }
    if (!series)
        return;
    fillSources();
    const ChartClassDescriptor *current = classOf(series->FunctionType());
    CBSources->setCurrentIndex(current ? CBSources->findData(QVariant::fromValue(static_cast<const void *>(current))) : -1);
    functionChosen();
    BApply->setEnabled(false);
}

void TPlotFuncEditor::fillSources(const QObject *leaving)
{
    TChartSeries *series = TheSeries();
    if (!series || !ISources)
        return;
    m_filling = true;
    CBSingle->clear();
    ISources->FromList->clear();
    ISources->ToList->clear();
    std::vector<TChartSeries *> candidates;
    if (TCustomAxisPanel *chart = series->ParentChart())
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            TChartSeries *s = chart->GetSeries(i);
            // A series fed by this one would make a cycle.
            if (s && s != leaving && s != series && series->IsValidSeriesSource(s) &&
                !TChartSeries::DependsOn(s, series))
                candidates.push_back(s);
        }
    const auto addItem = [](QListWidget &list, TChartSeries *s) {
        auto *item = new QListWidgetItem(PlotEngine::SeriesTitleOrName(*s), &list);
        item->setData(Qt::UserRole, QVariant::fromValue(static_cast<QObject *>(s)));
    };
    for (TChartSeries *s : candidates) {
        CBSingle->addItem(PlotEngine::SeriesTitleOrName(*s), QVariant::fromValue(static_cast<QObject *>(s)));
        if (!series->DataSources().Contains(s))
            addItem(*ISources->FromList, s);
    }
    // The chosen ones in the order they feed the series.
    for (QObject *source : series->DataSources().Items())
        if (auto *s = qobject_cast<TChartSeries *>(source);
            s && std::find(candidates.begin(), candidates.end(), s) != candidates.end())
            addItem(*ISources->ToList, s);
    ISources->EnableButtons();
    CBSingle->setCurrentIndex(CBSingle->findData(QVariant::fromValue(series->DataSource())));
    fillValues();
    m_filling = false;
}

void TPlotFuncEditor::fillValues()
{
    CBValues->clear();
    auto *source = qobject_cast<TChartSeries *>(itemObject(CBSingle->currentData()));
    CBValues->setEnabled(source);
    BNone->setEnabled(source);
    if (!source)
        return;
    const auto &lists = source->ValueLists();
    for (std::size_t i = 1; i < lists.size(); ++i)
        CBValues->addItem(lists[i]->Name());
    const int named = TheSeries() ? CBValues->findText(TheSeries()->MandatoryValueList()->ValueSource(),
                                                       Qt::MatchFixedString)
                                  : -1;
    CBValues->setCurrentIndex(m_filling && named >= 0 ? named : 0);
}

void TPlotFuncEditor::singleChosen()
{
    if (!m_filling)
        BApply->setEnabled(true);
    fillValues();
}

bool TPlotFuncEditor::singlePanelShown() const
{
    return !PanSingle->isHidden();
}

void TPlotFuncEditor::functionChosen()
{
    TChartSeries *series = TheSeries();
    if (!series)
        return;
    const ChartClassDescriptor *type = ChosenClass();
    if (type && classOf(series->FunctionType()) != type)
        editorSet([&] { CreateNewPlotFunction(*series, *type); });
    BApply->setEnabled(false);
    if (m_options) {
        // The form may be inside one of its own signals.
        m_options->hide();
        m_options->deleteLater();
        m_options = nullptr;
    }
    const int sourceTab = PageControl1->indexOf(TabSource);
    const int optionsTab = PageControl1->indexOf(TabOptions);
    if (!type) {
        PanSingle->hide();
        ISources->show();
        PageControl1->setTabVisible(sourceTab, true);
        PageControl1->setTabVisible(optionsTab, false);
        PageControl1->setCurrentIndex(sourceTab);
        return;
    }
    const FunctionTraits traits = traitsOf(*type);
    const bool single = !traits.noSource && traits.singleSource;
    PanSingle->setVisible(single);
    ISources->setVisible(!single);
    LValues->setVisible(!traits.hideValueChoice);
    CBValues->setVisible(!traits.hideValueChoice);
    const EditorFormFactory factory = traits.editorClassName.isEmpty() ? EditorFormFactory()
                                                                       : FindEditorForm(traits.editorClassName);
    if (factory) {
        m_options = factory(TabOptions, series);
        if (m_options) {
            TabOptions->layout()->addWidget(m_options);
            if (auto *options = qobject_cast<TBaseFunctionEditor *>(m_options.data())) {
                options->FunctionClass = type;
                connect(options, &TBaseFunctionEditor::Changed, this, [this] { BApply->setEnabled(true); });
            }
            PlotProcs::PlotTranslateControl(m_options);
            m_options->show();
        }
    }
    PageControl1->setTabVisible(optionsTab, bool(m_options));
    PageControl1->setTabVisible(sourceTab, !traits.noSource);
    const bool onOptions = m_options && (traits.noSource || series->DataSources().Count() > 0);
    PageControl1->setCurrentIndex(onOptions ? optionsTab : sourceTab);
}

void TPlotFuncEditor::BApplyClick()
{
    TChartSeries *series = TheSeries();
    if (!series)
        return;
    // A refused option keeps Apply enabled and changes nothing.
    if (auto *options = qobject_cast<TBaseFunctionEditor *>(m_options.data()); options && !options->FormCloseQuery())
        return;
    const bool single = singlePanelShown();
    QObject *singleSource = itemObject(CBSingle->currentData());
    const QString valueSource = CBSingle->currentIndex() >= 0 ? CBValues->currentText() : QString();
    std::vector<QObject *> sources;
    for (int i = 0; i < ISources->ToList->count(); ++i)
        if (QObject *s = itemObject(ISources->ToList->item(i)->data(Qt::UserRole)))
            sources.push_back(s);
    const ChartClassDescriptor *type = ChosenClass();
    const bool applied = editorSet([&] {
        TChartSeries::UpdateScope update(*series);
        if (single) {
            series->SetDataSource(CBSingle->currentIndex() >= 0 ? singleSource : nullptr);
            series->MandatoryValueList()->SetValueSource(valueSource);
        } else if (sources.empty()) {
            series->DataSources().Clear();
        } else {
            series->SetDataSource(sources.front());
            for (std::size_t i = 1; i < sources.size(); ++i)
                series->AddCheckedDataSource(sources[i]);
        }
        if (type && classOf(series->FunctionType()) != type)
            CreateNewPlotFunction(*series, *type);
        update.end();
        series->CheckDataSource();
    });
    if (applied)
        BApply->setEnabled(false);
}

void TPlotFuncEditor::PlotEvent(TPlotEvent &event)
{
    auto *seriesEvent = dynamic_cast<TPlotSeriesEvent *>(&event);
    if (!seriesEvent)
        return;
    const QObject *changed = seriesEvent->Series;
    if (seriesEvent->Event == TPlotSeriesEvent::seRemove && changed && changed == TheSeries()) {
        BApply->setEnabled(false);
        return;
    }
    switch (seriesEvent->Event) {
    case TPlotSeriesEvent::seAdd:
    case TPlotSeriesEvent::seTitleChanged:
    case TPlotSeriesEvent::seSwap:
        fillSources();
        break;
    case TPlotSeriesEvent::seRemove:
        fillSources(changed);
        break;
    default:
        break;
    }
}
