// A started main window with its settings at °C, bar and fixed notation, for the tests of the
// mixture and solution dialogs and their table windows. Boxes go to a scripted message service;
// tables print into a PDF.
#pragma once

#include "FakePrinterService.h"
#include "ScriptedMessageService.h"
#include "SolutionTestData.h"
#include "TestProgramFolder.h"
#include "app/container/DataPasswords.h"
#include "app/data/DataFiles.h"
#include "app/data/LanguageTables.h"
#include "app/print/TablePrinter.h"
#include "app/windows/CompositionDialog.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TForm1.h"
#include "app/windows/TeinstellungenDlg.h"
#include "app/windows/ValueTableDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

class SystemDialogFixture : public testing::Test
{
protected:
    enum Unit : int { Celsius = 0, Kelvin = 2, Bar = 0, Millibar = 1, WaterColumn = 8 };

    TestProgramFolder folder;
    ScriptedMessageService messages;
    FakePrinterService printers;
    std::unique_ptr<TForm1> form;

    void start(const QStringList &records)
    {
        folder.writeDatabase(records);
        form = std::make_unique<TForm1>();
        ASSERT_TRUE(form->started());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        setUnits(Celsius, Bar);
        form->settingsDialog()->CheckBox2->setChecked(false);
    }

    // The test solids and aqueous solutes, written before the start.
    void writeSolutionDataFiles()
    {
        const QString aqueous = QString::fromLatin1(DataPasswords::kAqueous);
        folder.writeDataFile(kAqueousSolutesFile, aqueous, aqueousSoluteFileLines());
        folder.writeDataFile(kAqueousCoefficientsFile, aqueous, aqueousCoefficientFileLines());
        folder.writeDataFile(kSolidsFile, QString::fromLatin1(DataPasswords::kSolids), solidsFileLines());
    }

    void setUnits(int temperatureIndex, int pressureIndex)
    {
        form->settingsDialog()->ComboBox1->setCurrentIndex(temperatureIndex);
        form->settingsDialog()->ComboBox2->setCurrentIndex(pressureIndex);
    }

    QString global(GlobalText text) const { return form->globalText(text); }

    // Line n (from 1, the header line's own text) of a window's language block.
    QString blockText(QStringView window, int n) const
    {
        FormTextReader reader = form->languageTables().block(window);
        QString text;
        for (int i = 0; i < n; ++i)
            text = reader.next();
        return text;
    }

    // The texts of the boxes shown since the last clear.
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const ScriptedMessageService::Shown &shown : messages.shown())
            texts << shown.text;
        return texts;
    }

    // Shows a dialog as its menu item does, without a modal loop.
    static void open(QDialog *dialog)
    {
        dialog->hide();
        dialog->show();
    }

    // Clicks a table button; true when its table window opened (it is closed again at once).
    static bool opensTable(QPushButton *button, QDialog *table)
    {
        bool opened = false;
        QTimer::singleShot(0, table, [&] {
            opened = table->isVisible();
            table->reject();
        });
        button->click();
        QCoreApplication::processEvents();
        return opened;
    }

    // Adds the list item whose name or second column is `item` with its percentage, as the user
    // does: select, add, type the percentage.
    static void addComponent(CompositionDialog *dialog, const QString &item, const QString &percent)
    {
        QListWidgetItem *found = nullptr;
        for (int i = 0; i < dialog->ListBox1->count() && !found; ++i) {
            const QString text = dialog->ListBox1->item(i)->text();
            if (text.section(u'\t', 0, 0) == item || text.section(u'\t', 1) == item)
                found = dialog->ListBox1->item(i);
        }
        ASSERT_NE(found, nullptr) << item.toStdString();
        dialog->ListBox1->setCurrentItem(found);
        dialog->SpeedButton1->click();
        const int row = dialog->StringGrid1->usedRows();
        dialog->StringGrid1->item(row - 1, CompositionGrid::kPercentColumn)->setText(percent);
    }

    // Clicks a component row of a grid, as the user selects it.
    static void clickRow(QTableWidget *grid, int row)
    {
        const QRect cell = grid->visualItemRect(grid->item(row - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    // Prints a table window into a PDF and gives the text of its pages as pdftotext lays it out.
    QString printedLayout(ValueTableDialog *table, const QString &pdfFile)
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        EXPECT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is needed; setup.sh installs it";
        printers.setOutputFile(pdfFile);
        table->BitBtn1->click();
        QProcess process;
        process.start(pdftotext, {QStringLiteral("-layout"), pdfFile, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The same text with its runs of white space made single blanks.
    QString printedText(ValueTableDialog *table, const QString &pdfFile)
    {
        return printedLayout(table, pdfFile).simplified();
    }
};
