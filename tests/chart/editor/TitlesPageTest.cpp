// The Titles page on its own and in the editor's tree.
#include "TFormPlotTitle.h"

#include "DialogDriver.h"
#include "EditorTestSetup.h"
#include "TChart.h"
#include "TChartEditForm.h"
#include "TChartTitle.h"
#include "TFormPlotShape.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Counts the repaints its elements ask for: one per write that changed something.
class CountingChart : public TChart
{
public:
    int invalidations = 0;
    void Invalidate() override
    {
        ++invalidations;
        TChart::Invalidate();
    }
};

class TitlesPage : public EditorChartTest
{
protected:
    std::unique_ptr<TFormPlotTitle> page;

    void open(TChartTitle *title)
    {
        page = std::make_unique<TFormPlotTitle>(nullptr, title, chart.get());
        page->show();
    }
};

TEST_F(TitlesPage, TheComboFollowsTheTitleAndChoosesTheChartsTitles)
{
    const struct { TChartTitle *title; int index; } cases[] = {
        {chart->Title(), 0}, {chart->SubTitle(), 1}, {chart->SubFoot(), 2}, {chart->Foot(), 3}};
    for (const auto &c : cases) {
        open(c.title);
        EXPECT_EQ(page->CBTitles->currentIndex(), c.index);
        EXPECT_EQ(page->ShapeEditor->Shape(), c.title);
    }
    choose(*page->CBTitles, 1);
    EXPECT_EQ(page->TheTitle(), chart->SubTitle());
    page->CBVisible->click();
    EXPECT_EQ(chart->SubTitle()->Visible(), page->CBVisible->isChecked());
    EXPECT_EQ(page->ShapeEditor->Shape(), chart->SubTitle());
    // The shape editor's tabs follow Style and Position.
    ASSERT_EQ(page->PageControlTitle->count(), 6);
    EXPECT_EQ(page->PageControlTitle->tabText(2), QStringLiteral("Format"));
}

TEST_F(TitlesPage, TheMemoWritesOnlyLinesThatDiffer)
{
    CountingChart counting;
    TChartTitle &foot = *counting.Foot();
    foot.SetText({QStringLiteral("Dampfdruck"), QStringLiteral("Wasser")});
    TFormPlotTitle titles(nullptr, &foot, &counting);
    titles.show();
    EXPECT_EQ(titles.MText->toPlainText(), QStringLiteral("Dampfdruck\nWasser"));
    counting.invalidations = 0;
    titles.MText->setPlainText(QStringLiteral("Dampfdruck\nWasser"));
    EXPECT_EQ(counting.invalidations, 0);
    titles.MText->setPlainText(QStringLiteral("p in bar\nT in K"));
    EXPECT_EQ(foot.Text(), (QStringList{QStringLiteral("p in bar"), QStringLiteral("T in K")}));
    EXPECT_GT(counting.invalidations, 0);
    titles.MText->clear();
    EXPECT_TRUE(foot.Text().isEmpty());
}

TEST_F(TitlesPage, AlignmentAndTheOwnPositionAreWrittenOnlyWhenAllowed)
{
    open(chart->Title());
    const struct { int index; TAlignment alignment; } aligns[] = {
        {0, taLeftJustify}, {2, taRightJustify}, {1, taCenter}};
    for (const auto &a : aligns) {
        choose(*page->CBAlign, a.index);
        EXPECT_EQ(chart->Title()->Alignment(), a.alignment);
    }
    ASSERT_FALSE(chart->Title()->CustomPosition());
    EXPECT_FALSE(page->UDLeft->isEnabled());
    EXPECT_FALSE(page->UDTop->isEnabled());
    EXPECT_FALSE(page->LabelLeft->isEnabled());
    const int left = chart->Title()->Left();
    page->UDLeft->setValue(left + 25);
    EXPECT_EQ(chart->Title()->Left(), left);
    EXPECT_FALSE(chart->Title()->CustomPosition());

    page->CBCustPos->click();
    EXPECT_TRUE(chart->Title()->CustomPosition());
    EXPECT_TRUE(page->UDLeft->isEnabled());
    page->UDLeft->setValue(40);
    page->UDTop->setValue(-15);
    EXPECT_EQ(chart->Title()->Left(), 40);
    EXPECT_EQ(chart->Title()->Top(), -15);
}

TEST_F(TitlesPage, TheTreeHasTheFourTitlesAndFooterEditsTheFoot)
{
    TChartEditForm form;
    form.SetChart(chart.get());
    form.SetTreeMode(true);
    QTimer::singleShot(0, &form, [&] {
        QTreeWidgetItem *titles = nullptr;
        for (QTreeWidgetItemIterator it(form.Tree); *it; ++it) {
            if ((*it)->text(0) == QStringLiteral("Titles"))
                titles = *it;
        }
        ASSERT_NE(titles, nullptr);
        QStringList children;
        for (int i = 0; i < titles->childCount(); ++i)
            children.append(titles->child(i)->text(0));
        EXPECT_EQ(children, (QStringList{QStringLiteral("Title"), QStringLiteral("SubTitle"), QStringLiteral("Footer"),
                                         QStringLiteral("SubFoot")}));
        form.Tree->setCurrentItem(titles->child(2));
        auto *page = qobject_cast<TFormPlotTitle *>(form.Page(cetTitles));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->TheTitle(), chart->Foot());
        EXPECT_EQ(page->CBTitles->currentIndex(), 3);
        form.Tree->setCurrentItem(titles->child(3));
        EXPECT_EQ(page->TheTitle(), chart->SubFoot());
        EXPECT_EQ(page->CBTitles->currentIndex(), 2);
        form.BClose->click();
    });
    form.exec();
}

} // namespace
