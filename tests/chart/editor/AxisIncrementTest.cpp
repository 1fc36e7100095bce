// The axis increment dialog and the increment texts of the axis page.
#include "TAxisIncrement.h"

#include "DialogDriver.h"
#include "NumberFormat.h"
#include "PlotProcs.h"
#include "ScopedLocale.h"
#include "ScriptedMessageService.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct Typed {
    const char *text;
    double days;
};

// Types the text into the custom edit of a date-time dialog and presses OK.
bool typeIncrement(TAxisIncrement &dialog, const QString &text)
{
    dialog.IsDateTime = true;
    dialog.IStep = PlotProcs::kNoTimeStep;
    whenModalShows([text](QDialog &shown) {
        child<QLineEdit>(shown, "ECustom")->setText(text);
        child<QPushButton>(shown, "BOk")->click();
        if (shown.isVisible())
            shown.reject();
    });
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

TEST(AxisIncrement, CustomDateTimeTextsGiveDays)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    const Typed cases[] = {{"2 12:00:00", 2.5}, {"0.25", 0.25}, {"06:00:00", 0.25}, {"1 0:30", 1.0 + 1.0 / 48}};
    for (const Typed &c : cases) {
        SCOPED_TRACE(c.text);
        TAxisIncrement dialog;
        ASSERT_TRUE(typeIncrement(dialog, QString::fromLatin1(c.text)));
        EXPECT_NEAR(dialog.Increment, c.days, 1e-12);
    }
}

TEST(AxisIncrement, GermanDecimalCommaIsReadAsLocaleNumber)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    TAxisIncrement dialog;
    ASSERT_TRUE(typeIncrement(dialog, QStringLiteral("0,5")));
    EXPECT_DOUBLE_EQ(dialog.Increment, 0.5);
}

TEST(AxisIncrement, RefusedTextShowsTheMessageAndKeepsTheDialogOpen)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    ScriptedMessageService messages;
    const QString cases[] = {QStringLiteral("2 x"), QStringLiteral("25:00:00"), QString(), QString(10000, QLatin1Char('1')),
                             QStringLiteral("nan"), QStringLiteral("1e999")};
    for (const QString &text : cases) {
        SCOPED_TRACE(text.left(20).toStdString());
        messages.clear();
        TAxisIncrement dialog;
        dialog.Increment = 0.125;
        bool stayedOpen = false;
        dialog.IsDateTime = true;
        dialog.IStep = PlotProcs::kNoTimeStep;
        whenModalShows([&](QDialog &shown) {
            child<QLineEdit>(shown, "ECustom")->setText(text);
            child<QPushButton>(shown, "BOk")->click();
            stayedOpen = shown.isVisible();
            shown.reject();
        });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected);
        EXPECT_TRUE(stayedOpen);
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_TRUE(messages.shown().first().text.startsWith(QStringLiteral("Incorrect value. Reason: ")));
        EXPECT_DOUBLE_EQ(dialog.Increment, 0.125);
    }
}

TEST(AxisIncrement, OneDayShowsAsOneInTheDialogAndAsATimeOnThePage)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    TAxisIncrement dialog;
    dialog.IsDateTime = true;
    dialog.Increment = 1.0;
    dialog.IStep = PlotProcs::FindTimeStepIndex(1.0);
    QString shownText;
    whenModalShows([&](QDialog &shown) {
        shownText = child<QLineEdit>(shown, "ECustom")->text();
        shown.reject();
    });
    dialog.exec();
    EXPECT_EQ(shownText, QStringLiteral("1"));
    EXPECT_EQ(AxisIncrement::GetIncrementText(true, false, QString(), 1.0), QStringLiteral("24:00:00"));
    EXPECT_EQ(AxisIncrement::GetIncrementText(true, false, QString(), 2.25), QStringLiteral("2 6:00:00"));
    EXPECT_EQ(AxisIncrement::GetIncrementText(true, true, QString(), 1.0), QStringLiteral("One Day"));
    EXPECT_EQ(AxisIncrement::GetIncrementText(true, false, QString(), -3), QStringLiteral("0:00:01"));
}

TEST(AxisIncrement, ExactDateTimeOpensOnStandardOnlyForATableStep)
{
    struct Case {
        double increment;
        bool standard;
    };
    for (const Case &c : {Case{0.3, false}, Case{PlotProcs::TimeStep(12), true}}) {
        SCOPED_TRACE(c.increment);
        TAxisIncrement dialog;
        dialog.IsDateTime = true;
        dialog.IsExact = true;
        dialog.Increment = c.increment;
        dialog.IStep = PlotProcs::FindTimeStepIndex(c.increment);
        bool standard = false, editEnabled = false;
        whenModalShows([&](QDialog &shown) {
            standard = child<QRadioButton>(shown, "RBStandard")->isChecked();
            editEnabled = child<QLineEdit>(shown, "ECustom")->isEnabled();
            shown.reject();
        });
        dialog.exec();
        EXPECT_EQ(standard, c.standard);
        EXPECT_EQ(editEnabled, !c.standard);
    }
}

TEST(AxisIncrement, ChosenStandardStepIsTheTableValue)
{
    TAxisIncrement dialog;
    dialog.IsDateTime = true;
    dialog.Increment = 0.3;
    dialog.IStep = PlotProcs::kNoTimeStep;
    whenModalShows([](QDialog &shown) {
        child<QRadioButton>(shown, "RBStandard")->click();
        choose(*child<QComboBox>(shown, "CBSteps"), 19);
        child<QCheckBox>(shown, "CBExact")->click();
        child<QPushButton>(shown, "BOk")->click();
    });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dialog.Increment, 7.0);
    EXPECT_TRUE(dialog.IsExact);
}

TEST(AxisIncrement, NumericIncrementThatTheFormatHidesIsShownInGeneralForm)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(AxisIncrement::GetIncrementText(false, false, QStringLiteral("0.00"), 0.001), PlotFormat::FloatToStr(0.001));
    EXPECT_EQ(AxisIncrement::GetIncrementText(false, false, QStringLiteral("0.00"), 0.25), QStringLiteral("0.25"));
    EXPECT_EQ(AxisIncrement::GetIncrementStepName(16), QStringLiteral("One Day"));
}

TEST(AxisIncrement, NumericDialogHidesTheStepsAndReadsALocaleNumber)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    bool exact = false;
    double increment = 2;
    bool stepsShown = true;
    whenModalShows([&](QDialog &shown) {
        stepsShown = child<QComboBox>(shown, "CBSteps")->isVisible();
        child<QLineEdit>(shown, "ECustom")->setText(QStringLiteral("0,5"));
        child<QPushButton>(shown, "BOk")->click();
    });
    ASSERT_TRUE(AxisIncrement::EditIncrement(nullptr, QStringLiteral("Left"), false, exact, increment));
    EXPECT_FALSE(stepsShown);
    EXPECT_DOUBLE_EQ(increment, 0.5);
}
