// The function panel of the Data Source tab, its source chooser and the functions' option forms.
#include "TPlotFuncEditor.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "DialogDriver.h"
#include "EditorTestSetup.h"
#include "PlotConst.h"
#include "PlotFunctions.h"
#include "PlotGerman.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "SeriesUtilities.h"
#include "TAverageFuncEditor.h"
#include "TChart.h"
#include "TChartValueList.h"
#include "TCustomFunctionEditor.h"
#include "TCustomPlotFunction.h"
#include "TLineSeries.h"
#include "TManySeriesPlotFunction.h"
#include "TPlotFunctionEditor.h"
#include "TSelectListForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A function with no options form of its own.
class NoEditorTestFunction : public TPlotFunction
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit NoEditorTestFunction(QObject *owner = nullptr)
        : TPlotFunction(owner)
    {
    }
    QString GetEditorClassName() const override { return {}; }
};

// A function fed by one series through a chosen value list.
class SingleSourceTestFunction : public TPlotFunction
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit SingleSourceTestFunction(QObject *owner = nullptr)
        : TPlotFunction(owner)
    {
        SingleSource = true;
    }
};

QStringList texts(const QListWidget &list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.item(i)->text();
    return result;
}

void selectItems(QListWidget &list, const QStringList &names)
{
    list.clearSelection();
    for (int i = 0; i < list.count(); ++i)
        if (names.contains(list.item(i)->text()))
            list.item(i)->setSelected(true);
}

class FunctionEditor : public EditorChartTest
{
protected:
    // The panel on the series, shown as the Data Source tab shows it.
    TPlotFuncEditor &open(TChartSeries *series)
    {
        editor = std::make_unique<TPlotFuncEditor>();
        editor->SetTag(series);
        editor->show();
        return *editor;
    }
    // Chooses the function class as the user does.
    void choose(const ChartClassDescriptor &type)
    {
        int index = editor->CBSources->findData(QVariant::fromValue(static_cast<const void *>(&type)));
        if (index < 0) {
            editor->CBSources->addItem(type.name, QVariant::fromValue(static_cast<const void *>(&type)));
            index = editor->CBSources->count() - 1;
        }
        editor->CBSources->setCurrentIndex(index);
        editor->CBSources->activated(index);
    }
    template <class F>
    const ChartClassDescriptor &typeOf()
    {
        return ChartClassRegistry::instance().add<F>();
    }
    std::unique_ptr<TPlotFuncEditor> editor;
};

} // namespace

TEST_F(FunctionEditor, ThePeriodEditShowsWhatEachStyleTakes)
{
    TLineSeries *source = addLineSeries();
    TLineSeries *average = addLineSeries();
    auto *function = new TAveragePlotFunction;
    function->SetPeriod(2.6);
    average->SetFunction(function);
    average->AddDataSource(source);
    open(average);
    auto *options = qobject_cast<TAverageFuncEditor *>(editor->OptionsForm());
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(editor->PageControl1->currentWidget(), editor->TabOptions);
    EXPECT_EQ(options->CBPeriodStyle->currentIndex(), int(TPlotFunctionEditor::StyleNumPoints));
    EXPECT_EQ(options->ENum->text(), QStringLiteral("3"));
    const struct {
        int style;
        const char *shown;
        bool editEnabled;
        bool changeEnabled;
    } cases[] = {
        {TPlotFunctionEditor::StyleRange, "2.6", true, true},
        {TPlotFunctionEditor::StyleNumPoints, "3", true, false},
        {TPlotFunctionEditor::StyleAllPoints, "", false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.style);
        options->CBPeriodStyle->setCurrentIndex(c.style);
        EXPECT_EQ(options->ENum->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(options->ENum->isEnabled(), c.editEnabled);
        EXPECT_EQ(options->BChange->isEnabled(), c.changeEnabled);
        EXPECT_TRUE(editor->BApply->isEnabled());
    }
    // "Change..." edits a range in the increment dialog.
    options->CBPeriodStyle->setCurrentIndex(TPlotFunctionEditor::StyleRange);
    QString caption;
    whenModalShows([&](QDialog &shown) {
        caption = shown.windowTitle();
        child<QLineEdit>(shown, "ECustom")->setText(QStringLiteral("7.5"));
        child<QPushButton>(shown, "BOk")->click();
        if (shown.isVisible())
            shown.reject();
    });
    options->BChange->click();
    EXPECT_EQ(caption, QStringLiteral("Period range"));
    EXPECT_EQ(options->ENum->text(), QStringLiteral("7.5"));
    options->CBPeriodStyle->setCurrentIndex(TPlotFunctionEditor::StyleAllPoints);
    options->CBNulls->setChecked(!function->IncludeNulls());
    const bool nulls = options->CBNulls->isChecked();
    editor->BApply->click();
    EXPECT_FALSE(editor->BApply->isEnabled());
    ASSERT_EQ(average->FunctionType(), function);
    EXPECT_EQ(function->Period(), 0.0);
    EXPECT_EQ(function->IncludeNulls(), nulls);
    // One average over all points, drawn by a line from the first X to the last.
    ASSERT_EQ(average->Count(), 2);
    EXPECT_EQ(average->GetYValue(0), 2.0);
    EXPECT_EQ(average->GetYValue(1), 2.0);
    EXPECT_EQ(average->GetXValue(1), 4.0);
}

TEST_F(FunctionEditor, EveryRegisteredFunctionOpensOnTheOptionsFormItsEditorNameNames)
{
    TLineSeries *source = addLineSeries();
    int seen = 0;
    for (int i = 0; i < PlotSeriesTypes().Count(); ++i) {
        const ChartClassDescriptor *type = PlotSeriesTypes().GetItem(i).FunctionClass;
        if (!type)
            continue;
        SCOPED_TRACE(type->name.toStdString());
        ++seen;
        TLineSeries *series = addLineSeries();
        TPlotFunction *function = CreateNewPlotFunction(*series, *type);
        ASSERT_NE(function, nullptr);
        function->SetPeriod(4);
        if (!function->NoSourceRequired)
            series->AddDataSource(source);
        open(series);
        auto *options = qobject_cast<TBaseFunctionEditor *>(editor->OptionsForm());
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(QString::fromLatin1(options->metaObject()->className()), function->GetEditorClassName());
        EXPECT_EQ(editor->PageControl1->currentWidget(), editor->TabOptions);
        EXPECT_EQ(editor->ChosenClass(), type);
        EXPECT_EQ(options->TheFunction(), function);
        if (auto *period = qobject_cast<TPlotFunctionEditor *>(options))
            EXPECT_EQ(period->ENum->text(), QStringLiteral("4"));
    }
    EXPECT_GE(seen, 10);
}

TEST_F(FunctionEditor, ACustomFunctionMakesItsNumberOfPointsFromStartInSteps)
{
    TLineSeries *series = addLineSeries();
    auto *function = new TCustomPlotFunction;
    function->OnCalculate = [](TCustomPlotFunction *, double x, double &y) { y = 2 * x; };
    series->SetFunction(function);
    open(series);
    auto *options = qobject_cast<TCustomFunctionEditor *>(editor->OptionsForm());
    ASSERT_NE(options, nullptr);
    EXPECT_FALSE(editor->PageControl1->isTabVisible(editor->PageControl1->indexOf(editor->TabSource)));
    EXPECT_EQ(options->ENumPoints->text(), QStringLiteral("100"));
    options->EStartX->setText(QStringLiteral("5"));
    options->EStep->setText(QStringLiteral("0.5"));
    options->ENumPoints->setText(QStringLiteral("10"));
    ASSERT_TRUE(editor->BApply->isEnabled());
    editor->BApply->click();
    EXPECT_FALSE(editor->BApply->isEnabled());
    ASSERT_EQ(series->Count(), 10);
    EXPECT_EQ(series->GetXValue(0), 5.0);
    EXPECT_EQ(series->GetXValue(9), 9.5);
    EXPECT_EQ(series->GetYValue(9), 19.0);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(FunctionEditor, RefusedCustomTextsShowTheMessageAndChangeNothing)
{
    const struct {
        const char *field;
        const char *text;
    } cases[] = {
        {"EStartX", "abc"}, {"EStartX", "1e999"}, {"EStep", "nan"},
        {"EStep", "-1"},    {"ENumPoints", "2.5"}, {"ENumPoints", "-"},
    };
    TLineSeries *series = addLineSeries();
    auto *function = new TCustomPlotFunction;
    function->SetStartX(1);
    function->SetNumPoints(7);
    series->SetFunction(function);
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.field << " " << c.text);
        messages.clear();
        open(series);
        auto *options = qobject_cast<TCustomFunctionEditor *>(editor->OptionsForm());
        ASSERT_NE(options, nullptr);
        options->findChild<QLineEdit *>(QString::fromLatin1(c.field))->setText(QString::fromLatin1(c.text));
        editor->BApply->click();
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_TRUE(messages.shown().first().text.startsWith(QStringLiteral("Incorrect value. Reason: ")));
        EXPECT_TRUE(editor->BApply->isEnabled());
        EXPECT_EQ(series->FunctionType(), function);
        EXPECT_EQ(function->StartX(), 1.0);
        EXPECT_EQ(function->Period(), 1.0);
        EXPECT_EQ(function->NumPoints(), 7);
    }
}

TEST_F(FunctionEditor, ARefusedTextOnASeriesWithoutFunctionMakesNoFunction)
{
    TLineSeries *series = addLineSeries();
    const int childrenBefore = int(chart->findChildren<TPlotFunction *>().size());
    TCustomFunctionEditor options(nullptr, series);
    options.FunctionClass = &typeOf<TCustomPlotFunction>();
    options.show();
    options.EStartX->setText(QStringLiteral("abc"));
    EXPECT_FALSE(options.FormCloseQuery());
    EXPECT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(series->FunctionType(), nullptr);
    EXPECT_EQ(int(chart->findChildren<TPlotFunction *>().size()), childrenBefore);
    // The same form with good texts makes the function and gives it to the series.
    options.EStartX->setText(QStringLiteral("3"));
    EXPECT_TRUE(options.FormCloseQuery());
    auto *made = qobject_cast<TCustomPlotFunction *>(series->FunctionType());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->StartX(), 3.0);
}

TEST_F(FunctionEditor, ChoosingAnotherClassReplacesTheFunctionAtOnce)
{
    TLineSeries *source = addLineSeries();
    TLineSeries *series = addLineSeries();
    series->SetFunction(new TAveragePlotFunction);
    series->AddDataSource(source);
    open(series);
    choose(typeOf<THighPlotFunction>());
    EXPECT_NE(qobject_cast<THighPlotFunction *>(series->FunctionType()), nullptr);
    EXPECT_FALSE(editor->BApply->isEnabled());
    EXPECT_NE(qobject_cast<TPlotFunctionEditor *>(editor->OptionsForm()), nullptr);
    // A class without an options form hides "Options" and leaves the sources in front.
    choose(typeOf<NoEditorTestFunction>());
    EXPECT_NE(qobject_cast<NoEditorTestFunction *>(series->FunctionType()), nullptr);
    EXPECT_EQ(editor->OptionsForm(), nullptr);
    EXPECT_FALSE(editor->PageControl1->isTabVisible(editor->PageControl1->indexOf(editor->TabOptions)));
    EXPECT_EQ(editor->PageControl1->currentWidget(), editor->TabSource);
}

TEST_F(FunctionEditor, TheSingleSourcePanelSetsTheSourceAndItsValueList)
{
    TLineSeries *first = addLineSeries();
    addLineSeries();
    TLineSeries *series = addLineSeries();
    open(series);
    choose(typeOf<SingleSourceTestFunction>());
    EXPECT_FALSE(editor->PanSingle->isHidden());
    EXPECT_TRUE(editor->ISources->isHidden());
    EXPECT_EQ(editor->CBSingle->count(), 2);
    EXPECT_FALSE(editor->CBValues->isEnabled());
    editor->CBSingle->setCurrentIndex(0);
    editor->CBSingle->activated(0);
    EXPECT_TRUE(editor->CBValues->isEnabled());
    EXPECT_EQ(editor->CBValues->currentText(), QStringLiteral("Y"));
    EXPECT_TRUE(editor->BApply->isEnabled());
    editor->BApply->click();
    EXPECT_EQ(series->DataSource(), first);
    EXPECT_EQ(series->MandatoryValueList()->ValueSource(), QStringLiteral("Y"));
    // "None" takes the source away.
    editor->BNone->click();
    editor->BApply->click();
    EXPECT_EQ(series->DataSource(), nullptr);
    EXPECT_EQ(series->MandatoryValueList()->ValueSource(), QString());
}

TEST_F(FunctionEditor, TheSelectedOrderBecomesTheDataSourceOrder)
{
    TLineSeries *s1 = addLineSeries();
    TLineSeries *s2 = addLineSeries();
    TLineSeries *series = addLineSeries();
    series->SetFunction(new TSubtractPlotFunction);
    open(series);
    TSelectListForm &lists = *editor->ISources;
    EXPECT_EQ(texts(*lists.FromList), (QStringList{QStringLiteral("S1"), QStringLiteral("S2")}));
    selectItems(*lists.FromList, {QStringLiteral("S2")});
    lists.BRightOne->click();
    lists.BRightAll->click();
    EXPECT_TRUE(editor->BApply->isEnabled());
    editor->BApply->click();
    ASSERT_EQ(series->DataSources().Count(), 2);
    EXPECT_EQ(series->DataSources().Item(0), s2);
    EXPECT_EQ(series->DataSources().Item(1), s1);
    EXPECT_EQ(series->GetYValue(0), s2->GetYValue(0) - s1->GetYValue(0));
    // Shown again, the selected list keeps that order.
    open(series);
    EXPECT_EQ(texts(*editor->ISources->ToList), (QStringList{QStringLiteral("S2"), QStringLiteral("S1")}));
}

TEST_F(FunctionEditor, RemovingASourceSeriesRefreshesTheSourceLists)
{
    addLineSeries();
    TLineSeries *s2 = addLineSeries();
    TLineSeries *series = addLineSeries();
    series->SetFunction(new TAddPlotFunction);
    open(series);
    ASSERT_EQ(editor->ISources->FromList->count(), 2);
    chart->RemoveSeries(s2);
    std::unique_ptr<TLineSeries> freed(s2);
    EXPECT_EQ(texts(*editor->ISources->FromList), QStringList{QStringLiteral("S1")});
    EXPECT_EQ(editor->CBSingle->count(), 1);
    // The series itself leaving the chart leaves nothing to apply.
    editor->ISources->BRightAll->click();
    ASSERT_TRUE(editor->BApply->isEnabled());
    chart->RemoveSeries(series);
    std::unique_ptr<TLineSeries> gone(series);
    EXPECT_FALSE(editor->BApply->isEnabled());
}

TEST_F(FunctionEditor, TheFormsCaptionsAreGerman)
{
    struct EnglishAgain
    {
        ~EnglishAgain()
        {
            PlotTranslate::PlotCurrentLanguage = nullptr;
            PlotConst::SetLibraryMessages();
        }
    } englishAgain;
    TLineSeries *source = addLineSeries();
    TLineSeries *series = addLineSeries();
    series->SetFunction(new TAveragePlotFunction);
    series->AddDataSource(source);
    PlotGerman::SelectGermanLanguage();
    open(series);
    PlotProcs::PlotTranslateControl(editor.get());
    auto *options = qobject_cast<TAverageFuncEditor *>(editor->OptionsForm());
    ASSERT_NE(options, nullptr);
    const auto bare = [](QString text) { return text.remove(QLatin1Char('&')); };
    const auto caption = [&](const char *name) {
        if (auto *label = editor->findChild<QLabel *>(QString::fromLatin1(name)))
            return bare(label->text());
        return bare(editor->findChild<QAbstractButton *>(QString::fromLatin1(name))->text());
    };
    const struct {
        const char *name;
        const char *german;
    } cases[] = {
        {"LLabel", "Quelle:"},        {"BApply", "Übernehmen"},          {"LSeries", "Reihe:"},
        {"BNone", "Keine"},           {"LValues", "Werte:"},              {"L1", "Verfügbar:"},
        {"L2", "Ausgewählt:"},        {"LabelStyle", "Berechnen mit:"},   {"LabelNum", "Anzahl Punkte:"},
        {"LabelAlign", "Ausrichtung:"}, {"CBNulls", "Nullwerte einschließen"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(caption(c.name), QString::fromUtf8(c.german));
    }
    EXPECT_EQ(editor->PageControl1->tabText(0), QStringLiteral("Quellreihe"));
    EXPECT_EQ(editor->PageControl1->tabText(1), QStringLiteral("Optionen"));
    EXPECT_EQ(options->CBPeriodStyle->itemText(1), QStringLiteral("Alle n Punkte"));
    EXPECT_EQ(options->CBAlign->itemText(1), QStringLiteral("Zentriert"));
}

TEST(SelectListForm, MovesKeepTheItemsOrderAndEnableTheButtons)
{
    TSelectListForm form;
    form.FromList->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    form.EnableButtons();
    int changes = 0;
    QObject::connect(&form, &TSelectListForm::OnChange, [&] { ++changes; });
    EXPECT_FALSE(form.BLeftOne->isEnabled());
    selectItems(*form.FromList, {QStringLiteral("C"), QStringLiteral("A")});
    form.BRightOne->click();
    EXPECT_EQ(texts(*form.ToList), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    form.BRightAll->click();
    EXPECT_EQ(texts(*form.ToList), (QStringList{"A", "C", "B", "D"}));
    EXPECT_FALSE(form.BRightOne->isEnabled());
    EXPECT_TRUE(form.BLeftAll->isEnabled());
    selectItems(*form.ToList, {QStringLiteral("D"), QStringLiteral("A")});
    form.BLeftOne->click();
    EXPECT_EQ(texts(*form.FromList), (QStringList{QStringLiteral("A"), QStringLiteral("D")}));
    EXPECT_EQ(texts(*form.ToList), (QStringList{QStringLiteral("C"), QStringLiteral("B")}));
    // Move down exchanges the selected item with its neighbour, which stays selected.
    form.ToList->setCurrentRow(0);
    EXPECT_FALSE(form.BMoveUp->isEnabled());
    EXPECT_TRUE(form.BMoveDown->isEnabled());
    form.BMoveDown->click();
    EXPECT_EQ(texts(*form.ToList), (QStringList{QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(form.ToList->currentItem()->text(), QStringLiteral("C"));
    EXPECT_TRUE(form.BMoveUp->isEnabled());
    EXPECT_FALSE(form.BMoveDown->isEnabled());
    form.BLeftAll->click();
    EXPECT_EQ(texts(*form.FromList), (QStringList{"A", "D", "B", "C"}));
    EXPECT_EQ(changes, 5);
}

#include "FunctionEditorTest.moc"
