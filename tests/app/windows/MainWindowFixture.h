// The main window started on a test database, its boxes scripted.
#pragma once

#include "ScriptedMessageService.h"
#include "TestProgramFolder.h"
#include "app/windows/TForm1.h"
#include "app/windows/TeinstellungenDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class MainWindowFixture : public testing::Test
{
protected:
    TestProgramFolder folder;
    ScriptedMessageService messages;
    std::unique_ptr<TForm1> form;

    void start(const QStringList &records)
    {
        folder.writeDatabase(records);
        startAgain();
    }

    void startAgain()
    {
        form = std::make_unique<TForm1>();
        ASSERT_TRUE(form->started());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // Results in fixed notation: the settings' default is scientific.
    void useFixedNotation() { form->settingsDialog()->CheckBox2->setChecked(false); }

    void setUnits(int temperatureIndex, int pressureIndex)
    {
        form->settingsDialog()->ComboBox1->setCurrentIndex(temperatureIndex);
        form->settingsDialog()->ComboBox2->setCurrentIndex(pressureIndex);
    }

    // Shows a dialog afresh, as its menu command would.
    static void showAgain(QWidget *dialog)
    {
        dialog->hide();
        dialog->show();
    }

    static QLineEdit *edit(const QWidget *dialog, const char *name) { return dialog->findChild<QLineEdit *>(name); }
    static QComboBox *combo(const QWidget *dialog, const char *name) { return dialog->findChild<QComboBox *>(name); }
    static QLabel *label(const QWidget *dialog, const char *name) { return dialog->findChild<QLabel *>(name); }

    // The one box shown since the last clear: caption and icon of an error box, its text.
    QString onlyErrorBox()
    {
        if (messages.shown().size() != 1) {
            ADD_FAILURE() << messages.shown().size() << " boxes";
            return {};
        }
        const ScriptedMessageService::Shown box = messages.shown().first();
        EXPECT_EQ(box.caption, form->globalText(GlobalText::ErrorCaption));
        EXPECT_EQ(box.flags, 16);
        messages.clear();
        return box.text;
    }

    QString inputErrorText(const QString &caption) const
    {
        return form->globalText(GlobalText::InvalidInput) + QStringLiteral("\r\"") + caption + QStringLiteral("\"!");
    }
};
