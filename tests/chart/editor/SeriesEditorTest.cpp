// The series editor driven through its widgets: the tabs per series, the General, Marks and Data
// Source tabs, the guarded writes and the question of a source editor with pending changes.
#include "TFormPlotSeries.h"

#include "ChartClassRegistry.h"
#include "EditorTestSetup.h"
#include "PlotColorDialog.h"
#include "PlotExceptions.h"
#include "PlotFunctions.h"
#include "ScopedLocale.h"
#include "SeriesColorBox.h"
#include "TChart.h"
#include "TChartAxis.h"
#include "TChartGrid.h"
#include "TLineSeries.h"
#include "TPieSeries.h"
#include "TPlotFuncEditor.h"
#include "TPlotSeriesSource.h"
#include "TSeriesMarks.h"
#include "TSelectListForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A line series whose colour setter refuses every colour, as an axis refuses a bad range.
class RefusingSeries : public TLineSeries
{
    Q_OBJECT
public:
    using TLineSeries::TLineSeries;
    void SetSeriesColor(TColor value) override
    {
        Q_UNUSED(value);
        throw AxisException(QStringLiteral("Axis Maximum Value must be >= Minimum"));
    }
};

// A source type of the test, and its editor that always holds changes.
class TestSeriesSource : public TPlotSeriesSource
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TestSeriesSource(QObject *owner = nullptr)
        : TPlotSeriesSource(owner)
    {
    }
    QString Description() const override { return QStringLiteral("Test source"); }
    QString EditorClassName() const override { return QStringLiteral("TTestSourceEditor"); }
};

class PendingSourceEditor : public TBaseSourceEditor
{
public:
    using TBaseSourceEditor::TBaseSourceEditor;

protected:
    void showEvent(QShowEvent *event) override
    {
        TBaseSourceEditor::showEvent(event);
        BApply->setEnabled(true);
    }
};

class SeriesEditor : public EditorChartTest
{
protected:
    TFormPlotSeries form;

    void open(TChartSeries *series)
    {
        form.SetChart(chart.get());
        form.show();
        ASSERT_TRUE(form.SelectSeries(series));
    }
    QString activeTab() const { return form.PageSeries->tabText(form.PageSeries->currentIndex()); }
    bool tabShown(QWidget *tab) const { return form.PageSeries->isTabVisible(form.PageSeries->indexOf(tab)); }
    // Chooses an item as the user does.
    static void choose(QComboBox *combo, int index)
    {
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
};

// A bar-like editor: it inserts a "Stack" tab at index 1, as the stacked editors do.
QWidget *stackInserter(QWidget *owner, QObject *tag)
{
    auto *form = new QLabel(QStringLiteral("format"), owner);
    InsertEditorTab(form, [](QWidget *o, QObject *) -> QWidget * { return new QLabel(QStringLiteral("stack"), o); },
                    tag, QStringLiteral("Stack"), 1);
    return form;
}

} // namespace

TEST_F(SeriesEditor, AnUnregisteredEditorHidesFormatAndOpensOnGeneral)
{
    const ScopedEditorForm unregistered(QStringLiteral("TCustomSeriesEditor"), {});
    open(addLineSeries());
    EXPECT_FALSE(tabShown(form.TabFormat));
    EXPECT_EQ(form.PageSeries->currentWidget(), form.TabGeneral);
    EXPECT_EQ(form.LabelSeriesClass->text(), QStringLiteral("Line: S1"));
}

TEST_F(SeriesEditor, AnInsertedTabIsKeptForTheSameCaptionElseFormat)
{
    const ScopedEditorForm stacked(QStringLiteral("TPieSeriesEditor"), stackInserter);
    auto *pie1 = chart->AddSeriesOfClass<TPieSeries>();
    auto *pie2 = chart->AddSeriesOfClass<TPieSeries>();
    TLineSeries *line = addLineSeries();
    open(pie1);
    ASSERT_TRUE(tabShown(form.TabFormat));
    ASSERT_EQ(form.PageSeries->tabText(1), QStringLiteral("Stack"));
    form.PageSeries->setCurrentIndex(1);
    ASSERT_TRUE(form.SelectSeries(pie2));
    EXPECT_EQ(activeTab(), QStringLiteral("Stack"));
    EXPECT_EQ(form.PageSeries->count(), 5); // the old inserted tab is gone
    // The line editor has no "Stack" tab: its Format tab opens, beside its own "Point" tab.
    ASSERT_TRUE(form.SelectSeries(line));
    EXPECT_EQ(activeTab(), QStringLiteral("Format"));
    EXPECT_EQ(form.PageSeries->count(), 5);
    EXPECT_EQ(form.PageSeries->tabText(1), QStringLiteral("Point"));
}

TEST_F(SeriesEditor, DeletingTheEditedSeriesClearsTheForm)
{
    TLineSeries *first = addLineSeries();
    addLineSeries();
    open(first);
    delete first;
    EXPECT_EQ(form.TheSeries(), nullptr);
    EXPECT_FALSE(form.PageSeries->isVisible());
    EXPECT_EQ(form.CBSeries->count(), 1);
}

TEST_F(SeriesEditor, GeneralTabShowsAndWritesTheSeries)
{
    TLineSeries *series = addLineSeries();
    series->SetValueFormat(QStringLiteral("0.000"));
    chart->AddCustomAxis(true);
    chart->AddCustomAxis(false);
    open(series);
    form.ActivateTab(form.TabGeneral);
    // A format not in the list joins it; one horizontal custom axis joins the three fixed items.
    EXPECT_EQ(form.CBFormat->count(), 10);
    EXPECT_EQ(form.CBFormat->currentText(), QStringLiteral("0.000"));
    EXPECT_EQ(form.CBHorizAxis->count(), 4);
    // The text "Custom " and a blank, as the library's text has it.
    EXPECT_EQ(form.CBHorizAxis->itemText(3), QStringLiteral("Custom 0"));
    EXPECT_EQ(form.CBVertAxis->count(), 4);

    ASSERT_TRUE(form.CBDepthAuto->isChecked());
    form.CBDepthAuto->click();
    EXPECT_EQ(series->Depth(), 0);
    form.CBDepthAuto->click();
    EXPECT_EQ(series->Depth(), -1);

    EXPECT_EQ(form.CBCursor->count(), 22);
    EXPECT_GE(form.CBCursor->findText(QStringLiteral("PlotHand")), 0);
    EXPECT_LT(form.CBCursor->findText(QStringLiteral("crArrow")), 0);
    choose(form.CBCursor, form.CBCursor->findText(QStringLiteral("HandPoint")));
    EXPECT_EQ(series->Cursor(), -21);

    choose(form.CBSort, 1);
    EXPECT_EQ(series->XValues()->Order(), loDescending);
    for (int i = 1; i < series->Count(); ++i)
        EXPECT_GE(series->XValues()->Value(i - 1), series->XValues()->Value(i));
}

TEST_F(SeriesEditor, FormatsShowTheLocalesSeparatorsAndAreStoredWithTheLibrarys)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    TLineSeries *series = addLineSeries();
    open(series);
    form.ActivateTab(form.TabGeneral);
    EXPECT_EQ(form.CBFormat->currentText(), QStringLiteral("#.##0,###"));
    form.CBFormat->lineEdit()->clear();
    QTest::keyClicks(form.CBFormat->lineEdit(), QStringLiteral("#.##0,0"));
    EXPECT_EQ(series->ValueFormat(), QStringLiteral("#,##0.0"));
}

TEST_F(SeriesEditor, MarksTabStyleAndVisibility)
{
    TLineSeries *series = addLineSeries();
    TLineSeries *other = addLineSeries();
    open(series);
    form.PageSeries->setCurrentWidget(form.TabMarks);
    const bool multiLine[] = {false, false, false, true, true, false, true, true, false, true};
    for (int style = 0; style < 10; ++style) {
        SCOPED_TRACE(style);
        choose(form.CBMarkStyle, style);
        EXPECT_EQ(int(series->Marks()->Style()), style);
        EXPECT_EQ(form.CBMultiLine->isEnabled(), multiLine[style]);
    }
    form.CBAllVisible->click();
    EXPECT_TRUE(series->Marks()->Visible());
    EXPECT_TRUE(other->Marks()->Visible());
    EXPECT_TRUE(form.CBMarksVisible->isChecked());
    form.CBAllVisible->click();
    EXPECT_FALSE(other->Marks()->Visible());
    EXPECT_FALSE(form.CBMarksVisible->isChecked());

    form.SEMarksAngle->setValue(355);
    form.SEMarksAngle->stepUp();
    EXPECT_EQ(series->Marks()->Angle(), 360);
    form.SEMarksAngle->stepUp();
    EXPECT_EQ(form.SEMarksAngle->value(), 0); // wraps past 360
    form.SEMarksAngle->stepUp();
    EXPECT_EQ(series->Marks()->Angle(), 5);
}

TEST_F(SeriesEditor, DataSourceRandomPanelFillsAndClears)
{
    TLineSeries *series = addLineSeries();
    series->FillSampleValues(0);
    open(series);
    form.PageSeries->setCurrentWidget(form.TabDataSource);
    EXPECT_EQ(form.CBDataSourceStyle->currentText(), QStringLiteral("Random"));
    EXPECT_EQ(form.SENumPoints->value(), series->DefaultSampleCount());
    EXPECT_TRUE(form.CBDefault->isChecked());
    EXPECT_FALSE(form.CBDefault->isEnabled());

    form.SENumPoints->setValue(12);
    EXPECT_FALSE(form.CBDefault->isChecked());
    form.BApplyRandom->click();
    EXPECT_EQ(series->Count(), 12);

    form.BClearRandom->click();
    EXPECT_EQ(series->Count(), 0);
    EXPECT_EQ(form.CBDataSourceStyle->currentText(), QStringLiteral("Manual"));
    EXPECT_TRUE(series->ManualData());
}

TEST_F(SeriesEditor, APieHasNoColourBoxAndALineItsSymbol)
{
    auto *pie = chart->AddSeriesOfClass<TPieSeries>();
    TLineSeries *line = addLineSeries();
    open(pie);
    EXPECT_FALSE(form.SeriesColor->isVisible());
    ASSERT_TRUE(form.SelectSeries(line));
    EXPECT_TRUE(form.SeriesColor->isVisible());
}

TEST_F(SeriesEditor, ARefusedWriteShowsOneErrorBoxAndTheStoredValue)
{
    auto *series = chart->AddSeriesOfClass<RefusingSeries>();
    open(series);
    const TColor before = series->SeriesColor();
    PlotColorDialog::DialogHook() = [](QWidget *, TColor, QList<QColor> &) { return std::optional<TColor>(0x123456); };
    QTest::mouseClick(form.SeriesColor, Qt::LeftButton);
    PlotColorDialog::DialogHook() = {};
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().text, QStringLiteral("Axis Maximum Value must be >= Minimum"));
    EXPECT_EQ(series->SeriesColor(), before);
}

TEST_F(SeriesEditor, PendingSourceChangesAskBeforeAnotherSeriesAndCancelKeepsTheFirst)
{
    TLineSeries *first = addLineSeries();
    TLineSeries *second = addLineSeries();
    open(first);
    // A registered source type whose editor holds unapplied changes.
    PlotEngine::RegisterSeriesSource(&TestSeriesSource::staticMetaObject);
    const ScopedEditorForm editor(QStringLiteral("TTestSourceEditor"), [](QWidget *owner, QObject *) -> QWidget * {
        return new PendingSourceEditor(owner);
    });
    form.PageSeries->setCurrentWidget(form.TabDataSource);
    const int item = form.CBDataSourceStyle->findText(QStringLiteral("Test source"));
    ASSERT_EQ(item, 3);
    choose(form.CBDataSourceStyle, item);
    ASSERT_NE(form.SourceEditor(), nullptr);
    ASSERT_TRUE(form.SourceEditor()->HasPendingChanges());
    const struct { int answer; TChartSeries *shown; } cases[] = {{IdCancel, first}, {IdNo, second}};
    for (const auto &c : cases) {
        messages.clear();
        messages.queueAnswer(c.answer);
        choose(form.CBSeries, 1);
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().text, QStringLiteral("Apply Changes ?"));
        EXPECT_EQ(form.TheSeries(), c.shown);
        EXPECT_EQ(form.CBSeries->currentData().value<QObject *>(), c.shown);
    }
    EXPECT_EQ(form.SourceEditor(), nullptr);
}

TEST_F(SeriesEditor, ASeriesWithAFunctionOpensOnTheFunctionPanel)
{
    TLineSeries *source = addLineSeries();
    TLineSeries *average = addLineSeries();
    average->SetFunction(new TAveragePlotFunction);
    average->AddDataSource(source);
    open(average);
    form.PageSeries->setCurrentWidget(form.TabDataSource);
    EXPECT_EQ(form.CBDataSourceStyle->currentText(), QStringLiteral("Function"));
    EXPECT_TRUE(form.TabDataSource->isEnabled());
    auto *panel = qobject_cast<TPlotFuncEditor *>(form.SourceEditor());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->ChosenClass()->name, QStringLiteral("TAveragePlotFunction"));
    EXPECT_EQ(panel->ISources->ToList->count(), 1);
    ASSERT_TRUE(form.SelectSeries(source));
    form.PageSeries->setCurrentWidget(form.TabDataSource);
    // Points added in code, not typed in: "Random"; the tab is editable again.
    EXPECT_EQ(form.CBDataSourceStyle->currentText(), QStringLiteral("Random"));
    EXPECT_TRUE(form.TabDataSource->isEnabled());
}

TEST_F(SeriesEditor, ManualDataIsEditedInTheDataGridOnTheSeries)
{
    TLineSeries *series = addLineSeries();
    series->SetManualData(true);
    open(series);
    form.PageSeries->setCurrentWidget(form.TabDataSource);
    EXPECT_EQ(form.CBDataSourceStyle->currentText(), QStringLiteral("Manual"));
    auto *grid = form.ManualPanel() ? form.ManualPanel()->findChild<TChartGrid *>() : nullptr;
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Series(), series);
    const QModelIndex cell = grid->Model()->index(2, grid->Model()->columnCount() - 1);
    ASSERT_TRUE(grid->Model()->setData(cell, QStringLiteral("42"), Qt::EditRole));
    EXPECT_EQ(series->GetYValue(2), 42.0);
    // Choosing "Random" takes the grid away.
    form.CBDataSourceStyle->setCurrentIndex(1);
    Q_EMIT form.CBDataSourceStyle->activated(1);
    EXPECT_EQ(form.ManualPanel(), nullptr);
}

TEST_F(SeriesEditor, TheChartMayGoBeforeTheFormOrAfterIt)
{
    for (const bool chartFirst : {true, false}) {
        SCOPED_TRACE(chartFirst ? "chart first" : "form first");
        auto ownChart = std::make_unique<TChart>();
        auto *series = ownChart->AddSeriesOfClass<TLineSeries>();
        series->AddXY(1, 2);
        auto seriesForm = std::make_unique<TFormPlotSeries>();
        seriesForm->SetChart(ownChart.get());
        seriesForm->show();
        ASSERT_TRUE(seriesForm->SelectSeries(series));
        if (chartFirst) {
            ownChart.reset();
            EXPECT_EQ(seriesForm->TheSeries(), nullptr);
            seriesForm->FillSeriesCombo();
            EXPECT_EQ(seriesForm->CBSeries->count(), 0);
        }
        seriesForm.reset();
        ownChart.reset();
    }
}

#include "SeriesEditorTest.moc"
