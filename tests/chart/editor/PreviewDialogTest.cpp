// The print preview dialog and the previewer, driven through their widgets.
#include "TChartPreview.h"

#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "EditorTestSetup.h"
#include "FakePrinterService.h"
#include "PdfReader.h"
#include "PlotConst.h"
#include "PlotGerman.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "ScriptedMessageService.h"
#include "TChart.h"
#include "TChartPreviewer.h"
#include "TChartTitle.h"
#include "TLineSeries.h"
#include "TComboFlat.h"
#include "TPlotCanvas3D.h"
#include "TPlotPreviewPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class PreviewDialog : public testing::Test
{
protected:
    ScriptedMessageService messages;
    FakePrinterService printers;
    SamplePanel chart;
    TChartPreviewer previewer;

    PreviewDialog() { previewer.SetChart(&chart); }
    void TearDown() override
    {
        PlotTranslate::PlotCurrentLanguage = nullptr;
        PlotProcs::PlotTranslateHook() = nullptr;
        PlotConst::SetLibraryMessages();
    }

    // Opens the dialog, runs the steps while it shows, then closes it with its Close button.
    void runDialog(const std::function<void(TChartPreview &)> &steps)
    {
        const QMetaObject::Connection shown = QObject::connect(&previewer, &TCustomChartEditor::OnShow, [&](QWidget *form) {
            auto *preview = qobject_cast<TChartPreview *>(form);
            preview->PlotPreviewPanel1->setFixedSize(432, 312);
            QTimer::singleShot(0, preview, [preview, &steps] {
                steps(*preview);
                preview->BClose->click();
            });
        });
        previewer.Execute();
        QObject::disconnect(shown);
    }
    static TRect paintedSheet(TChartPreview &form)
    {
        form.PlotPreviewPanel1->grab();
        return form.PlotPreviewPanel1->PaperRect();
    }
};

// A page navigator of a chart with three pages that counts its prints.
class ThreePages : public TCustomPlotNavigator
{
public:
    using TCustomPlotNavigator::TCustomPlotNavigator;
    int PageCount() override { return 3; }
    void Print() override { ++prints; }
    int prints = 0;
};

} // namespace

TEST_F(PreviewDialog, WithoutAPrinterTheSheetTakesTheScreensProportions)
{
    FakePrinterService none(FakePrinterService::NoPrinter);
    runDialog([](TChartPreview &form) {
        EXPECT_FALSE(form.BPrint->isEnabled());
        EXPECT_FALSE(form.BSetupPrinter->isEnabled());
        EXPECT_FALSE(form.Orientation->isEnabled());
        EXPECT_EQ(paintedSheet(form), (TRect{43, 58, 389, 253}));
    });
}

TEST_F(PreviewDialog, ThePrinterTurnsToLandscapeAtShowAndPortraitWhenChosen)
{
    ASSERT_EQ(printers.orientation(), QPageLayout::Portrait);
    runDialog([this](TChartPreview &form) {
        EXPECT_EQ(printers.orientation(), QPageLayout::Landscape);
        EXPECT_EQ(form.OrientationItems->checkedId(), 1);
        EXPECT_EQ(form.OrientationItems->checkedButton()->text(), QStringLiteral("&Landscape"));
        EXPECT_EQ(paintedSheet(form), (TRect{44, 31, 388, 281}));
        form.OrientationItems->button(0)->click();
        EXPECT_EQ(printers.orientation(), QPageLayout::Portrait);
        EXPECT_EQ(paintedSheet(form), (TRect{125, 31, 307, 281}));
    });
}

TEST_F(PreviewDialog, AMarginIsRefusedWhenItMeetsTheOppositeOne)
{
    runDialog([this](TChartPreview &form) {
        const struct { QSpinBox *edit; int value; int shown; } steps[] = {
            {form.SETopMa, 91, 10}, {form.SETopMa, 89, 89}, {form.SETopMa, 10, 10},
            {form.SEBotMa, 40, 40}, {form.SETopMa, 60, 10}, {form.SETopMa, 59, 59}};
        for (const auto &s : steps) {
            SCOPED_TRACE(testing::Message() << s.edit->objectName().toStdString() << " " << s.value);
            // Typed over the old value; the field takes it as the user leaves it.
            s.edit->selectAll();
            QTest::keyClicks(s.edit, QString::number(s.value));
            s.edit->interpretText();
            EXPECT_EQ(s.edit->value(), s.shown);
            EXPECT_EQ(s.edit->text(), QString::number(s.shown));
        }
        EXPECT_EQ(chart.PrintMargins(), (std::array<int, 4>{10, 59, 10, 40}));
    });
}

TEST_F(PreviewDialog, AHandChangeEnablesResetWhichRestoresTheMarginsOfTheShowing)
{
    chart.SetPrintProportional(true);
    runDialog([this](TChartPreview &form) {
        const std::array<int, 4> shown = chart.PrintMargins(); // proportional on the landscape sheet
        EXPECT_NE(shown, (std::array<int, 4>{10, 10, 10, 10}));
        EXPECT_TRUE(form.CBProp->isChecked());
        EXPECT_FALSE(form.BReset->isEnabled());
        form.SELeftMa->setValue(shown[TCustomPlotPanel::mLeft] + 5);
        EXPECT_TRUE(form.BReset->isEnabled());
        EXPECT_FALSE(form.CBProp->isChecked());
        EXPECT_FALSE(chart.PrintProportional());
        form.BReset->click();
        EXPECT_EQ(chart.PrintMargins(), shown);
        EXPECT_EQ(form.SELeftMa->value(), shown[TCustomPlotPanel::mLeft]);
        EXPECT_FALSE(form.BReset->isEnabled());
    });
}

TEST_F(PreviewDialog, DetailAndSmoothingSwitches)
{
    chart.SetPrintResolution(-40);
    runDialog([this](TChartPreview &form) {
        EXPECT_EQ(form.Resolution->value(), 60);
        form.Resolution->setValue(0);
        EXPECT_EQ(chart.PrintResolution(), -100);
        form.Resolution->setValue(100);
        EXPECT_EQ(chart.PrintResolution(), 0);
        EXPECT_FALSE(form.PlotPreviewPanel1->AsBitmap());
        form.CheckBox1->click();
        EXPECT_TRUE(form.PlotPreviewPanel1->AsBitmap());
    });
}

TEST_F(PreviewDialog, TheOptionsDecideWhatTheUserMayChange)
{
    chart.SetPrintProportional(true);
    previewer.SetOptions(TChartPreviewer::cpoChangePrinter | TChartPreviewer::cpoPrintPanel);
    previewer.SetTitle(QStringLiteral("Dampfdruckkurve"));
    ASSERT_FALSE(TCustomPlotPanel::PrintBackground);
    runDialog([](TChartPreview &form) {
        EXPECT_FALSE(form.GBMargins->isEnabled());
        EXPECT_FALSE(form.BReset->isEnabled());
        EXPECT_FALSE(form.PlotPreviewPanel1->AllowResize());
        EXPECT_FALSE(form.PlotPreviewPanel1->AllowMove());
        EXPECT_TRUE(form.CBPrinters->isEnabled());
        EXPECT_FALSE(form.BSetupPrinter->isEnabled());
        EXPECT_TRUE(TCustomPlotPanel::PrintBackground);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Dampfdruckkurve"));
    });
    EXPECT_FALSE(TCustomPlotPanel::PrintBackground);
    EXPECT_FALSE(chart.PrintProportional()); // fixed for good without cpoProportional
    EXPECT_TRUE(chart.CancelMouse);
    EXPECT_TRUE(dynamic_cast<TPlotCanvas3D *>(chart.Canvas())->bufferOutOfDate());
    EXPECT_EQ(previewer.Form(), nullptr);
}

TEST_F(PreviewDialog, MarginsChangedInTheDialogStayOnTheChart)
{
    runDialog([](TChartPreview &form) { form.SETopMa->setValue(25); });
    EXPECT_EQ(chart.PrintMargins()[TCustomPlotPanel::mTop], 25);
    runDialog([](TChartPreview &form) { EXPECT_EQ(form.SETopMa->value(), 25); });
}

TEST_F(PreviewDialog, APagedChartPrintsThroughItsNavigator)
{
    runDialog([this](TChartPreview &form) {
        ASSERT_EQ(form.Navigator(), nullptr);
        form.close();
    });
    int prints = 0;
    const auto connection = QObject::connect(&previewer, &TCustomChartEditor::OnShow, [&](QWidget *form) {
        qobject_cast<TChartPreview *>(form)->NavigatorFactory = [](QWidget *parent) { return new ThreePages(parent); };
    });
    runDialog([&](TChartPreview &form) {
        ASSERT_NE(form.Navigator(), nullptr);
        EXPECT_EQ(form.Navigator()->Panel(), &chart);
        form.BPrint->click();
        prints = static_cast<ThreePages *>(form.Navigator())->prints;
    });
    QObject::disconnect(connection);
    EXPECT_EQ(prints, 1);
    EXPECT_EQ(printers.jobs, 0);
}

TEST_F(PreviewDialog, AFailedPrintIsReportedOnceAndTheDialogGoesOn)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    printers.setOutputFile(file);
    chart.failWhilePrinting = true;
    previewer.SetTitle(QStringLiteral("Dampfdruckkurve Wasser"));
    runDialog([&](TChartPreview &form) {
        form.BPrint->click();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown()[0].text, QStringLiteral("Series1: no values to draw"));
        EXPECT_EQ(messages.shown()[0].flags, MbOk | MbIconError);
        EXPECT_FALSE(QFile::exists(file));

        const QString unwritable = dir.filePath(QStringLiteral("no folder/chart.pdf"));
        printers.setOutputFile(unwritable);
        chart.failWhilePrinting = false;
        form.BPrint->click();
        ASSERT_EQ(messages.shown().size(), 2);
        EXPECT_TRUE(messages.shown()[1].text.contains(unwritable)) << messages.shown()[1].text.toStdString();

        printers.setOutputFile(file);
        form.BPrint->click();
        EXPECT_EQ(messages.shown().size(), 2);
        EXPECT_EQ(pdfInfo(file).pages, 1);
        EXPECT_EQ(printers.orientation(), QPageLayout::Landscape);
        EXPECT_EQ(printers.lastJobTitle, QStringLiteral("Dampfdruckkurve Wasser"));
    });
}

TEST_F(PreviewDialog, PreviewsAndPrintsARealChartWithALineSeries)
{
    registerChartLibrary();
    TChart real;
    real.resize(400, 250);
    real.SetPrintProportional(false);
    real.SetPrintMargins({10, 10, 10, 10});
    real.Title()->SetText({QStringLiteral("Siedekurve")});
    auto *series = new TLineSeries(&real);
    for (const auto &[x, y] : {std::pair{0.0, 6.1}, {50.0, 123.5}, {100.0, 1013.3}})
        series->AddXY(x, y);
    real.AddSeries(series);
    previewer.SetChart(&real);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    printers.setOutputFile(file);
    runDialog([](TChartPreview &form) {
        form.PlotPreviewPanel1->grab();
        EXPECT_EQ(form.PlotPreviewPanel1->SheetChartRect(), (TRect{78, 56, 354, 256}));
        form.BPrint->click();
    });
    const PdfInfo info = pdfInfo(file);
    EXPECT_EQ(info.pages, 1);
    EXPECT_GT(info.pageSizePoints.width(), info.pageSizePoints.height());
    const QSizeF page = info.pageSizePoints;
    const QRectF margins(page.width() * 0.1, page.height() * 0.1, page.width() * 0.8, page.height() * 0.8);
    int titles = 0;
    for (const PdfWord &word : pdfWords(file)) {
        if (word.text == QStringLiteral("Siedekurve")) {
            ++titles;
            EXPECT_TRUE(margins.contains(word.boxPoints)) << word.boxPoints.x() << ", " << word.boxPoints.y();
        }
    }
    EXPECT_EQ(titles, 1);
}

namespace {

// What a user reads on the dialog: the caption, every label, button and group title, and the
// hints, in the order of the form.
QStringList readableTexts(const TChartPreview &form)
{
    QStringList texts{form.windowTitle()};
    for (const QWidget *w : form.findChildren<QWidget *>()) {
        if (const auto *label = qobject_cast<const QLabel *>(w))
            texts.append(label->text());
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w); button && !button->text().isEmpty())
            texts.append(button->text());
        else if (const auto *group = qobject_cast<const QGroupBox *>(w))
            texts.append(group->title());
        if (!w->toolTip().isEmpty())
            texts.append(w->toolTip());
    }
    return texts;
}

QString withoutHotkey(QString text)
{
    return text.remove(u'&');
}

} // namespace

TEST_F(PreviewDialog, SpeaksGermanOnceGermanIsSelectedAndEnglishBefore)
{
    const auto withNavigator = QObject::connect(&previewer, &TCustomChartEditor::OnShow, [](QWidget *form) {
        qobject_cast<TChartPreview *>(form)->NavigatorFactory = [](QWidget *parent) { return new TCustomPlotNavigator(parent); };
    });
    registerChartEditor();
    QStringList english;
    runDialog([&](TChartPreview &form) { english = readableTexts(form); });
    EXPECT_EQ(english.first(), QStringLiteral("Plot Print Preview"));
    EXPECT_TRUE(english.contains(QStringLiteral("Margins (%)")));
    EXPECT_TRUE(english.contains(QStringLiteral("First")));
    EXPECT_EQ(PlotConst::message(48), QStringLiteral("Extended"));

    PlotGerman::SelectGermanLanguage();
    QStringList german;
    QGroupBox *margins = nullptr;
    runDialog([&](TChartPreview &form) {
        german = readableTexts(form);
        EXPECT_EQ(form.GBMargins->title(), QStringLiteral("Rand (%)"));
        margins = form.GBMargins;
    });
    QObject::disconnect(withNavigator);
    ASSERT_NE(margins, nullptr);
    ASSERT_EQ(german.size(), english.size());
    const QStringList shared{QStringLiteral("Normal"), QStringLiteral("Detail:"), QStringLiteral("Proportional")};
    QString hotkeys;
    for (int i = 0; i < german.size(); ++i) {
        SCOPED_TRACE(english[i].toStdString());
        if (!shared.contains(withoutHotkey(english[i]))) {
            EXPECT_NE(withoutHotkey(german[i]), withoutHotkey(english[i]));
        }
        const qsizetype marker = german[i].indexOf(u'&');
        if (german[i] != english[i] && marker >= 0) {
            const QChar letter = german[i].at(marker + 1).toUpper();
            EXPECT_FALSE(hotkeys.contains(letter)) << "hotkey " << letter.toLatin1() << " twice";
            hotkeys.append(letter);
        }
    }
}

TEST_F(PreviewDialog, AClearBackWallLeavesThePlotAreaPaperWhiteOnTheSheet)
{
    // As the diagram window sets it up: a silver chart whose background is not printed.
    registerChartLibrary();
    TChart real;
    real.resize(400, 250);
    real.SetColor(clSilver);
    real.SetPrintProportional(false);
    real.SetPrintMargins({10, 10, 10, 10});
    real.BackWall()->Brush()->SetColor(clWhite);
    real.BackWall()->Brush()->SetStyle(bsClear);
    auto *series = new TLineSeries(&real);
    for (const auto &[x, y] : {std::pair{0.0, 6.1}, {50.0, 123.5}, {100.0, 1013.3}})
        series->AddXY(x, y);
    real.AddSeries(series);
    previewer.SetChart(&real);
    runDialog([](TChartPreview &form) {
        const QImage sheet = form.PlotPreviewPanel1->grab().toImage();
        const TRect r = form.PlotPreviewPanel1->SheetChartRect();
        // Inside the plot area, between grid lines, away from the curve.
        EXPECT_EQ(QColor(sheet.pixel(r.left + r.width() * 3 / 10 + 1, r.top + r.height() * 3 / 10 + 1)).name(),
                  QStringLiteral("#ffffff"));
    });
}
