// The series list: checks, deleting, dragging, following the chart, drawing and renaming.
#include "TChartListBox.h"

#include "ChartLibrary.h"
#include "ChartTestSetup.h"
#include "EditorTestSetup.h"
#include "PlotColorDialog.h"
#include "PlotGalleryHooks.h"
#include "ScriptedDialogService.h"
#include "ScriptedMessageService.h"
#include "TChart.h"
#include "TLineSeries.h"
#include "TPieSeries.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// A chart with the series S1, S2, S3 (titled "One", "Two", "Three") in a shown list.
class ChartListBoxTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        registerChartLibrary();
        registerTestFont();
    }

    void SetUp() override
    {
        const char *titles[] = {"One", "Two", "Three"};
        for (int i = 0; i < 3; ++i) {
            auto *series = chart->AddSeriesOfClass<TLineSeries>();
            series->setObjectName(QStringLiteral("S%1").arg(i + 1));
            series->SetTitle(QString::fromLatin1(titles[i]));
            series->AddXY(0, i);
            series->AddXY(1, i + 1);
        }
        list->resize(320, 200);
        list->SetChart(chart.get());
        list->show();
    }

    TChartSeries *series(int index) const { return chart->GetSeries(index); }
    QStringList rows() const
    {
        QStringList result;
        for (int i = 0; i < list->ItemCount(); ++i)
            result << list->model()->index(i, 0).data().toString();
        return result;
    }
    QStringList chartOrder() const
    {
        QStringList result;
        for (int i = 0; i < chart->SeriesCount(); ++i)
            result << series(i)->objectName();
        return result;
    }
    QPoint rowPoint(int row, int x) const
    {
        return {x, list->visualRect(list->model()->index(row, 0)).center().y()};
    }
    void click(int row, int x) const
    {
        const QPoint p = rowPoint(row, x);
        sendMouse(*list->viewport(), QEvent::MouseButtonPress, p.x(), p.y());
        sendMouse(*list->viewport(), QEvent::MouseButtonRelease, p.x(), p.y());
    }
    void key(QWidget &widget, int keyCode) const
    {
        QKeyEvent press(QEvent::KeyPress, keyCode, Qt::NoModifier);
        QApplication::sendEvent(&widget, &press);
    }
    void selectRows(std::initializer_list<int> selected) const
    {
        list->clearSelection();
        for (int row : selected)
            list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select);
    }

    std::unique_ptr<TChart> chart = std::make_unique<TChart>();
    std::unique_ptr<TChartListBox> list = std::make_unique<TChartListBox>();
};

} // namespace

TEST_F(ChartListBoxTest, ListsTheTitlesAndSelectsTheFirst)
{
    EXPECT_EQ(rows(), (QStringList{"One", "Two", "Three"}));
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(list->objectName(), QStringLiteral("LBSeries"));
}

TEST_F(ChartListBoxTest, AClickOnTheCheckSectionSwitchesTheSeries)
{
    QSignalSpy changed(list.get(), &TChartListBox::OnChangeActive);
    const struct { int x; bool toggles; } cases[] = {{10, false}, {30, true}, {41, true}, {42, false}, {100, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.x);
        const bool before = series(1)->Active();
        changed.clear();
        click(1, c.x);
        EXPECT_EQ(series(1)->Active(), c.toggles ? !before : before);
        EXPECT_EQ(changed.size(), c.toggles ? 1 : 0);
    }
    ASSERT_TRUE(series(1)->Active()); // switched twice
    list->SetItemIndex(0);
    changed.clear();
    click(1, 30);
    EXPECT_FALSE(series(1)->Active());
    EXPECT_EQ(list->ItemIndex(), 0); // the check leaves the selection alone
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<TChartSeries *>(), series(1));
}

TEST_F(ChartListBoxTest, RadioButtonsLeaveOneSeriesActive)
{
    list->SetCheckStyle(TChartListBox::cbsRadio);
    EXPECT_EQ(chart->CountActiveSeries(), 1);
    EXPECT_TRUE(series(0)->Active());
    click(2, 30);
    EXPECT_FALSE(series(0)->Active());
    EXPECT_FALSE(series(1)->Active());
    EXPECT_TRUE(series(2)->Active());
}

TEST_F(ChartListBoxTest, DeletingAsksOnceAndKeepsProtectedSeries)
{
    ScriptedMessageService messages;
    struct Case {
        const char *what;
        std::initializer_list<int> selected;
        int protectedStyle; // given to S3
        int answer;
        QStringList asked;
        QStringList left;
    };
    const QString two = QStringLiteral("Delete (Selected Series) ?");
    const Case cases[] = {
        {"two selected, Yes", {0, 2}, 0, IdYes, {two}, {"S2"}},
        {"two selected, No", {0, 2}, 0, IdNo, {two}, {"S1", "S2", "S3"}},
        {"one selected", {1}, 0, IdYes, {"Delete Two ?"}, {"S1", "S3"}},
        {"deny delete kept", {0, 2}, TCustomChartSeries::kStyleDenyDelete, IdYes, {"Delete One ?"}, {"S2", "S3"}},
        {"template kept", {2}, TCustomChartSeries::kStyleTemplate, IdYes, {}, {"S1", "S2", "S3"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        chart = std::make_unique<TChart>();
        list = std::make_unique<TChartListBox>();
        SetUp();
        series(2)->SetStyle(c.protectedStyle);
        messages.clear();
        messages.queueAnswer(c.answer);
        selectRows(c.selected);
        key(*list, Qt::Key_Delete);
        QStringList asked;
        for (const auto &shown : messages.shown())
            asked << shown.text;
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(chartOrder(), c.left);
        EXPECT_EQ(list->ItemCount(), c.left.size());
    }
}

TEST_F(ChartListBoxTest, KeysAddAndDeleteOnlyWhenAllowed)
{
    ScriptedMessageService messages;
    list->SetAllowDeleteSeries(false);
    key(*list, Qt::Key_Delete);
    EXPECT_EQ(chart->SeriesCount(), 3);
    EXPECT_TRUE(messages.shown().isEmpty());

    // Without the gallery, Insert adds nothing; with it, the new series is the only selection.
    {
        const ScopedGalleryHooks noGallery;
        key(*list, Qt::Key_Insert);
    }
    EXPECT_EQ(chart->SeriesCount(), 3);
    const ScopedGalleryHooks gallery([](QWidget *, TCustomAxisPanel *target, TChartSeries *) {
        auto *added = static_cast<TChart *>(target)->AddSeriesOfClass<TLineSeries>();
        added->SetTitle(QStringLiteral("Four"));
        return added;
    });
    key(*list, Qt::Key_Insert);
    list->SetAllowAddSeries(false);
    key(*list, Qt::Key_Insert);
    EXPECT_EQ(rows(), (QStringList{"One", "Two", "Three", "Four"}));
    EXPECT_EQ(list->SelectedSeriesList(), QList<TChartSeries *>{series(3)});
}

TEST_F(ChartListBoxTest, DroppingSeriesThreeOnSeriesOneExchangesOnlyThoseTwo)
{
    QSignalSpy order(list.get(), &TChartListBox::OnChangeOrder);
    auto drop = [&](TChartListBox &source, int fromRow, int toRow) {
        const std::unique_ptr<QMimeData> data(source.seriesMimeData(fromRow));
        const QPoint at = rowPoint(toRow, 100);
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        QDropEvent dropped(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &dropped);
        return dropped.isAccepted();
    };
    EXPECT_TRUE(drop(*list, 2, 0));
    EXPECT_EQ(chartOrder(), (QStringList{"S3", "S2", "S1"}));
    EXPECT_EQ(rows(), (QStringList{"Three", "Two", "One"}));
    EXPECT_EQ(list->ItemIndex(), 0);
    ASSERT_EQ(order.size(), 1);

    // Rows of another list, or with dragging off, are refused.
    TChartListBox other;
    other.SetChart(chart.get());
    EXPECT_FALSE(drop(other, 1, 0));
    list->SetEnableDragSeries(false);
    EXPECT_FALSE(drop(*list, 1, 0));
    EXPECT_EQ(chartOrder(), (QStringList{"S3", "S2", "S1"}));
    EXPECT_EQ(TChartListBox::DraggedSeries(std::unique_ptr<QMimeData>(other.seriesMimeData(1)).get()), series(1));
}

TEST_F(ChartListBoxTest, MoveUpAndDownExchangeWithTheNeighbour)
{
    list->SetItemIndex(1);
    list->MoveCurrentUp();
    EXPECT_EQ(chartOrder(), (QStringList{"S2", "S1", "S3"}));
    EXPECT_EQ(list->ItemIndex(), 0);
    list->MoveCurrentUp();
    EXPECT_EQ(chartOrder(), (QStringList{"S2", "S1", "S3"}));
    list->SetItemIndex(1);
    list->MoveCurrentDown();
    EXPECT_EQ(chartOrder(), (QStringList{"S2", "S3", "S1"}));
    EXPECT_EQ(list->ItemIndex(), 2);
}

TEST_F(ChartListBoxTest, FollowsTheChartsSeriesEvents)
{
    QComboBox other;
    list->SetOtherItems(&other);
    QSignalSpy removed(list.get(), &TChartListBox::OnRemovedSeries);
    TChartSeries *second = series(1);
    chart->RemoveSeries(second);
    EXPECT_EQ(rows(), (QStringList{"One", "Three"}));
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed.at(0).at(0).value<TCustomChartSeries *>(), second);
    std::unique_ptr<TChartSeries>{second};

    series(1)->SetTitle(QStringLiteral("Drei"));
    EXPECT_EQ(rows(), (QStringList{"One", "Drei"}));
    std::unique_ptr<TChartSeries>{series(0)}; // freed in code
    EXPECT_EQ(rows(), QStringList{"Drei"});
    ASSERT_EQ(other.count(), 1);
    EXPECT_EQ(other.itemText(0), QStringLiteral("Drei"));
    EXPECT_EQ(other.itemData(0).value<QObject *>(), series(0));
    EXPECT_EQ(removed.size(), 2);
}

TEST_F(ChartListBoxTest, TheListAndTheChartMayDieInEitherOrder)
{
    {
        TChartListBox second;
        second.SetChart(chart.get());
        EXPECT_EQ(chart->Listeners().IndexOf(&second) >= 0, true);
    }
    EXPECT_EQ(chart->Listeners().Count(), 1); // only the fixture's list
    chart.reset();
    EXPECT_EQ(list->ItemCount(), 0);
    EXPECT_EQ(list->Chart(), nullptr);
    list->Refill();
    list->repaint();
}

TEST_F(ChartListBoxTest, APieShowsNoColourAndALineItsSymbol)
{
    auto *pie = chart->AddSeriesOfClass<TPieSeries>();
    pie->Add(3);
    pie->Add(5);
    for (int i = 0; i < 3; ++i)
        series(i)->SetSeriesColor(clRed);
    list->SetItemIndex(-1);
    const QImage image = list->viewport()->grab().toImage();
    const QColor base = list->palette().color(QPalette::Base);
    auto colourSectionPixels = [&](int row) {
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        int differing = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = 26 + 16; x < 26 + 16 + 26; ++x)
                differing += image.pixelColor(x, y) != base;
        return differing;
    };
    EXPECT_GT(colourSectionPixels(0), 10);
    EXPECT_EQ(colourSectionPixels(3), 0);
}

// Titles lie on the row's own background, in the palette's text colours: every pixel of a
// title's box is a blend of that background and that text colour, never a box of another grey.
TEST_F(ChartListBoxTest, TitlesAreDrawnOnTheRowsBackgroundInThePalettesTextColours)
{
    QPalette palette = list->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, QColor(255, 255, 255));
        palette.setColor(group, QPalette::Text, QColor(0, 0, 160));
        palette.setColor(group, QPalette::Highlight, QColor(0, 100, 0));
        palette.setColor(group, QPalette::HighlightedText, QColor(255, 255, 0));
    }
    list->setPalette(palette);
    list->SetItemIndex(0);
    const QImage image = list->viewport()->grab().toImage();
    const QFontMetrics metrics(list->font());
    struct Case {
        int row;
        QColor background, text;
    };
    const Case cases[] = {{0, QColor(0, 100, 0), QColor(255, 255, 0)}, {1, QColor(255, 255, 255), QColor(0, 0, 160)}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        const QRect row = list->visualRect(list->model()->index(c.row, 0));
        const QString title = rows().at(c.row);
        const QRect box(row.left() + list->SectionLeft(TChartListBox::sTitle), row.top() + (row.height() - metrics.height()) / 2,
                        metrics.horizontalAdvance(title), metrics.height());
        int onBackground = 0, inTextColour = 0, foreign = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                onBackground += pixel == c.background;
                inTextColour += pixel == c.text;
                // A blend of background and text lies on the line between them.
                const double r = pixel.red() - c.background.red(), g = pixel.green() - c.background.green(),
                             b = pixel.blue() - c.background.blue();
                const double dr = c.text.red() - c.background.red(), dg = c.text.green() - c.background.green(),
                             db = c.text.blue() - c.background.blue();
                const double t = std::clamp((r * dr + g * dg + b * db) / (dr * dr + dg * dg + db * db), 0.0, 1.0);
                foreign += std::hypot(r - t * dr, g - t * dg, b - t * db) > 40;
            }
        EXPECT_GT(onBackground, box.width() * box.height() / 3);
        EXPECT_GT(inTextColour, 0);
        EXPECT_EQ(foreign, 0);
    }
}

TEST_F(ChartListBoxTest, TheTitleEditorStoresOnEnterAndDiscardsOnEscape)
{
    for (const bool store : {true, false}) {
        SCOPED_TRACE(store);
        list->SetItemIndex(1);
        key(*list, Qt::Key_F2);
        QLineEdit *editor = list->TitleEditor();
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->text(), series(1)->Title());
        editor->setText(QStringLiteral("Kurve 2"));
        key(*editor, store ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(series(1)->Title(), store ? QStringLiteral("Kurve 2") : QStringLiteral("Two"));
        series(1)->SetTitle(QStringLiteral("Two"));
    }
}

TEST_F(ChartListBoxTest, RenameAsksWithTheTitleAndChangesNothingOnCancelOrEmpty)
{
    ScriptedDialogService dialogs;
    list->SetItemIndex(0);
    EXPECT_FALSE(list->RenameSeries()); // cancelled
    dialogs.queueText(QString());
    EXPECT_FALSE(list->RenameSeries());
    EXPECT_EQ(series(0)->Title(), QStringLiteral("One"));
    dialogs.queueText(QStringLiteral("Testkurve"));
    EXPECT_TRUE(list->RenameSeries());
    EXPECT_EQ(series(0)->Title(), QStringLiteral("Testkurve"));
    EXPECT_EQ(rows().first(), QStringLiteral("Testkurve"));
    ASSERT_EQ(dialogs.calls().size(), 3);
    EXPECT_EQ(dialogs.calls()[0].caption, QStringLiteral("Change Series Title"));
    EXPECT_EQ(dialogs.calls()[0].prompt, QStringLiteral("New Series Title:"));
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("One"));
    // The series' own name as answer clears the title: the name shows.
    dialogs.queueText(QStringLiteral("S1"));
    EXPECT_TRUE(list->RenameSeries());
    EXPECT_TRUE(series(0)->Title().isEmpty());
    EXPECT_EQ(rows().first(), QStringLiteral("S1"));
}

TEST_F(ChartListBoxTest, DoubleClicksRecolourRetypeOrReportTheRow)
{
    PlotColorDialog::DialogHook() = [](QWidget *, TColor, QList<QColor> &) { return std::optional<TColor>(clLime); };
    std::vector<TChartSeries *> retyped;
    const ScopedGalleryHooks gallery({}, [&](TChartSeries *&s) -> const ChartClassDescriptor * {
        retyped.push_back(s);
        return nullptr;
    });
    QSignalSpy recoloured(list.get(), &TChartListBox::OnChangeColor);
    QSignalSpy doubleClicked(list.get(), &TChartListBox::OnDblClickSeries);
    auto doubleClick = [&](int row, int x) {
        const QPoint p = rowPoint(row, x);
        list->SetItemIndex(row);
        sendMouse(*list->viewport(), QEvent::MouseButtonDblClick, p.x(), p.y());
    };
    doubleClick(1, 50);
    EXPECT_EQ(series(1)->SeriesColor(), clLime);
    EXPECT_EQ(recoloured.size(), 1);
    doubleClick(2, 150);
    ASSERT_EQ(doubleClicked.size(), 1);
    EXPECT_EQ(doubleClicked.at(0).at(0).toInt(), 2);
    doubleClick(0, 10);
    EXPECT_EQ(retyped, std::vector<TChartSeries *>{series(0)});
    list->SetEnableChangeColor(false);
    list->SetEnableChangeType(false);
    doubleClick(2, 50);
    doubleClick(2, 10);
    EXPECT_NE(series(2)->SeriesColor(), clLime);
    EXPECT_EQ(retyped.size(), 1u);
    PlotColorDialog::DialogHook() = {};
}
