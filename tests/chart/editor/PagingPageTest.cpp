// The Paging page and its navigator on a chart of four pages.
#include "EditorTestSetup.h"

#include "ChartTypeRegistries.h"
#include "FakePrinterService.h"
#include "PdfReader.h"
#include "PlotConst.h"
#include "TChart.h"
#include "TChartPageNavigator.h"
#include "TFormPlotPage.h"
#include "TLineSeries.h"
#include "TPlotCustomTool.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

namespace {

class PagingPage : public EditorChartTest
{
protected:
    PagingPage()
    {
        TLineSeries *series = addLineSeries();
        for (int i = 5; i < 20; ++i)
            series->AddXY(i, i % 3);
        chart->SetMaxPointsPerPage(5);
        chart->resize(400, 300);
        page.show();
    }

    QString scratch(const char *name) const { return settingsDir.filePath(QString::fromLatin1(name)); }

    FakePrinterService printers;
    TFormPlotPage page{nullptr, chart.get()};
};

} // namespace

TEST_F(PagingPage, NavigatorPagesThroughTheChartAndTheLabelFollows)
{
    ASSERT_EQ(chart->NumPages(), 4);
    TChartPageNavigator &navigator = *page.ChartPageNavigator1;
    EXPECT_EQ(page.LabelPages->text(), QStringLiteral("Page 1 of 4"));
    EXPECT_FALSE(navigator.Button(nbPrior)->isEnabled());
    navigator.Button(nbLast)->click();
    EXPECT_EQ(chart->Page(), 4);
    EXPECT_EQ(page.LabelPages->text(), QStringLiteral("Page 4 of 4"));
    EXPECT_FALSE(navigator.Button(nbNext)->isEnabled());
    navigator.Button(nbPrior)->click();
    EXPECT_EQ(chart->Page(), 3);
    EXPECT_TRUE(navigator.Button(nbNext)->isEnabled());
    // Paging switched off by clearing the text.
    QLineEdit *edit = page.SEPointsPerPage->findChild<QLineEdit *>();
    edit->clear();
    Q_EMIT edit->textEdited(QString());
    EXPECT_EQ(chart->MaxPointsPerPage(), 0);
    EXPECT_EQ(chart->NumPages(), 1);
    EXPECT_FALSE(navigator.Button(nbLast)->isEnabled());
}

TEST_F(PagingPage, PrintingARangeAsksOnceAndPrintsOneJobOfThosePages)
{
    const QString file = scratch("pages.pdf");
    printers.setOutputFile(file);
    printers.rangeFrom = 2;
    printers.rangeTo = 3;
    chart->SetPage(4);
    page.ChartPageNavigator1->BPrint->click();
    EXPECT_EQ(printers.rangeDialogs, 1);
    EXPECT_EQ(printers.rangeDialogLastPage, 4);
    EXPECT_EQ(printers.jobs, 1);
    EXPECT_EQ(pdfInfo(file).pages, 2);
    EXPECT_EQ(chart->Page(), 4);
    EXPECT_TRUE(messages.shown().isEmpty());

    // A refused range prints nothing.
    printers.acceptRangeDialog = false;
    page.ChartPageNavigator1->BPrint->click();
    EXPECT_EQ(printers.jobs, 1);
}

TEST_F(PagingPage, AJobThatCannotStartShowsOneBoxAndKeepsThePage)
{
    const QString unwritable = scratch("missing/folder/pages.pdf");
    printers.setOutputFile(unwritable);
    chart->SetPage(2);
    page.ChartPageNavigator1->BPrint->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().first().text.contains(
        PlotConst::plotFormat(PlotConst::message(PlotConst::msgPrintJobFailed), {unwritable})));
    EXPECT_EQ(chart->Page(), 2);
}

TEST_F(PagingPage, PageNumberBoxMakesTheFirstFreeToolAndHidesWithoutTheClass)
{
    ASSERT_NE(PageNumberToolClass, nullptr);
    EXPECT_TRUE(page.CBPageNum->isVisible());
    EXPECT_EQ(page.PageNumberTool(), nullptr);
    page.CBPageNum->click();
    TPlotCustomTool *tool = page.PageNumberTool();
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->objectName(), QStringLiteral("ChartTool1"));
    EXPECT_TRUE(tool->Active());
    EXPECT_EQ(chart->Tools().Count(), 1);
    page.CBPageNum->click();
    EXPECT_FALSE(tool->Active());
    page.CBPageNum->click();
    EXPECT_EQ(chart->Tools().Count(), 1);
    EXPECT_TRUE(tool->Active());

    const ChartClassDescriptor *registered = std::exchange(PageNumberToolClass, nullptr);
    page.hide();
    page.show();
    EXPECT_FALSE(page.CBPageNum->isVisible());
    PageNumberToolClass = registered;
}
