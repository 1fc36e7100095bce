// Library message texts and the translation hook.
#include "PlotConst.h"
#include "PlotProcs.h"

#include <QObject>

#include <gtest/gtest.h>

using namespace PlotConst;

TEST(PlotConst, FileTextsAreBuiltFromTheExtension)
{
    EXPECT_EQ(PlotFileFilter(), QStringLiteral("(*.plot)|*.plot"));
    EXPECT_EQ(ChartFileFilterText(), QStringLiteral("Plot files (*.plot)|*.plot"));
    EXPECT_EQ(InvalidChartFileText(), QStringLiteral("Invalid Chart in *.plot file"));
    EXPECT_EQ(WrongFileFormatText(), QStringLiteral("Wrong *.plot file format"));
    EXPECT_EQ(EmptyFileText(), QStringLiteral("Empty *.plot file"));
}

TEST(PlotConst, TableHoldsTheEnglishTextsInOrder)
{
    SetLibraryMessages();
    const struct { int number; const char *text; } cases[] = {
        {1, "Test..."}, {15, "3D effect percent must be between %d and %d"}, {22, "#.0 \"x10\" E+0"},
        {26, "Series.ParentChart is not myself!"}, {27, "Line"}, {31, "Horizontal\rBar"}, {45, "Courier New"},
        {89, "8"}, {105, "Arial"}, {143, "Small Dots"}, {270, "SubFoot"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(message(c.number), QString::fromUtf8(c.text));
    }
    EXPECT_TRUE(message(0).isEmpty());
    EXPECT_TRUE(message(kMessageCount + 1).isEmpty());
    EXPECT_FALSE(message(kMessageCount).isEmpty());
}

TEST(PlotConst, FormatFillsPlaceholdersInOrder)
{
    EXPECT_EQ(plotFormat(message(msg3DPercent), {1, 100}), QStringLiteral("3D effect percent must be between 1 and 100"));
    EXPECT_EQ(plotFormat(QStringLiteral("%s of %s"), {QStringLiteral("a"), QStringLiteral("b")}), QStringLiteral("a of b"));
    EXPECT_EQ(plotFormat(QStringLiteral("##0.## %"), {}), QStringLiteral("##0.## %"));
}

TEST(PlotConst, TranslationIsReadAtUseAndResetRestoresEnglish)
{
    setMessage(msgAxisMinMax, QStringLiteral("Achsenminimum muss <= Maximum sein"));
    EXPECT_EQ(message(msgAxisMinMax), QStringLiteral("Achsenminimum muss <= Maximum sein"));
    SetLibraryMessages();
    EXPECT_EQ(message(msgAxisMinMax), QStringLiteral("Axis Minimum Value must be <= Maximum"));
}

TEST(PlotTranslate, HookIsCalledOnlyWhenSet)
{
    QObject form;
    QObject skipped;
    PlotProcs::PlotTranslateControl(&form); // no hook: nothing happens
    int calls = 0;
    QList<QObject *> seenExcept;
    PlotProcs::PlotTranslateHook() = [&](QObject *control, const QList<QObject *> &except) {
        EXPECT_EQ(control, &form);
        seenExcept = except;
        ++calls;
    };
    PlotProcs::PlotTranslateControlExcept(&form, {&skipped});
    PlotProcs::PlotTranslateControl(&form);
    PlotProcs::PlotTranslateHook() = nullptr;
    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(seenExcept.isEmpty());
}
