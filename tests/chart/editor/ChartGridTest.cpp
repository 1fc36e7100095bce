// The chart data grid: rows and columns from the series, typed cells written into the value
// lists (and refused texts written nowhere), rows from the keyboard, the navigator, the Data tab,
// the XYZ table and the two-line headers.
#include "TChartGrid.h"

#include "ChartDataPage.h"
#include "ChartGridHeader.h"
#include "EditorTestSetup.h"
#include "PlotColorDialog.h"
#include "ScopedLocale.h"
#include "ScriptedDialogService.h"
#include "TBarSeries.h"
#include "TBubbleSeries.h"
#include "TChart.h"
#include "TChartGridNavigator.h"
#include "TChartValueList.h"
#include "TLineSeries.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

class ChartGridTest : public EditorChartTest
{
protected:
    // Line series of the given point counts, Y = 10 + index.
    void makeSeries(std::initializer_list<int> counts)
    {
        for (const int count : counts) {
            auto *s = chart->AddSeriesOfClass<TLineSeries>();
            s->SetTitle(QStringLiteral("S%1").arg(chart->SeriesCount()));
            for (int i = 0; i < count; ++i)
                s->AddXY(i, 10 + i + 0.25 * chart->SeriesCount());
        }
        grid.SetChart(chart.get());
        grid.resize(400, 300);
        grid.show();
    }
    TChartSeries *series(int i) const { return chart->GetSeries(i); }
    // The grid column of a series' value list.
    int columnOf(const TChartSeries *s, int list) const
    {
        for (int c = 0; c < grid.Model()->columnCount(); ++c)
            if (grid.Model()->column(c).series == s && grid.Model()->column(c).list == list)
                return c;
        return -1;
    }
    QString shown(int row, int column) const
    {
        return grid.Model()->index(row, column).data(Qt::DisplayRole).toString();
    }
    // Commits a text into a cell as the cell editor does.
    bool type(int row, int column, const QString &text)
    {
        return grid.Model()->setData(grid.Model()->index(row, column), text, Qt::EditRole);
    }
    // F2 on the cell; the open editor.
    QLineEdit *openEditor(int row, int column)
    {
        grid.setCurrentIndex(grid.Model()->index(row, column));
        QTest::keyClick(&grid, Qt::Key_F2);
        for (QLineEdit *line : grid.viewport()->findChildren<QLineEdit *>())
            if (line->isVisible())
                return line;
        return nullptr;
    }
    // Types the text into the cell's editor key by key, then Enter.
    void typeInEditor(int row, int column, const QString &text)
    {
        QCoreApplication::processEvents(); // a pending rebuild would drop the editor's queued commit
        QLineEdit *editor = openEditor(row, column);
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    static std::vector<double> values(const TChartSeries &s)
    {
        std::vector<double> result;
        for (const TChartValueList *list : s.ValueLists())
            for (int i = 0; i < list->Count(); ++i)
                result.push_back(list->Value(i));
        return result;
    }

    // A bubble series as X, Y and Z (the radius) points.
    struct XYZ {
        double x, y, z;
    };
    TChartSeries *makeTable(std::initializer_list<XYZ> points)
    {
        auto *s = chart->AddSeriesOfClass<TBubbleSeries>();
        for (const XYZ &p : points)
            s->AddBubble(p.x, p.y, p.z);
        grid.SetChart(chart.get());
        grid.resize(400, 300);
        grid.show();
        return s;
    }
    static int pointOf(const TChartSeries &s, double x, double z)
    {
        for (int i = 0; i < s.Count(); ++i)
            if (s.GetXValue(i) == x && s.ValueLists()[2]->Value(i) == z)
                return i;
        return -1;
    }

    TChartGrid grid;
};

// Pixels of the image inside the rectangle for which the test holds.
int countPixels(const QImage &image, const QRect &rect, const std::function<bool(QColor)> &test)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.rect().contains(x, y) && test(image.pixelColor(x, y)))
                ++n;
    return n;
}

bool bitIdentical(const std::vector<double> &a, const std::vector<double> &b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

} // namespace

TEST_F(ChartGridTest, RowsFollowTheLongestSeriesAndTypingPadsWithNullPoints)
{
    makeSeries({3, 5});
    EXPECT_EQ(grid.Model()->rowCount(), 5);
    const int y = columnOf(series(0), 1);
    ASSERT_GT(y, 0);
    EXPECT_EQ(columnOf(series(0), 0), -1); // no X values of its own
    EXPECT_EQ(shown(4, y), QString());
    ASSERT_TRUE(type(4, y, QStringLiteral("7")));
    ASSERT_EQ(series(0)->Count(), 5);
    EXPECT_TRUE(series(0)->IsNull(3));
    EXPECT_FALSE(series(0)->IsNull(4));
    EXPECT_EQ(series(0)->GetYValue(4), 7.0);
    // Clearing makes the point null; a number brings it back with the default colour.
    ASSERT_TRUE(type(1, y, QString()));
    EXPECT_TRUE(series(0)->IsNull(1));
    EXPECT_EQ(shown(1, y), QString());
    ASSERT_TRUE(type(1, y, QStringLiteral("2")));
    EXPECT_FALSE(series(0)->IsNull(1));
    EXPECT_EQ(series(0)->ColorList()[1], clPlotColor);
    EXPECT_EQ(series(0)->GetYValue(1), 2.0);
}

TEST_F(ChartGridTest, AnXColumnOnlyForASeriesWithXValuesOfItsOwn)
{
    makeSeries({3, 3});
    series(1)->XValues()->SetValue(2, 7.5);
    grid.SetShowXValues(cgsAuto);
    EXPECT_EQ(columnOf(series(0), 0), -1);
    EXPECT_GT(columnOf(series(1), 0), 0);
    grid.SetShowXValues(cgsYes);
    EXPECT_GT(columnOf(series(0), 0), 0);
    grid.SetShowXValues(cgsNo);
    EXPECT_EQ(columnOf(series(1), 0), -1);
}

TEST_F(ChartGridTest, RefusedTextsLeaveTheSeriesExactlyAsItWas)
{
    for (const QLocale &locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany)}) {
        SCOPED_TRACE(locale.name().toStdString());
        const ScopedLocale scoped(locale);
        chart->FreeAllSeries();
        makeSeries({3, 10});
        const int y = columnOf(series(0), 1);
        const std::vector<double> before = values(*series(0));
        for (const QString &text : {QStringLiteral("1,2,3"), QStringLiteral("abc"), QStringLiteral("-"),
                                    QStringLiteral("1e999"), QStringLiteral("nan"), QString(10000, QLatin1Char('9'))}) {
            SCOPED_TRACE(text.left(20).toStdString());
            messages.clear();
            EXPECT_FALSE(type(6, y, text));
            ASSERT_EQ(messages.shown().size(), 1);
            EXPECT_TRUE(messages.shown().first().text.startsWith(QStringLiteral("Incorrect value. Reason: ")));
            EXPECT_EQ(series(0)->Count(), 3);
            EXPECT_TRUE(bitIdentical(values(*series(0)), before));
            EXPECT_EQ(shown(6, y), QString());
        }
        // A date-time list takes a date, a time or both, four-digit years only; typed into an
        // empty cell and over a value.
        series(0)->YValues()->SetDateTime(true);
        for (const int row : {6, 1}) {
            const QString old = shown(row, y);
            for (const char *text : {"31.02.2024", "25:61", "20.03.24"}) {
                SCOPED_TRACE(testing::Message() << text << " row " << row);
                messages.clear();
                typeInEditor(row, y, QString::fromLatin1(text));
                EXPECT_EQ(messages.shown().size(), 1);
                EXPECT_EQ(series(0)->Count(), 3);
                EXPECT_TRUE(bitIdentical(values(*series(0)), before));
                EXPECT_EQ(shown(row, y), old);
            }
        }
        if (locale.language() == QLocale::German) {
            messages.clear();
            typeInEditor(1, y, QStringLiteral("20.03.2024 10:30"));
            EXPECT_EQ(series(0)->GetYValue(1), 45371.4375);
            EXPECT_TRUE(messages.shown().isEmpty());
        }
    }
}

TEST_F(ChartGridTest, EscapeAndAnUnchangedCommitKeepTheFullValue)
{
    makeSeries({3});
    series(0)->YValues()->SetValue(0, 1.23456);
    series(0)->SetValueFormat(QStringLiteral("#,##0.###"));
    const int y = columnOf(series(0), 1);
    EXPECT_EQ(shown(0, y), QStringLiteral("1.235"));
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        SCOPED_TRACE(key);
        QLineEdit *editor = openEditor(0, y);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), QStringLiteral("1.23456"));
        QTest::keyClick(editor, key);
        QCoreApplication::processEvents(); // Enter closes the editor from the event loop
        EXPECT_FALSE(grid.Editing());
        EXPECT_EQ(series(0)->GetYValue(0), 1.23456);
    }
    // A date-time shown as a date keeps its time.
    series(0)->YValues()->SetDateTime(true);
    series(0)->YValues()->SetValue(1, 45371.4375);
    EXPECT_FALSE(shown(1, y).contains(QLatin1Char(':')));
    QLineEdit *editor = openEditor(1, y);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(series(0)->GetYValue(1), 45371.4375);
    // Escape on a newly appended row leaves its point null.
    QTest::keyClick(&grid, Qt::Key_Insert);
    ASSERT_EQ(series(0)->Count(), 4);
    editor = openEditor(3, y);
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("5"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(series(0)->IsNull(3));
}

TEST_F(ChartGridTest, AFreedSeriesLeavesAtOnceAndAnEditorOnItCommitsNothing)
{
    // The second series is freed while no cell, one of its own or one of the first series is edited.
    for (const int edited : {-1, 1, 0}) {
        SCOPED_TRACE(edited);
        chart->FreeAllSeries();
        makeSeries({3, 5});
        const int columns = grid.Model()->columnCount();
        if (edited >= 0) {
            QLineEdit *editor = openEditor(1, columnOf(series(edited), 1));
            ASSERT_NE(editor, nullptr);
            editor->setText(QStringLiteral("7"));
        }
        { const std::unique_ptr<TChartSeries> freed(series(1)); }
        // Before any queued event runs: painting and committing touch only the first series.
        EXPECT_EQ(grid.Model()->columnCount(), columns - 1);
        EXPECT_EQ(grid.Model()->rowCount(), 3);
        EXPECT_EQ(grid.Editing(), edited == 0);
        grid.grab();
        grid.Post();
        EXPECT_EQ(series(0)->GetYValue(1), edited == 0 ? 7.0 : 11.25);
    }
}

TEST_F(ChartGridTest, FollowsTheChartsSeriesEventsAndOutlivesTheChart)
{
    makeSeries({3});
    series(0)->YValues()->SetValue(0, 42);
    QSignalSpy repainted(grid.Model(), &QAbstractItemModel::dataChanged);
    series(0)->RefreshSeries();
    EXPECT_FALSE(repainted.isEmpty());
    auto *added = chart->AddSeriesOfClass<TLineSeries>();
    for (int i = 0; i < 4; ++i)
        added->AddXY(i, i);
    QCoreApplication::processEvents();
    EXPECT_GT(columnOf(added, 1), 0);
    EXPECT_EQ(grid.Model()->rowCount(), 4);
    chart->RemoveSeries(added);
    EXPECT_EQ(columnOf(added, 1), -1);
    EXPECT_EQ(grid.Model()->rowCount(), 3);
    // Freed with its series: the grid keeps the number and label columns and paints them.
    chart.reset();
    EXPECT_EQ(grid.Chart(), nullptr);
    EXPECT_EQ(grid.Model()->columnCount(), 2);
    EXPECT_EQ(grid.Model()->rowCount(), 1);
    grid.grab();
}

TEST_F(ChartGridTest, KeysAppendRemoveAndDeleteRows)
{
    makeSeries({3, 2});
    const int y = columnOf(series(0), 1);
    grid.setCurrentIndex(grid.Model()->index(0, y));
    QTest::keyClick(&grid, Qt::Key_Insert);
    EXPECT_EQ(series(0)->Count(), 4);
    EXPECT_EQ(series(1)->Count(), 3);
    EXPECT_EQ(series(1)->GetXValue(2), 2.0);
    EXPECT_TRUE(series(0)->IsNull(3));
    EXPECT_EQ(grid.Row(), 3);
    // Up on the trailing null row removes it from the series that have it.
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(series(0)->Count(), 3);
    EXPECT_EQ(grid.Model()->rowCount(), 3);
    // With a label it stays.
    QTest::keyClick(&grid, Qt::Key_Down);
    ASSERT_EQ(series(0)->Count(), 4);
    series(0)->Labels().SetLabel(3, QStringLiteral("kept"));
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(series(0)->Count(), 4);
    // Delete takes the row's point out and numbers the rest again.
    grid.setCurrentIndex(grid.Model()->index(1, y));
    grid.Delete();
    ASSERT_EQ(series(0)->Count(), 3);
    EXPECT_EQ(series(0)->GetXValue(1), 1.0);
    EXPECT_EQ(series(0)->GetYValue(1), 12.25);
}

TEST_F(ChartGridTest, TheColourColumnEditsThePointColour)
{
    makeSeries({3});
    grid.SetShowColors(true);
    int changed = 0;
    grid.OnChangeColor = [&] { ++changed; };
    const TColor picked = 0x123456; // no palette colour
    std::optional<TColor> answer;
    TColor shown = clNone;
    PlotColorDialog::DialogHook() = [&](QWidget *, TColor color, QList<QColor> &) {
        shown = color;
        return answer;
    };
    grid.setCurrentIndex(grid.Model()->index(1, 1));
    // The dialog opens on the colour the point is drawn in; OK on it changes nothing.
    answer = series(0)->Color();
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(shown, series(0)->Color());
    EXPECT_TRUE(series(0)->ColorList().empty());
    EXPECT_EQ(changed, 0);
    answer = picked;
    QTest::keyClick(&grid, Qt::Key_Space);
    ASSERT_EQ(series(0)->ColorList().size(), 3u);
    EXPECT_EQ(series(0)->ColorList()[1], picked);
    EXPECT_EQ(changed, 1);
    answer.reset();
    QTest::keyClick(&grid, Qt::Key_F2);
    EXPECT_EQ(shown, picked);
    EXPECT_EQ(series(0)->ColorList()[1], picked);
    EXPECT_EQ(changed, 1);
    EXPECT_FALSE(grid.Editing());
    PlotColorDialog::DialogHook() = {};
}

TEST_F(ChartGridTest, TheNavigatorEnablesWhatTheRowAndEditingAllow)
{
    makeSeries({3});
    TChartGridNavigator navigator;
    navigator.SetGrid(&grid);
    const int y = columnOf(series(0), 1);
    const auto enabled = [&] {
        QString flags;
        for (int i = 0; i < kNavigateButtonCount; ++i)
            flags += navigator.Button(TPlotNavigateBtn(i))->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return flags;
    };
    grid.setCurrentIndex(grid.Model()->index(0, y));
    EXPECT_EQ(enabled(), QStringLiteral("001111100"));
    navigator.BtnClick(nbLast);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(enabled(), QStringLiteral("110011100"));
    navigator.BtnClick(nbEdit);
    ASSERT_TRUE(grid.Editing());
    EXPECT_EQ(enabled(), QStringLiteral("000000011"));
    navigator.BtnClick(nbCancel);
    EXPECT_FALSE(grid.Editing());
    EXPECT_EQ(series(0)->GetYValue(2), 12.25);
    // A series fed by another is not typed into.
    auto *fed = chart->AddSeriesOfClass<TLineSeries>();
    fed->SetDataSource(series(0));
    grid.SetSeries(fed);
    grid.setCurrentIndex(grid.Model()->index(0, columnOf(fed, 1)));
    navigator.BtnClick(nbEdit);
    EXPECT_FALSE(grid.Editing());
}

TEST_F(ChartGridTest, TheDataTabsPopupAndToggles)
{
    makeSeries({3});
    ChartDataPage page;
    page.ShowChart(chart.get());
    page.show();
    TChartGrid &data = *page.ChartGrid1;
    data.setCurrentIndex(data.Model()->index(1, 2));
    page.PreparePopup();
    EXPECT_TRUE(page.EditColor1->isVisible());
    EXPECT_FALSE(page.DefaultColor1->isVisible());
    page.MakeNull1->trigger();
    EXPECT_EQ(series(0)->ColorList()[1], clNone);
    page.PreparePopup();
    EXPECT_FALSE(page.MakeNull1->isVisible());
    page.DefaultColor1->trigger();
    EXPECT_EQ(series(0)->ColorList()[1], clPlotColor);
    EXPECT_FALSE(page.SBGridX->isChecked());
    page.SBGridX->click();
    EXPECT_EQ(data.ShowXValues(), cgsYes);
    page.SBGridX->click();
    EXPECT_EQ(data.ShowXValues(), cgsNo);
    page.SBGridCol->click();
    EXPECT_TRUE(data.ShowColors());
}

// Below the grid of the Data tab its navigator shows at its buttons' height, moves the grid's row,
// appends a row and deletes one.
TEST_F(ChartGridTest, TheDataTabsNavigatorShowsBelowTheGridMovesItsRowAndAddsAndDeletesRows)
{
    makeSeries({3});
    TChartSeries *series = this->series(0);
    ChartDataPage page;
    page.resize(420, 300);
    page.ShowChart(chart.get());
    page.show();
    auto *navigator = page.findChild<TChartGridNavigator *>(QStringLiteral("ChartGridNavigator1"));
    ASSERT_NE(navigator, nullptr);
    EXPECT_EQ(navigator->Grid(), page.ChartGrid1);
    expectShownAtButtonHeight(*navigator);
    EXPECT_GE(navigator->geometry().top(), page.ChartGrid1->geometry().bottom());
    for (const TPlotNavigateBtn shown : {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete})
        EXPECT_FALSE(navigator->Button(shown)->isHidden()) << shown;
    TChartGrid &data = *page.ChartGrid1;
    data.setCurrentIndex(data.Model()->index(0, 2));
    const int row = data.currentIndex().row();
    ASSERT_TRUE(navigator->Button(nbNext)->isEnabled());
    navigator->Button(nbNext)->click();
    EXPECT_EQ(data.currentIndex().row(), row + 1);
    navigator->Button(nbFirst)->click();
    EXPECT_EQ(data.currentIndex().row(), row);

    const int rows = data.Model()->rowCount();
    ASSERT_TRUE(navigator->Button(nbInsert)->isEnabled());
    QTest::mouseClick(navigator->Button(nbInsert), Qt::LeftButton);
    EXPECT_EQ(data.Model()->rowCount(), rows + 1);
    EXPECT_EQ(series->Count(), 4);
    EXPECT_EQ(data.currentIndex().row(), rows);
    ASSERT_TRUE(navigator->Button(nbDelete)->isEnabled());
    QTest::mouseClick(navigator->Button(nbDelete), Qt::LeftButton);
    EXPECT_EQ(data.Model()->rowCount(), rows);
    EXPECT_EQ(series->Count(), 3);
}

TEST_F(ChartGridTest, TheXYZTableShowsYByXColumnsAndZRows)
{
    TChartSeries *s = makeTable({{1, 10, 0}, {2, 20, 0}, {1, 11, 1}, {2, 21, 1}});
    grid.SetShowColors(true);
    grid.SetGrid3D(true);
    ASSERT_TRUE(grid.Grid3D());
    const ChartGridModel &model = *grid.Model();
    ASSERT_EQ(model.columnCount(), 3); // the number column and the X values 1 and 2
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.headerName(1), QStringLiteral("1"));
    EXPECT_EQ(model.headerName(2), QStringLiteral("2"));
    const struct {
        int row, column;
        const char *text;
    } cells[] = {{0, 0, "0"}, {1, 0, "1"}, {0, 1, "10"}, {0, 2, "20"}, {1, 1, "11"}, {1, 2, "21"}};
    for (const auto &cell : cells) {
        SCOPED_TRACE(cell.text);
        EXPECT_EQ(shown(cell.row, cell.column), QString::fromLatin1(cell.text));
    }
    // A cell writes the Y of its own (X, Z) point, and only that.
    ASSERT_TRUE(type(1, 2, QStringLiteral("25")));
    EXPECT_EQ(s->GetYValue(pointOf(*s, 2, 1)), 25.0);
    EXPECT_EQ(s->GetYValue(pointOf(*s, 2, 0)), 20.0);
    EXPECT_EQ(s->GetYValue(pointOf(*s, 1, 1)), 11.0);
    EXPECT_EQ(s->Count(), 4);
    // Clearing a cell makes its point null, not some other row's.
    ASSERT_TRUE(type(0, 1, QString()));
    EXPECT_TRUE(s->IsNull(pointOf(*s, 1, 0)));
    EXPECT_FALSE(s->IsNull(pointOf(*s, 1, 1)));
    // Down on the last row appends nothing in the table.
    grid.setCurrentIndex(model.index(1, 1));
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(s->Count(), 4);
    // Off again: one row per point, the colour column back.
    grid.SetGrid3D(false);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.column(1).kind, ChartGridModel::ColorColumn);
}

TEST_F(ChartGridTest, AnXYZCellWithoutAPointStoresNothing)
{
    TChartSeries *s = makeTable({{1, 10, 0}, {2, 20, 0}, {1, 11, 1}, {2, 21, 5}});
    grid.SetGrid3D(true);
    ASSERT_EQ(grid.Model()->rowCount(), 3); // the Z values 0, 1 and 5
    EXPECT_EQ(shown(2, 0), QStringLiteral("5"));
    const std::vector<double> before = values(*s);
    for (const auto &[row, column] : {std::pair{1, 2}, std::pair{2, 1}}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(shown(row, column), QString());
        EXPECT_FALSE(type(row, column, QStringLiteral("7")));
        EXPECT_EQ(shown(row, column), QString());
    }
    EXPECT_EQ(s->Count(), 4);
    EXPECT_TRUE(bitIdentical(values(*s), before));
    // Deleting in the table takes the cell's point only.
    grid.setCurrentIndex(grid.Model()->index(2, 2));
    grid.Delete();
    EXPECT_EQ(s->Count(), 3);
    EXPECT_EQ(pointOf(*s, 2, 5), -1);
    EXPECT_NE(pointOf(*s, 2, 0), -1);
}

TEST_F(ChartGridTest, OnlyASeriesWithZValuesGetsTheXYZTable)
{
    makeSeries({3});
    grid.SetGrid3D(true);
    EXPECT_FALSE(grid.Grid3D());
    EXPECT_EQ(grid.Model()->rowCount(), 3);
}

TEST_F(ChartGridTest, TheDataTabsXYZToggleAndAltRightClick)
{
    for (const bool xyz : {false, true}) {
        SCOPED_TRACE(xyz);
        chart->FreeAllSeries();
        if (xyz)
            makeTable({{1, 10, 0}, {2, 20, 0}, {1, 11, 1}, {2, 21, 1}});
        else
            makeSeries({4});
        ChartDataPage page;
        page.ShowChart(chart.get());
        page.resize(400, 300);
        page.show();
        EXPECT_EQ(page.SBGrid3D->isEnabled(), xyz);
        EXPECT_FALSE(page.SBGrid3D->isChecked());
        QWidget *cells = page.ChartGrid1->viewport();
        QTest::mouseClick(cells, Qt::RightButton, Qt::AltModifier, QPoint(5, 5));
        EXPECT_EQ(page.ChartGrid1->Grid3D(), xyz);
        EXPECT_EQ(page.SBGrid3D->isChecked(), xyz);
        EXPECT_EQ(page.ChartGrid1->Model()->rowCount(), xyz ? 2 : 4);
        // Without Alt the right button leaves the table as it is.
        QTest::mouseClick(cells, Qt::RightButton, {}, QPoint(5, 5));
        EXPECT_EQ(page.ChartGrid1->Grid3D(), xyz);
        if (xyz) {
            page.SBGrid3D->click();
            EXPECT_FALSE(page.ChartGrid1->Grid3D());
            EXPECT_EQ(page.ChartGrid1->Model()->rowCount(), 4);
        }
    }
}

TEST_F(ChartGridTest, TheHeaderDrawsTheSymbolInTheSeriesColourAndTwoLines)
{
    auto *bars = chart->AddSeriesOfClass<TBarSeries>();
    bars->SetTitle(QStringLiteral("Bars"));
    bars->SetSeriesColor(clRed);
    bars->AddXY(0, 1);
    bars->AddXY(1, 2);
    grid.SetChart(chart.get());
    grid.resize(400, 300);
    grid.show();
    auto *header = qobject_cast<ChartGridHeader *>(grid.horizontalHeader());
    ASSERT_NE(header, nullptr);
    // Row 0 is 20 pixels high unless the font needs more, row 1 a data row.
    EXPECT_EQ(header->height(), std::max(20, header->fontMetrics().height() + 2) + 16);
    int column = -1;
    for (int c = 0; c < grid.Model()->columnCount(); ++c)
        if (grid.Model()->column(c).series == bars)
            column = c;
    ASSERT_GT(column, 0);
    EXPECT_EQ(grid.Model()->headerTitle(column), QStringLiteral("Bars"));
    EXPECT_EQ(grid.Model()->headerName(column), QStringLiteral("Bar"));
    const QImage image = header->grab().toImage();
    const int left = header->sectionViewportPosition(column);
    const auto reddish = [](QColor c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; };
    const auto dark = [](QColor c) { return c.lightness() < 100; };
    EXPECT_GT(countPixels(image, QRect(left + 4, 4, 12, 12), reddish), 20);
    // No red beyond the symbol: the title and the name are in the text colour.
    EXPECT_EQ(countPixels(image, QRect(left + 18, 0, header->sectionSize(column) - 20, header->height()), reddish), 0);
    EXPECT_GT(countPixels(image, QRect(left + 18, 4, header->sectionSize(column) - 20, 14), dark), 0);
    const int second = header->firstLineHeight();
    EXPECT_GT(countPixels(image, QRect(left + 2, second, header->sectionSize(column) - 4, 15), dark), 0);
    // The number column has no symbol.
    EXPECT_EQ(countPixels(image, QRect(4, 4, 12, 12), reddish), 0);
}

TEST_F(ChartGridTest, AHeaderPressSelectsTheColumnUnlessEditing)
{
    makeSeries({3, 3});
    const int first = columnOf(series(0), 1);
    const int second = columnOf(series(1), 1);
    QHeaderView *header = grid.horizontalHeader();
    int moved = 0;
    grid.OnMoved = [&] { ++moved; };
    const auto press = [&](int column) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    };
    press(first);
    EXPECT_TRUE(grid.selectionModel()->isColumnSelected(first));
    EXPECT_FALSE(grid.selectionModel()->isColumnSelected(second));
    EXPECT_GE(moved, 1);
    ASSERT_NE(openEditor(1, first), nullptr);
    press(second);
    EXPECT_TRUE(grid.Editing());
    EXPECT_FALSE(grid.selectionModel()->isColumnSelected(second));
}

TEST_F(ChartGridTest, TheHandCursorOverColourCellsWhileEditingIsAllowed)
{
    makeSeries({3});
    grid.SetShowColors(true);
    const int y = columnOf(series(0), 1);
    const auto cursorOver = [&](int column) {
        const QPoint at = grid.visualRect(grid.Model()->index(1, column)).center();
        QMouseEvent move(QEvent::MouseMove, at, grid.viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid.viewport(), &move);
        return grid.viewport()->cursor().shape();
    };
    EXPECT_EQ(cursorOver(1), Qt::PointingHandCursor);
    EXPECT_EQ(cursorOver(y), Qt::ArrowCursor);
    grid.AllowEditing = false;
    EXPECT_EQ(cursorOver(1), Qt::ArrowCursor);
}

TEST_F(ChartGridTest, TheDataTabsTextFontGoesThroughTheFontDialog)
{
    makeSeries({3});
    ScriptedDialogService dialogs;
    ChartDataPage page;
    page.ShowChart(chart.get());
    EXPECT_TRUE(page.PopupData->actions().contains(page.TextFont1));
    const QFont before = page.ChartGrid1->font();
    page.TextFont1->trigger(); // cancelled
    EXPECT_EQ(page.ChartGrid1->font(), before);
    EXPECT_EQ(page.ChartGrid1->verticalHeader()->defaultSectionSize(), 16);
    QFont big(before.family(), 24);
    big.setBold(true);
    dialogs.queueFont(big);
    page.TextFont1->trigger();
    ASSERT_EQ(dialogs.calls().size(), 2);
    EXPECT_EQ(dialogs.calls()[0].kind, ScriptedDialogService::Kind::ChooseFont);
    EXPECT_EQ(dialogs.calls()[0].font.family(), before.family());
    EXPECT_EQ(page.ChartGrid1->font().pointSize(), 24);
    EXPECT_TRUE(page.ChartGrid1->font().bold());
    EXPECT_EQ(page.ChartGrid1->verticalHeader()->defaultSectionSize(),
              QFontMetrics(page.ChartGrid1->font()).height() + 2);
}
