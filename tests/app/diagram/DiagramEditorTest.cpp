// The chart editor opened from the diagram window: German, in tree mode, on the curves, with the
// print preview inside, and back at its place next time.
#include "app/diagram/TKurveDlg.h"

#include "MainWindowFixture.h"
#include "TestRecords.h"
#include "ScriptedDialogService.h"
#include "app/diagram/TMeddazuDlg.h"
#include "app/windows/ChartLibrarySetup.h"
#include "app/windows/SubstanceListBox.h"
#include "platform/SettingsStore.h"

#include "chart/editor/TChartEditForm.h"
#include "chart/editor/TChartEditor.h"
#include "chart/editor/TChartListBox.h"
#include "chart/editor/TChartPreview.h"
#include "chart/export/TPlotExportForm.h"
#include "chart/editor/TFormPlotSeries.h"
#include "chart/engine/PlotEngine.h"
#include "chart/engine/SeriesUnit.h"
#include "chart/engine/TChartSeries.h"
#include "chart/series/TChart.h"
#include "chart/series/TChartLegend.h"
#include "chart/core/TChartPen.h"
#include "chart/editor/TButtonPen.h"
#include "chart/engine/TCallout.h"
#include "chart/engine/TSeriesMarks.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QApplication>
#include <QSpinBox>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

namespace {

class DiagramEditor : public MainWindowFixture
{
protected:
    TKurveDlg *window = nullptr;

    void SetUp() override
    {
        setUpChartLibrary();
        start({w2000Record(), testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4)});
        window = form->diagramWindow();
        ASSERT_NE(window, nullptr);
    }

    // A second curve: the picker's next substance, then its redraw.
    void pickSecondCurve()
    {
        TMeddazuDlg *picker = form->mediumPicker();
        picker->show();
        picker->ListBox1->setCurrentRow(1);
        picker->SpeedButton1->click();
        picker->BitBtn2->click();
        picker->hide();
    }
    void TearDown() override { PlotEngine::ShowErrorBoxHook() = nullptr; }

    // Opens the diagram, presses "Diagramm bearbeiten", runs the steps on the editor form while it
    // shows and closes both.
    void inEditor(const std::function<void(TChartEditForm &)> &steps, const std::function<void()> &before = {},
                  const std::function<void()> &after = {})
    {
        bool edited = false;
        QTimer::singleShot(0, window, [&] {
            if (before)
                before();
            const auto shown = QObject::connect(window->ChartEditor1, &TCustomChartEditor::OnShow, [&](QWidget *editor) {
                auto *editForm = qobject_cast<TChartEditForm *>(editor);
                QTimer::singleShot(0, editForm, [&, editForm] {
                    edited = true;
                    steps(*editForm);
                    editForm->BClose->click();
                });
            });
            EXPECT_TRUE(window->BitBtn4->isEnabled());
            window->BitBtn4->click();
            QObject::disconnect(shown);
            if (after)
                after();
            window->reject();
        });
        form->Diagramm1->trigger();
        QCoreApplication::processEvents();
        EXPECT_TRUE(edited);
    }

    QString settingsText() const
    {
        QFile file(folder.filePath(QStringLiteral("settings/Korvex/Plot.conf")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

} // namespace

TEST_F(DiagramEditor, OpensInTreeModeInGermanOnTheFirstCurve)
{
    inEditor([&](TChartEditForm &editor) {
        EXPECT_EQ(editor.windowTitle(), form->globalText(GlobalText::ChartEditorCaption));
        EXPECT_TRUE(editor.Tree->isVisible());
        ASSERT_EQ(editor.Tree->topLevelItemCount(), 3);
        QTreeWidgetItem *seriesNode = editor.Tree->topLevelItem(0);
        EXPECT_EQ(seriesNode->text(0), QStringLiteral("Reihe"));
        EXPECT_EQ(editor.Tree->topLevelItem(1)->text(0), QStringLiteral("Exportieren"));
        EXPECT_EQ(editor.Tree->topLevelItem(2)->text(0), QStringLiteral("Drucken"));
        ASSERT_EQ(seriesNode->childCount(), window->Chart1->SeriesCount());
        EXPECT_TRUE(seriesNode->isExpanded());
        EXPECT_EQ(editor.Tree->currentItem(), seriesNode->child(0));
        EXPECT_EQ(seriesNode->child(0)->text(0), PlotEngine::SeriesTitleOrName(*window->Chart1->GetSeries(0)));
        // The series editor on the curve, at General: no line editor is registered yet.
        ASSERT_NE(editor.SeriesForm(), nullptr);
        EXPECT_EQ(editor.SeriesForm()->TheSeries(), window->Chart1->GetSeries(0));
        EXPECT_EQ(editor.SeriesForm()->PageSeries->currentWidget(), editor.SeriesForm()->TabGeneral);
        EXPECT_EQ(editor.SeriesForm()->PageSeries->tabText(editor.SeriesForm()->PageSeries->currentIndex()),
                  QStringLiteral("Allgemein"));
    });
}

TEST_F(DiagramEditor, TheExportNodeShowsTheExportPageWithoutNativeTabOrClose)
{
    inEditor([&](TChartEditForm &editor) {
        editor.Tree->setCurrentItem(editor.Tree->topLevelItem(1));
        auto *page = qobject_cast<TPlotExportForm *>(editor.Page(cetExport));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->ExportPanel(), window->Chart1);
        EXPECT_FALSE(page->PageControl1->isTabVisible(page->PageControl1->indexOf(page->TabNative)));
        EXPECT_FALSE(page->BClose->isVisible());
    });
}

TEST_F(DiagramEditor, ThePrintNodeShowsTheChartsPreviewWithoutMarginsOrClose)
{
    inEditor([&](TChartEditForm &editor) {
        editor.Tree->setCurrentItem(editor.Tree->topLevelItem(2));
        EXPECT_EQ(editor.MainPage->currentWidget(), editor.TabPrint);
        auto *preview = qobject_cast<TChartPreview *>(editor.Page(cetPrintPreview));
        ASSERT_NE(preview, nullptr);
        EXPECT_TRUE(preview->isVisible());
        EXPECT_EQ(preview->TagPanel, window->Chart1);
        EXPECT_FALSE(preview->GBMargins->isVisible());
        EXPECT_FALSE(preview->PanelMargins->isVisible());
        EXPECT_FALSE(preview->BClose->isVisible());
    });
}

TEST_F(DiagramEditor, ItsPlaceIsKeptAndItsDefaultSizeIsNot)
{
    QPoint place;
    inEditor([&](TChartEditForm &editor) { place = editor.pos(); });
    const QString text = settingsText();
    EXPECT_TRUE(text.contains(QStringLiteral("[Editor]"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Left=%1\n").arg(place.x()))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Top=%1\n").arg(place.y())));
    EXPECT_TRUE(text.contains(QStringLiteral("TreeWidth=126\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("\nWidth=")));
    EXPECT_FALSE(text.contains(QStringLiteral("Height=")));

    QSize size;
    inEditor([&](TChartEditForm &editor) {
        editor.move(60, 70);
        editor.resize(editor.width() + 40, 400);
        size = editor.size();
    });
    inEditor([&](TChartEditForm &editor) {
        EXPECT_EQ(editor.pos(), QPoint(60, 70));
        EXPECT_EQ(editor.size(), size);
    });
}

TEST_F(DiagramEditor, TheSeriesNodeOffersOnlyTheDiagramsOperations)
{
    ScriptedDialogService dialogs;
    QString legendText;
    inEditor(
        [&](TChartEditForm &editor) {
            TChart *chart = window->Chart1;
            ASSERT_EQ(chart->SeriesCount(), 2);
            TChartSeries *first = chart->GetSeries(0);
            const QString oldTitle = first->Title();
            editor.Tree->setCurrentItem(editor.Tree->topLevelItem(0));
            EXPECT_EQ(editor.SubPage->currentWidget(), editor.TabSeriesList);
            EXPECT_TRUE(editor.LBSeries->isVisible());
            editor.LBSeries->SetItemIndex(0);
            EXPECT_FALSE(editor.BAddSeries->isEnabled());
            EXPECT_FALSE(editor.BDeleteSeries->isEnabled());
            EXPECT_FALSE(editor.BCloneSeries->isEnabled());
            EXPECT_FALSE(editor.BChangeTypeSeries->isEnabled()); // no gallery yet
            EXPECT_TRUE(editor.BRenameSeries->isEnabled());
            EXPECT_TRUE(editor.BMoveUP->isVisible());
            EXPECT_FALSE(editor.BMoveUP->isEnabled());
            EXPECT_TRUE(editor.BMoveDown->isEnabled());
            // Delete is off in this editor: its key deletes no curve, and Insert adds none.
            QTest::keyClick(editor.LBSeries, Qt::Key_Delete);
            QTest::keyClick(editor.LBSeries, Qt::Key_Insert);
            EXPECT_EQ(chart->SeriesCount(), 2);

            editor.BMoveDown->click();
            EXPECT_EQ(chart->GetSeries(1), first);
            EXPECT_EQ(editor.Tree->topLevelItem(0)->child(1)->text(0), PlotEngine::SeriesTitleOrName(*first));

            dialogs.queueText(QStringLiteral("Testkurve"));
            editor.LBSeries->SelectSeries(first);
            editor.BRenameSeries->click();
            ASSERT_EQ(dialogs.calls().size(), 1);
            EXPECT_EQ(dialogs.calls().first().caption, QStringLiteral("Reihentitel ändern"));
            EXPECT_EQ(dialogs.calls().first().text, oldTitle);
            EXPECT_EQ(first->Title(), QStringLiteral("Testkurve"));
            EXPECT_EQ(editor.Tree->topLevelItem(0)->child(1)->text(0), QStringLiteral("Testkurve"));
            // Cancel changes nothing.
            editor.BRenameSeries->click();
            EXPECT_EQ(first->Title(), QStringLiteral("Testkurve"));
        },
        [&] { pickSecondCurve(); },
        [&] { legendText = window->Chart1->SeriesTitleLegend(1); });
    EXPECT_EQ(legendText, QStringLiteral("Testkurve"));
}

TEST_F(DiagramEditor, TheMarksArrowBorderIsEditedInPlaceAndEveryCancelGivesItBack)
{
    inEditor([&](TChartEditForm &editor) {
        TChartSeries *curve = window->Chart1->GetSeries(0);
        TFormPlotSeries &seriesForm = *editor.SeriesForm();
        seriesForm.PageSeries->setCurrentWidget(seriesForm.TabMarks);
        seriesForm.CBMarksVisible->click();
        ASSERT_TRUE(curve->Marks()->Visible());
        seriesForm.PageMarks->setCurrentWidget(seriesForm.TabArrows);
        ASSERT_TRUE(seriesForm.BMarksArrowPen->isVisible());
        const TPen *arrow = curve->Marks()->Callout()->Arrow();
        const int before = arrow->Width();
        // Width 4 while the dialog shows; then the way out: Cancel, or the window's close button.
        for (const bool byCancel : {true, false}) {
            SCOPED_TRACE(byCancel ? "Cancel" : "title bar");
            int during = 0;
            QTimer::singleShot(0, &editor, [&] {
                auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                ASSERT_NE(dialog, nullptr);
                auto *width = dialog->findChild<QSpinBox *>(QStringLiteral("SEWidth"));
                ASSERT_NE(width, nullptr);
                width->setValue(4);
                during = arrow->Width();
                if (byCancel)
                    dialog->findChild<QPushButton *>(QStringLiteral("BCancel"))->click();
                else
                    dialog->close();
            });
            seriesForm.BMarksArrowPen->click();
            EXPECT_EQ(during, 4);
            EXPECT_EQ(arrow->Width(), before);
        }
    });
}

TEST_F(DiagramEditor, AStoredPlaceOffTheScreenIsPulledBackAndATinyWidthGrowsTo100)
{
    SettingsStore store(QStringLiteral("SOFTWARE\\Korvex\\Plot\\Editor"));
    store.writeString(QStringLiteral("Left"), QStringLiteral("99999"));
    store.writeString(QStringLiteral("Top"), QStringLiteral("10"));
    store.writeString(QStringLiteral("Width"), QStringLiteral("50"));
    store.writeString(QStringLiteral("TreeWidth"), QStringLiteral("99999999999"));
    ASSERT_TRUE(store.flush());
    inEditor([&](TChartEditForm &editor) {
        const QRect screen = QGuiApplication::primaryScreen()->availableVirtualGeometry();
        EXPECT_EQ(editor.Tree->width(), 126);
        EXPECT_EQ(editor.width(), 100 + 126 + editor.TreeSplitter->handleWidth());
        EXPECT_EQ(editor.x(), screen.x() + screen.width() - editor.width());
        EXPECT_EQ(editor.y(), 10);
    });
}
