// The diagram window on a started main window, and the chart editor its "Diagramm bearbeiten"
// opens: run steps on the editor while it shows, find its tree's nodes and pages, open dialogs.
#pragma once

#include "app/diagram/TKurveDlg.h"

#include "app/diagram/TMeddazuDlg.h"
#include "app/windows/ChartLibrarySetup.h"
#include "app/windows/SubstanceListBox.h"
#include "chart/editor/TChartEditForm.h"
#include "chart/editor/TChartEditor.h"
#include "chart/editor/TChartListBox.h"
#include "chart/engine/PlotEngine.h"
#include "MainWindowFixture.h"
#include "TestRecords.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

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

    // The tree's root node of that caption; none when absent.
    static QTreeWidgetItem *rootNode(const TChartEditForm &editor, const QString &caption)
    {
        for (int i = 0; i < editor.Tree->topLevelItemCount(); ++i) {
            if (editor.Tree->topLevelItem(i)->text(0) == caption)
                return editor.Tree->topLevelItem(i);
        }
        return nullptr;
    }

    // The tree's top node of that caption.
    static QTreeWidgetItem *topNode(const TChartEditForm &editor, const char *caption)
    {
        const QList<QTreeWidgetItem *> found =
            editor.Tree->findItems(QString::fromUtf8(caption), Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_FALSE(found.isEmpty()) << caption;
        return found.isEmpty() ? nullptr : found.first();
    }

    // Selects the top node of that caption (or its first child) and gives the page it shows.
    template <class Page>
    static Page *showPage(TChartEditForm &editor, const char *caption, TChartEditorTab tab, bool firstChild = false)
    {
        QTreeWidgetItem *node = topNode(editor, caption);
        if (!node || (firstChild && node->childCount() == 0))
            return nullptr;
        editor.Tree->setCurrentItem(firstChild ? node->child(0) : node);
        return qobject_cast<Page *>(editor.Page(tab));
    }

    // Clicks the button and runs the steps on the modal dialog it opens; the steps close it.
    static void clickForDialog(QAbstractButton &button, const std::function<void(QDialog &)> &steps)
    {
        bool shown = false;
        QTimer::singleShot(0, &button, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            shown = true;
            steps(*dialog);
        });
        button.click();
        EXPECT_TRUE(shown);
    }
    // Selects the first curve in the series list and presses "Ändern...", running the steps on the
    // gallery while it shows; the steps close it.
    void changeFirstCurve(TChartEditForm &editor, const std::function<void(QDialog &)> &steps)
    {
        editor.Tree->setCurrentItem(editor.Tree->topLevelItem(0));
        editor.LBSeries->SetItemIndex(0);
        EXPECT_TRUE(editor.BChangeTypeSeries->isEnabled());
        EXPECT_FALSE(editor.BAddSeries->isEnabled());
        clickForDialog(*editor.BChangeTypeSeries, steps);
    }

    QString settingsText() const
    {
        QFile file(folder.filePath(QStringLiteral("settings/Korvex/Plot.conf")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};
