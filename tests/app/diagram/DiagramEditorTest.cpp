// The chart editor opened from the diagram window: German, in tree mode, on the curves, with the
// print preview inside, and back at its place next time.
#include "app/diagram/TKurveDlg.h"

#include "app/diagram/TMeddazuDlg.h"
#include "app/windows/ChartLibrarySetup.h"
#include "app/windows/SubstanceListBox.h"
#include "chart/core/PlotConst.h"
#include "chart/core/PlotEditorOptions.h"
#include "chart/panel/PlotColorDialog.h"
#include "chart/core/TChartPen.h"
#include "chart/core/TPlotFont.h"
#include "chart/core/TView3DOptions.h"
#include "chart/editor/EditorShownPage.h"
#include "chart/editor/TAxisMaxMin.h"
#include "chart/editor/TButtonPen.h"
#include "chart/editor/TChartEditForm.h"
#include "chart/editor/TChartEditor.h"
#include "chart/editor/TChartGalleryPanel.h"
#include "chart/editor/TChartListBox.h"
#include "chart/editor/TChartPreview.h"
#include "chart/editor/TFormPlot3D.h"
#include "chart/editor/TFormPlotAxis.h"
#include "chart/editor/TFormPlotLegend.h"
#include "chart/editor/TFormPlotPage.h"
#include "chart/editor/TFormPlotPanel.h"
#include "chart/editor/TFormPlotSeries.h"
#include "chart/editor/TFormPlotTitle.h"
#include "chart/editor/TFormPlotWall.h"
#include "chart/editor/TGalleryChart.h"
#include "chart/editor/TPlotGallery.h"
#include "chart/editor/TPlotGradientEditor.h"
#include "chart/editor/TSeriesPointerEditor.h"
#include "chart/engine/PlotEngine.h"
#include "chart/engine/SeriesUnit.h"
#include "chart/engine/TCallout.h"
#include "chart/engine/TChartAxis.h"
#include "chart/engine/TChartAxisTitle.h"
#include "chart/engine/TChartSeries.h"
#include "chart/engine/TCustomAxisPanel.h"
#include "chart/engine/TSeriesMarks.h"
#include "chart/export/gif/ReduceColors.h"
#include "chart/export/NativeChartFile.h"
#include "chart/export/TPlotExportForm.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/TChart.h"
#include "chart/series/TChartLegend.h"
#include "chart/series/TChartTitle.h"
#include "chart/series/TChartWall.h"
#include "chart/series/TLegendTitle.h"
#include "chart/series/TCustomSeries.h"
#include "chart/series/TPageNumTool.h"
#include "DiagramEditorFixture.h"
#include "ExternalTool.h"
#include "MainWindowFixture.h"
#include "platform/SettingsStore.h"
#include "RasterTestSupport.h"
#include "ScriptedDialogService.h"
#include "TestRecords.h"
#include "tests/chart/core/ScopedLocale.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

namespace {

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(DiagramEditor, OpensInTreeModeInGermanOnTheFirstCurve)
{
    inEditor([&](TChartEditForm &editor) {
        EXPECT_EQ(editor.windowTitle(), form->globalText(GlobalText::ChartEditorCaption));
        EXPECT_TRUE(editor.Tree->isVisible());
        ASSERT_EQ(editor.Tree->topLevelItemCount(), 4);
        QTreeWidgetItem *seriesNode = editor.Tree->topLevelItem(0);
        EXPECT_EQ(seriesNode->text(0), QStringLiteral("Reihe"));
        EXPECT_EQ(editor.Tree->topLevelItem(1)->text(0), QStringLiteral("Diagramm"));
        EXPECT_EQ(editor.Tree->topLevelItem(2)->text(0), QStringLiteral("Exportieren"));
        EXPECT_EQ(editor.Tree->topLevelItem(3)->text(0), QStringLiteral("Drucken"));
        ASSERT_EQ(seriesNode->childCount(), window->Chart1->SeriesCount());
        EXPECT_TRUE(seriesNode->isExpanded());
        EXPECT_EQ(editor.Tree->currentItem(), seriesNode->child(0));
        EXPECT_EQ(seriesNode->child(0)->text(0), PlotEngine::SeriesTitleOrName(*window->Chart1->GetSeries(0)));
        // The series editor on the curve, at Format: the line editor, with its "Punkt" tab.
        ASSERT_NE(editor.SeriesForm(), nullptr);
        EXPECT_EQ(editor.SeriesForm()->TheSeries(), window->Chart1->GetSeries(0));
        EXPECT_EQ(editor.SeriesForm()->PageSeries->currentWidget(), editor.SeriesForm()->TabFormat);
        EXPECT_EQ(editor.SeriesForm()->PageSeries->tabText(1), QStringLiteral("Punkt"));
        // General and Marks follow the type's own tabs.
        for (QWidget *tab : {editor.SeriesForm()->TabGeneral, editor.SeriesForm()->TabMarks}) {
            const int index = editor.SeriesForm()->PageSeries->indexOf(tab);
            EXPECT_GT(index, 1);
            EXPECT_TRUE(editor.SeriesForm()->PageSeries->isTabVisible(index));
        }
    });
}

TEST_F(DiagramEditor, TheChartNodeListsThePagesTheWindowShowsAndNoGeneralPage)
{
    inEditor([&](TChartEditForm &editor) {
        QTreeWidgetItem *chartNode = rootNode(editor, QStringLiteral("Diagramm"));
        ASSERT_NE(chartNode, nullptr);
        QStringList pages;
        for (int i = 0; i < chartNode->childCount(); ++i)
            pages << chartNode->child(i)->text(0);
        EXPECT_EQ(pages, (QStringList{QStringLiteral("Achse"), QStringLiteral("Titel"), QStringLiteral("Legende"),
                                      QStringLiteral("Tafel"), QStringLiteral("Seiten"), QStringLiteral("Wände"),
                                      QStringLiteral("3D")}));
        EXPECT_FALSE(editor.IsTabShown(cetGeneral));
        EXPECT_EQ(editor.Page(cetGeneral), nullptr);
    });
}

TEST_F(DiagramEditor, TheCurvesPunktTabTurnsMarkersOnTheCurve)
{
    inEditor([&](TChartEditForm &editor) {
        TFormPlotSeries *series = editor.SeriesForm();
        ASSERT_NE(series, nullptr);
        EXPECT_FALSE(series->PageSeries->isTabVisible(series->PageSeries->indexOf(series->TabDataSource)));
        series->PageSeries->setCurrentIndex(1);
        auto *pointer = series->PageSeries->widget(1)->findChild<TSeriesPointerEditor *>();
        ASSERT_NE(pointer, nullptr);
        EXPECT_EQ(pointer->CBStyle->count(), 12);
        auto *curve = qobject_cast<TCustomSeries *>(window->Chart1->GetSeries(0));
        ASSERT_NE(curve, nullptr);
        ASSERT_FALSE(curve->Pointer()->Visible());
        const QImage without = window->Chart1->grab().toImage();
        pointer->CBVisible->click();
        EXPECT_TRUE(curve->Pointer()->Visible());
        EXPECT_NE(window->Chart1->grab().toImage(), without); // the markers are drawn
    });
}

TEST_F(DiagramEditor, TheExportNodeShowsTheExportPageWithoutNativeTabOrClose)
{
    inEditor([&](TChartEditForm &editor) {
        editor.Tree->setCurrentItem(rootNode(editor, QStringLiteral("Exportieren")));
        auto *page = qobject_cast<TPlotExportForm *>(editor.Page(cetExport));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->ExportPanel(), window->Chart1);
        EXPECT_FALSE(page->PageControl1->isTabVisible(page->PageControl1->indexOf(page->TabNative)));
        EXPECT_FALSE(page->BClose->isVisible());
    });
}

TEST_F(DiagramEditor, TheExportNodeSavesAndCopiesTheRasterFormats)
{
    const QTemporaryDir dir;
    ScriptedDialogService dialogs;
    const struct { const char *item; const char *extension; const char *decoder; const char *mime; } cases[] = {
        {"als PCX", "pcx", "pcxtoppm", nullptr},
        {"als PNG", "png", "pngtopam", nullptr},
        {"als GIF", "gif", "giftopnm", "image/gif"},
        {"als JPEG", "jpg", "djpeg", "image/jpeg"},
    };
    inEditor([&](TChartEditForm &editor) {
        editor.Tree->setCurrentItem(rootNode(editor, QStringLiteral("Exportieren")));
        auto *page = qobject_cast<TPlotExportForm *>(editor.Page(cetExport));
        ASSERT_NE(page, nullptr);
        TChart &chart = *window->Chart1;
        const QImage bitmap =
            chart.CreateBitmap(chart.GetBackColor(), {0, 0, page->UDWidth->value(), page->UDHeight->value()});
        ASSERT_EQ(bitmap.size(), chart.size());
        const auto expectChart = [&](const QImage &decoded, const char *extension) {
            ASSERT_EQ(decoded.size(), bitmap.size());
            const QByteArray format(extension);
            if (format == "jpg")
                EXPECT_LE(RasterTest::meanAbsoluteError(decoded, bitmap), 2);
            else if (format == "gif")
                EXPECT_EQ(RasterTest::differingPixels(decoded, ReduceColors(bitmap, rmQuantizeWindows, dmNearest, 8, {})), 0);
            else
                EXPECT_EQ(RasterTest::differingPixels(decoded, bitmap), 0);
        };
        const auto decode = [](const char *decoder, const QByteArray &bytes) {
            const ToolResult result = runTool(QString::fromLatin1(decoder), {}, bytes);
            EXPECT_EQ(result.exitCode, 0) << decoder << ": " << result.err.toStdString();
            return RasterTest::readNetpbm(result.out);
        };
        for (const auto &c : cases) {
            SCOPED_TRACE(c.item);
            const QList<QListWidgetItem *> found = page->LBFormat->findItems(QString::fromUtf8(c.item), Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            page->LBFormat->setCurrentItem(found[0]);
            const QString file = dir.filePath(QStringLiteral("kurve.") + QLatin1String(c.extension));
            dialogs.queueSaveFile(file);
            page->BSave->click();
            expectChart(decode(c.decoder, readFileBytes(file)), c.extension);

            page->BCopy->click();
            const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
            ASSERT_NE(copied, nullptr);
            if (c.mime)
                expectChart(decode(c.decoder, copied->data(QLatin1String(c.mime))), c.extension);
            else
                expectChart(qvariant_cast<QImage>(copied->imageData()), c.extension);
        }
    });
}

TEST_F(DiagramEditor, ThePrintNodeShowsTheChartsPreviewWithoutMarginsOrClose)
{
    inEditor([&](TChartEditForm &editor) {
        editor.Tree->setCurrentItem(rootNode(editor, QStringLiteral("Drucken")));
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
            EXPECT_TRUE(editor.BChangeTypeSeries->isEnabled()); // through the gallery
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

TEST_F(DiagramEditor, TheFooterNodeEditsTheDiagramsFootLines)
{
    inEditor([&](TChartEditForm &editor) {
        QTreeWidgetItem *chartNode = rootNode(editor, QStringLiteral("Diagramm"));
        ASSERT_NE(chartNode, nullptr);
        QTreeWidgetItem *titles = nullptr;
        for (int i = 0; i < chartNode->childCount(); ++i) {
            if (chartNode->child(i)->text(0) == QStringLiteral("Titel"))
                titles = chartNode->child(i);
        }
        ASSERT_NE(titles, nullptr);
        ASSERT_EQ(titles->childCount(), 4);
        EXPECT_EQ(titles->child(2)->text(0), QStringLiteral("Fußzeile"));
        editor.Tree->setCurrentItem(titles->child(2));
        auto *page = qobject_cast<TFormPlotTitle *>(editor.Page(cetTitles));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->TheTitle(), window->Chart1->Foot());
        EXPECT_TRUE(page->MText->toPlainText().startsWith(form->globalText(GlobalText::DiagramFoot1)));
        EXPECT_EQ(page->MText->toPlainText(), window->Chart1->Foot()->Text().join(QLatin1Char('\n')));
        // The combo's fixed items are German and name the title as the tree does; the memo, the
        // user's text, kept the foot lines above.
        EXPECT_EQ(page->CBTitles->itemText(3), titles->child(2)->text(0));
        EXPECT_EQ(page->CBTitles->itemText(2), titles->child(3)->text(0));
        page->MText->setPlainText(QStringLiteral("Dampfdruck von Wasser\nnach Wagner"));
        EXPECT_EQ(window->Chart1->Foot()->Text(),
                  (QStringList{QStringLiteral("Dampfdruck von Wasser"), QStringLiteral("nach Wagner")}));
    });
}

TEST_F(DiagramEditor, ACustomLegendPositionStopsResizingTheDiagram)
{
    inEditor([&](TChartEditForm &editor) {
        editor.ShowTab(cetLegend);
        auto *page = qobject_cast<TFormPlotLegend *>(editor.Page(cetLegend));
        ASSERT_NE(page, nullptr);
        TChartLegend &legend = *window->Chart1->Legend();
        legend.SetResizeChart(true);
        legend.SetCustomPosition(false);
        page->hide();
        page->show();
        page->PageControl1->setCurrentWidget(page->TabPosition);
        EXPECT_EQ(page->PageControl1->tabText(page->PageControl1->indexOf(page->TabPosition)), QStringLiteral("Position"));
        EXPECT_TRUE(page->CBResizeChart->isChecked());
        page->CBCustPos->click();
        EXPECT_FALSE(legend.ResizeChart());
        EXPECT_FALSE(page->CBResizeChart->isChecked());
        EXPECT_FALSE(page->UDMargin->isEnabled());
        EXPECT_FALSE(page->UDTopPos->isEnabled());
        EXPECT_TRUE(page->UDLeft->isEnabled());
    });
}

TEST_F(DiagramEditor, PanelGradientPresetsAreGermanAndSortedAndTheWallsGradientCancels)
{
    inEditor([&](TChartEditForm &editor) {
        editor.ShowTab(cetPanel);
        auto *panel = qobject_cast<TFormPlotPanel *>(editor.Page(cetPanel));
        ASSERT_NE(panel, nullptr);
        panel->PageControl1->setCurrentWidget(panel->TabGradient);
        auto *presets = panel->GradientEditor->findChild<QListWidget *>(QStringLiteral("Gallery"));
        ASSERT_NE(presets, nullptr);
        EXPECT_EQ(presets->item(0)->text(), QStringLiteral("Ass"));
        const QList<QListWidgetItem *> hot = presets->findItems(QStringLiteral("Heiß"), Qt::MatchExactly);
        ASSERT_EQ(hot.size(), 1);
        Q_EMIT presets->itemClicked(hot.front());
        EXPECT_TRUE(panel->GradientEditor->findChild<QCheckBox *>(QStringLiteral("CBMid"))->isChecked());

        editor.ShowTab(cetWalls);
        auto *walls = qobject_cast<TFormPlotWall *>(editor.Page(cetWalls));
        ASSERT_NE(walls, nullptr);
        TPlotGradient &gradient = *window->Chart1->LeftWall()->Gradient();
        gradient.SetStartColor(0x123456); // no preset starts with it
        const TColor start = gradient.StartColor();
        const TGradientDirection direction = gradient.Direction();
        for (const bool byCancel : {true, false}) {
            SCOPED_TRACE(byCancel ? "Cancel" : "title bar");
            QTimer::singleShot(0, &editor, [&] {
                auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                ASSERT_NE(dialog, nullptr);
                auto *list = dialog->findChild<QListWidget *>(QStringLiteral("Gallery"));
                Q_EMIT list->itemClicked(list->item(0));
                if (byCancel)
                    dialog->reject();
                else
                    dialog->close();
            });
            walls->BGradient->click();
            EXPECT_EQ(gradient.StartColor(), start);
            EXPECT_EQ(gradient.Direction(), direction);
        }
    });
}

TEST_F(DiagramEditor, The3DNodeTurnsTheDiagramIn3DAndItsFlatViewTurnsItBack)
{
    inEditor([&](TChartEditForm &editor) {
        const QList<QTreeWidgetItem *> found = editor.Tree->findItems(QStringLiteral("3D"), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(found[0]->parent()->text(0), QStringLiteral("Diagramm"));
        editor.Tree->setCurrentItem(found[0]);
        auto *page = qobject_cast<TFormPlot3D *>(editor.Page(cet3D));
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(page->isVisible());
        EXPECT_EQ(page->CBView3d->text().remove(QLatin1Char('&')), QStringLiteral("3 Dimensionen"));
        EXPECT_FALSE(window->Chart1->View3D());
        page->CBView3d->click();
        EXPECT_TRUE(window->Chart1->View3D());

        EXPECT_EQ(page->PageControl1->tabText(1), QStringLiteral("Ansichten"));
        page->PageControl1->setCurrentWidget(page->TabViews);
        ASSERT_EQ(page->Gallery->Charts().size(), 6u);
        const QString shots = qEnvironmentVariable("TENSIMO_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            editor.resize(640, 420);
            QCoreApplication::processEvents();
            EXPECT_TRUE(editor.grab().save(shots + QStringLiteral("/editor-3d-views.png")));
        }
        TGalleryChart &flat = *page->Gallery->Charts().front();
        EXPECT_EQ(flat.Title()->Text(), QStringList{QStringLiteral("2D")});
        QTest::mouseClick(&flat, Qt::LeftButton);
        EXPECT_FALSE(window->Chart1->View3D());
    });
}

namespace {

// The pixels of the chart that show the font, not what lies over or under it: those that change
// with its colour.
int pixelsShowing(TChart &chart, TPlotFont &font)
{
    const TColor colour = font.Color();
    font.SetColor(0x0000FF);
    const QImage red = chart.grab().toImage();
    font.SetColor(0xFF0000);
    const QImage blue = chart.grab().toImage();
    font.SetColor(colour);
    int count = 0;
    for (int y = 0; y < red.height(); ++y)
        for (int x = 0; x < red.width(); ++x)
            count += red.pixel(x, y) != blue.pixel(x, y);
    return count;
}

} // namespace

// In "3D links" and after a rotation the left wall, drawn again in front of the curves, covered the
// left axis' labels and title. Texts drawn in 3D keep their size, so a title shows as many pixels
// in every view as in the flat one, wherever it lies on the picture; a turned axis labels fewer
// values, which show as many pixels as in the same view without walls.
TEST_F(DiagramEditor, EveryViewOfThe3DPageShowsTheAxisTitlesAndLabels)
{
    inEditor([&](TChartEditForm &editor) {
        auto *page = showPage<TFormPlot3D>(editor, "3D", cet3D);
        ASSERT_NE(page, nullptr);
        page->PageControl1->setCurrentWidget(page->TabViews);
        const auto &views = page->Gallery->Charts();
        ASSERT_EQ(views.size(), 6u);
        TChart &chart = *window->Chart1;
        struct Text
        {
            const char *name;
            TPlotFont *font;
            bool labels;
            int flat = 0;
        };
        Text texts[] = {{"left title", chart.LeftAxis()->Title()->Font(), false},
                        {"bottom title", chart.BottomAxis()->Title()->Font(), false},
                        {"left labels", chart.LeftAxis()->LabelsFont(), true},
                        {"bottom labels", chart.BottomAxis()->LabelsFont(), true}};
        const auto expectAllShown = [&](const std::string &view) {
            for (Text &text : texts) {
                SCOPED_TRACE(view + ", " + text.name);
                const int shown = pixelsShowing(chart, *text.font);
                if (text.flat == 0) {
                    EXPECT_GT(shown, 100);
                    text.flat = shown;
                }
                int uncovered = text.flat;
                if (text.labels) {
                    chart.SetView3DWalls(false);
                    uncovered = pixelsShowing(chart, *text.font);
                    chart.SetView3DWalls(true);
                    EXPECT_GT(uncovered, 100);
                }
                EXPECT_GE(shown, uncovered * 95 / 100);
            }
        };
        ASSERT_EQ(views.front()->Title()->Text(), QStringList{QStringLiteral("2D")});
        for (const auto &view : views) {
            QTest::mouseClick(view.get(), Qt::LeftButton);
            expectAllShown(view->Title()->Text().join(u' ').toStdString());
        }
        // Turned round from the last view, where the chart stays whole on the picture: it stands
        // edge-on at 90 and 270 degrees, and from 150 to 240 the left title runs off the picture.
        EXPECT_TRUE(chart.View3D());
        page->PageControl1->setCurrentIndex(0);
        ASSERT_TRUE(page->SBRotation->isEnabled());
        for (const int rotation : {0, 30, 60, 120, 300, 330}) {
            page->SBRotation->setValue(rotation);
            ASSERT_EQ(chart.View3DOptions()->Rotation(), rotation);
            expectAllShown("rotation " + std::to_string(rotation));
        }
    });
}

TEST_F(DiagramEditor, AxisNodesEditThePressureAxisInGerman)
{
    inEditor([&](TChartEditForm &editor) {
        QTreeWidgetItem *axisNode = topNode(editor, "Achse");
        ASSERT_NE(axisNode, nullptr);
        ASSERT_EQ(axisNode->childCount(), 6);
        EXPECT_EQ(axisNode->child(0)->text(0), QStringLiteral("Linke Achse"));
        editor.Tree->setCurrentItem(axisNode->child(0));
        auto *page = qobject_cast<TFormPlotAxis *>(editor.Page(cetAxis));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->TheAxis(), window->Chart1->LeftAxis());
        EXPECT_TRUE(page->isVisible());
        EXPECT_EQ(page->PageAxis->tabText(0), QStringLiteral("Skalen"));
        EXPECT_EQ(page->CBLogarithmic->text().remove(QLatin1Char('&')), QStringLiteral("Logarithmisch"));

        // The pressure axis: logarithmic allowed, its base editable only while ticked.
        EXPECT_TRUE(page->CBLogarithmic->isEnabled());
        EXPECT_EQ(page->ELogBase->isEnabled(), page->CBLogarithmic->isChecked());
        if (!page->CBLogarithmic->isChecked())
            page->CBLogarithmic->click();
        ASSERT_TRUE(window->Chart1->LeftAxis()->Logarithmic());
        EXPECT_TRUE(page->ELogBase->isEnabled());
        messages.clear();
        for (const char *typed : {"1", "-2"}) {
            page->ELogBase->setText(QString::fromLatin1(typed));
            Q_EMIT page->ELogBase->textEdited(page->ELogBase->text());
            EXPECT_EQ(window->Chart1->LeftAxis()->LogarithmicBase(), 10) << typed;
        }
        EXPECT_EQ(messages.shown().size(), 1);

        editor.Tree->setCurrentItem(axisNode->child(3));
        EXPECT_EQ(page->TheAxis(), window->Chart1->BottomAxis());
        EXPECT_FALSE(page->BDelete->isEnabled());
        page->BAdd->click();
        ASSERT_EQ(page->LBAxes->count(), 7);
        EXPECT_EQ(page->LBAxes->item(6)->text(), QStringLiteral("Eigene 0"));
        EXPECT_TRUE(page->BDelete->isEnabled());
        page->BDelete->click();
        EXPECT_EQ(window->Chart1->CustomAxisCount(), 0);
        // Adding and removing rebuilt the axis nodes.
        axisNode = topNode(editor, "Achse");
        ASSERT_NE(axisNode, nullptr);
        EXPECT_EQ(axisNode->childCount(), 6);

        // The screenshot of the page, when a folder is asked for.
        editor.Tree->setCurrentItem(axisNode->child(0));
        const QString shots = qEnvironmentVariable("TENSIMO_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            editor.resize(640, 380);
            QCoreApplication::processEvents();
            EXPECT_TRUE(editor.grab().save(shots + QStringLiteral("/editor-axis-page.png")));
        }
    });
}

TEST_F(DiagramEditor, ThePressureAxisStartAtOrAboveItsEndSnapsBack)
{
    inEditor([&](TChartEditForm &editor) {
        auto *page = showPage<TFormPlotAxis>(editor, "Achse", cetAxis, true);
        ASSERT_NE(page, nullptr);
        page->PageAxis->setCurrentWidget(page->TabPosition);
        TChartAxis &axis = *window->Chart1->LeftAxis();
        const double start = axis.StartPosition();
        page->UDEnd->setValue(60);
        ASSERT_EQ(axis.EndPosition(), 60);
        for (const int typed : {60, 80}) {
            page->UDStart->setValue(typed);
            EXPECT_EQ(axis.StartPosition(), start) << typed;
            EXPECT_EQ(page->UDStart->value(), start) << typed;
        }
        page->UDEnd->setValue(int(start));
        EXPECT_EQ(axis.EndPosition(), 60);
        EXPECT_EQ(page->UDEnd->value(), 60);
    });
}

TEST_F(DiagramEditor, ThePressureMinimumIsTypedInGermanAndRefusalsKeepAutoAndTheDialog)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    inEditor([&](TChartEditForm &editor) {
        auto *page = showPage<TFormPlotAxis>(editor, "Achse", cetAxis, true);
        ASSERT_NE(page, nullptr);
        TChartAxis &axis = *window->Chart1->LeftAxis();
        ASSERT_TRUE(axis.AutomaticMinimum());
        // Types the text as the limit and presses OK; whether that closed the dialog.
        const auto enterLimit = [&](QPushButton &button, const QString &text) {
            bool closed = false;
            clickForDialog(button, [&](QDialog &dialog) {
                auto &limit = static_cast<TAxisMaxMin &>(dialog);
                EXPECT_FALSE(limit.EMinimum->isVisible()); // a number: "Wert:" only
                limit.EMaximum->setText(text);
                limit.BOk->click();
                closed = !limit.isVisible();
                if (!closed)
                    limit.reject();
            });
            return closed;
        };
        const auto enterMinimum = [&](const QString &text) { return enterLimit(*page->BAxisMin, text); };
        messages.clear();
        EXPECT_TRUE(enterMinimum(QLocale().toString(axis.Maximum() + 100)));
        EXPECT_EQ(messages.shown().size(), 1);
        EXPECT_TRUE(axis.AutomaticMinimum());
        EXPECT_TRUE(page->CBAutoMin->isChecked());

        messages.clear();
        EXPECT_FALSE(enterMinimum(QStringLiteral("x")));
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_TRUE(messages.shown().first().text.startsWith(QStringLiteral("Falscher Wert. Grund: ")));

        EXPECT_TRUE(enterMinimum(QStringLiteral("0,5")));
        EXPECT_EQ(axis.Minimum(), 0.5);
        EXPECT_FALSE(axis.AutomaticMinimum());
        EXPECT_FALSE(page->CBAutoMin->isChecked());

        // A range of no finite width is refused as a minimum above the maximum is: the axis kept
        // 1e308 down to -1e308, lost its labels and grid, and both curves vanished.
        EXPECT_TRUE(enterLimit(*page->BAxisMax, QStringLiteral("1e308")));
        EXPECT_EQ(axis.Maximum(), 1e308);
        messages.clear();
        EXPECT_TRUE(enterMinimum(QStringLiteral("-1e308")));
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().text, QStringLiteral("Achs-Maximum - Minimum muss eine endliche Zahl sein"));
        EXPECT_EQ(axis.Minimum(), 0.5);
        EXPECT_FALSE(page->CBAutoMin->isChecked());
    });
}

TEST_F(DiagramEditor, PagingShowsThePageNumberThroughTheWindowsOwnTool)
{
    inEditor([&](TChartEditForm &editor) {
        auto *page = showPage<TFormPlotPage>(editor, "Seiten", cetPaging);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->CBPageNum->text().remove(QLatin1Char('&')), QStringLiteral("Seitenzahl anzeigen"));
        EXPECT_EQ(page->LabelPages->text(), QStringLiteral("Seite 1 von 1"));
        ASSERT_NE(window->ChartTool1, nullptr);
        const int tools = window->Chart1->Tools().Count();
        EXPECT_FALSE(page->CBPageNum->isChecked());
        page->CBPageNum->click();
        EXPECT_TRUE(window->ChartTool1->Active());
        EXPECT_EQ(window->Chart1->Tools().Count(), tools);
        page->CBPageNum->click();
        EXPECT_FALSE(window->ChartTool1->Active());
    });
}

TEST_F(DiagramEditor, WallsOfSizeZeroCannotDarkenAndTheBottomWallHasNoAutoHide)
{
    inEditor([&](TChartEditForm &editor) {
        auto *page = showPage<TFormPlotWall>(editor, "Wände", cetWalls);
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(page->isVisible());
        page->TabSubWalls->setCurrentIndex(0);
        page->UDWallSize->setValue(5);
        EXPECT_TRUE(page->CBDark3D->isEnabled());
        page->UDWallSize->setValue(0);
        EXPECT_EQ(window->Chart1->LeftWall()->Size(), 0);
        EXPECT_FALSE(page->CBDark3D->isEnabled());

        ASSERT_EQ(page->TabSubWalls->count(), 4);
        EXPECT_EQ(page->TabSubWalls->tabText(2), QStringLiteral("Unten"));
        for (int tab = 0; tab < 4; ++tab) {
            page->TabSubWalls->setCurrentIndex(tab);
            EXPECT_EQ(page->CBAutoHide->isVisible(), tab != 2) << tab;
        }
    });
}

TEST_F(DiagramEditor, ChangeOpensTheGermanGalleryAndTheChosenBarsShowInTheDiagram)
{
    const QMetaObject *shownClass = nullptr;
    inEditor(
        [&](TChartEditForm &editor) {
            changeFirstCurve(editor, [&](QDialog &dialog) {
                auto *gallery = qobject_cast<TPlotGallery *>(&dialog);
                ASSERT_NE(gallery, nullptr);
                EXPECT_EQ(gallery->windowTitle(), QStringLiteral("Plot Galerie"));
                EXPECT_EQ(gallery->TabKinds->count(), 1); // no "Funktionen" for a type change
                EXPECT_EQ(gallery->TabKinds->tabText(0), QStringLiteral("Reihe"));
                ASSERT_GT(gallery->TabPages->count(), 0);
                EXPECT_EQ(gallery->TabPages->tabText(0), QStringLiteral("Standard"));
                EXPECT_EQ(gallery->CBSmooth->text(), QStringLiteral("&Glätten"));
                TGalleryChart *bars = nullptr;
                QStringList titles;
                for (const auto &sample : gallery->ChartGalleryPanel1->Charts()) {
                    titles << sample->Title()->Text().join(QLatin1Char(' '));
                    if (titles.last() == QStringLiteral("Balken"))
                        bars = sample.get();
                }
                EXPECT_EQ(titles.mid(0, 2), (QStringList{"Linie", "Balken"}));
                // The curve's own type starts selected.
                EXPECT_EQ(gallery->ChartGalleryPanel1->SelectedIndex(), 0);
                ASSERT_NE(bars, nullptr);
                gallery->ChartGalleryPanel1->SetSelectedChart(bars);
                const QString shots = qEnvironmentVariable("TENSIMO_SCREENSHOT_DIR");
                if (!shots.isEmpty()) {
                    QCoreApplication::processEvents(); // the page tabs are laid out once shown
                    EXPECT_TRUE(gallery->grab().save(shots + QStringLiteral("/editor-gallery.png")));
                }
                gallery->BOk->click();
            });
            EXPECT_NE(qobject_cast<TBarSeries *>(window->Chart1->GetSeries(0)), nullptr);
            EXPECT_EQ(editor.LBSeries->SelectedSeries(), window->Chart1->GetSeries(0));
        },
        {}, [&] { shownClass = window->Chart1->GetSeries(0)->metaObject(); });
    ASSERT_NE(shownClass, nullptr);
    EXPECT_STREQ(shownClass->className(), "TBarSeries");
}

TEST_F(DiagramEditor, SmoothInTheChangeGalleryIsStoredAtOnceAndCancelKeepsTheCurve)
{
    inEditor([&](TChartEditForm &editor) {
        TChartSeries *curve = window->Chart1->GetSeries(0);
        changeFirstCurve(editor, [&](QDialog &dialog) {
            auto &gallery = static_cast<TPlotGallery &>(dialog);
            EXPECT_FALSE(gallery.CBSmooth->isChecked());
            EXPECT_FALSE(settingsText().contains(QStringLiteral("SmoothGallery")));
            gallery.CBSmooth->click();
            EXPECT_TRUE(settingsText().contains(QStringLiteral("SmoothGallery=1")));
            EXPECT_TRUE(gallery.ChartGalleryPanel1->Charts().front()->Smooth());
            gallery.BCancel->click();
        });
        EXPECT_EQ(window->Chart1->GetSeries(0), curve);
    });
}

TEST_F(DiagramEditor, GalleryModeOneOpensTheLibraryGallery)
{
    ASSERT_TRUE(PlotProcs::WriteEditorInteger(QStringLiteral("GalleryMode"), 1));
    inEditor([&](TChartEditForm &editor) {
        TChartSeries *curve = window->Chart1->GetSeries(0);
        changeFirstCurve(editor, [&](QDialog &dialog) {
            EXPECT_EQ(dialog.objectName(), QStringLiteral("PlotGalleryForm"));
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Plot Bibliotheksgalerie"));
            dialog.reject();
        });
        EXPECT_EQ(window->Chart1->GetSeries(0), curve);
    });
}

TEST_F(DiagramEditor, ARebuildGivesTheDiagramItsOwnLookAgain)
{
    // A rebuild kept the user's legend style, legend title, wall colour, foot alignment and label
    // formats: a legend of last values then showed "88,066" without the substance's name.
    QByteArray own;
    QByteArray edited;
    QByteArray rebuilt;
    TColor ownWall = clNone;
    PlotColorDialog::DialogHook() = [](QWidget *, TColor, QList<QColor> &) { return std::optional<TColor>(clYellow); };
    const auto restoreHook = qScopeGuard([] { PlotColorDialog::DialogHook() = {}; });
    inEditor(
        [&](TChartEditForm &editor) {
            editor.ShowTab(cetLegend);
            auto *legend = qobject_cast<TFormPlotLegend *>(editor.Page(cetLegend));
            ASSERT_NE(legend, nullptr);
            legend->CBLegendStyle->setCurrentIndex(int(lsLastValues));
            Q_EMIT legend->CBLegendStyle->activated(int(lsLastValues));
            legend->PageControl1->setCurrentWidget(legend->TabTitle);
            legend->MemoText->setPlainText(QStringLiteral("Stoffe"));

            editor.ShowTab(cetWalls);
            auto *walls = qobject_cast<TFormPlotWall *>(editor.Page(cetWalls));
            ASSERT_NE(walls, nullptr);
            walls->TabSubWalls->setCurrentIndex(3);
            ASSERT_EQ(walls->TheWall(), window->Chart1->BackWall());
            walls->BWallColor->click();

            editor.ShowTab(cetTitles);
            auto *titles = qobject_cast<TFormPlotTitle *>(editor.Page(cetTitles));
            ASSERT_NE(titles, nullptr);
            titles->CBTitles->setCurrentIndex(3); // the foot
            Q_EMIT titles->CBTitles->activated(3);
            ASSERT_EQ(titles->TheTitle(), window->Chart1->Foot());
            titles->CBAlign->setCurrentIndex(0);
            Q_EMIT titles->CBAlign->activated(0);

            QTreeWidgetItem *axisNode = topNode(editor, "Achse");
            ASSERT_NE(axisNode, nullptr);
            editor.Tree->setCurrentItem(axisNode->child(3));
            auto *axis = qobject_cast<TFormPlotAxis *>(editor.Page(cetAxis));
            ASSERT_NE(axis, nullptr);
            ASSERT_EQ(axis->TheAxis(), window->Chart1->BottomAxis());
            axis->CBFormat->setCurrentText(QStringLiteral("0.0000"));
        },
        [&] {
            own = SaveChartToBytes(*window->Chart1, false, true);
            ownWall = window->Chart1->BackWall()->Color();
        },
        [&] {
            edited = SaveChartToBytes(*window->Chart1, false, true);
            TChart &chart = *window->Chart1;
            EXPECT_EQ(chart.Legend()->LegendStyle(), lsLastValues);
            EXPECT_EQ(chart.Legend()->Title()->Text(), QStringList{QStringLiteral("Stoffe")});
            EXPECT_EQ(chart.BackWall()->Color(), clYellow);
            EXPECT_EQ(chart.Foot()->Alignment(), taLeftJustify);
            EXPECT_EQ(chart.BottomAxis()->AxisValuesFormat(), QStringLiteral("0.0000"));
            // "Diagramm aktualisieren" in the picker rebuilds the same curves.
            TMeddazuDlg *picker = form->mediumPicker();
            picker->show();
            picker->BitBtn2->click();
            picker->hide();
            rebuilt = SaveChartToBytes(*window->Chart1, false, true);
            EXPECT_EQ(chart.Legend()->LegendStyle(), lsSeries);
            EXPECT_TRUE(chart.Legend()->Title()->Text().isEmpty());
            EXPECT_EQ(chart.BackWall()->Color(), ownWall);
            EXPECT_EQ(chart.Foot()->Alignment(), taCenter);
            EXPECT_EQ(chart.BottomAxis()->AxisValuesFormat(), PlotConst::message(PlotConst::msgDefValueFormat));
        });
    ASSERT_FALSE(own.isEmpty());
    EXPECT_NE(edited, own);
    EXPECT_EQ(QString::fromUtf8(rebuilt).toStdString(), QString::fromUtf8(own).toStdString());
}
