// The chart editor opened from the diagram window: German, in tree mode, on the curves, with the
// print preview inside, and back at its place next time.
#include "app/diagram/TKurveDlg.h"

#include "MainWindowFixture.h"
#include "TestRecords.h"
#include "app/windows/ChartLibrarySetup.h"

#include "chart/editor/TChartEditForm.h"
#include "chart/editor/TChartEditor.h"
#include "chart/editor/TChartPreview.h"
#include "chart/editor/TFormPlotSeries.h"
#include "chart/engine/PlotEngine.h"
#include "chart/engine/SeriesUnit.h"
#include "chart/engine/TChartSeries.h"
#include "chart/series/TChart.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
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
        start({w2000Record()});
        window = form->diagramWindow();
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { PlotEngine::ShowErrorBoxHook() = nullptr; }

    // Opens the diagram, presses "Diagramm bearbeiten", runs the steps on the editor form while it
    // shows and closes both.
    void inEditor(const std::function<void(TChartEditForm &)> &steps)
    {
        bool edited = false;
        QTimer::singleShot(0, window, [&] {
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
        ASSERT_EQ(editor.Tree->topLevelItemCount(), 2);
        QTreeWidgetItem *seriesNode = editor.Tree->topLevelItem(0);
        EXPECT_EQ(seriesNode->text(0), QStringLiteral("Reihe"));
        EXPECT_EQ(editor.Tree->topLevelItem(1)->text(0), QStringLiteral("Drucken"));
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

TEST_F(DiagramEditor, ThePrintNodeShowsTheChartsPreviewWithoutMarginsOrClose)
{
    inEditor([&](TChartEditForm &editor) {
        editor.Tree->setCurrentItem(editor.Tree->topLevelItem(1));
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
