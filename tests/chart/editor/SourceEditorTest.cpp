// The data-source editor base: the question before closing with changes not applied.
#include "TBaseSourceEditor.h"

#include "EditorTestSetup.h"
#include "PlotException.h"
#include "TChart.h"
#include "TLineSeries.h"

#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// An apply that succeeds, fails quietly (Apply stays enabled) or throws.
class TestSourceEditor : public TBaseSourceEditor
{
public:
    enum class Apply { Succeeds, LeavesApplyEnabled, Throws };
    Apply apply = Apply::Succeeds;
    int applied = 0;

    explicit TestSourceEditor(QWidget *parent = nullptr)
        : TBaseSourceEditor(parent)
    {
        CBSources->addItems({QStringLiteral("One"), QStringLiteral("Two")});
    }

protected:
    void BApplyClick() override
    {
        ++applied;
        if (apply == Apply::Throws)
            throw PlotException(QStringLiteral("the source cannot be read"));
        if (apply == Apply::Succeeds)
            BApply->setEnabled(false);
    }
};

} // namespace

using SourceEditor = EditorChartTest;

TEST_F(SourceEditor, ClosingRightAfterShowingDoesNotAsk)
{
    TestSourceEditor editor;
    editor.SetTag(addLineSeries());
    editor.show();
    EXPECT_EQ(editor.TheSeries(), chart->GetSeries(0));
    EXPECT_FALSE(editor.BApply->isEnabled());
    EXPECT_TRUE(editor.close());
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(SourceEditor, PendingChangesAskAndOnlyASuccessfulApplyOrNoLetsItClose)
{
    const struct {
        const char *name;
        int answer;
        TestSourceEditor::Apply apply;
        bool closes;
        int applied;
        int errorBoxes;
    } cases[] = {
        {"yes, applied", IdYes, TestSourceEditor::Apply::Succeeds, true, 1, 0},
        {"yes, apply left enabled", IdYes, TestSourceEditor::Apply::LeavesApplyEnabled, false, 1, 0},
        {"yes, apply threw", IdYes, TestSourceEditor::Apply::Throws, false, 1, 1},
        {"no", IdNo, TestSourceEditor::Apply::Succeeds, true, 0, 0},
        {"cancel", IdCancel, TestSourceEditor::Apply::Succeeds, false, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        TestSourceEditor editor;
        editor.apply = c.apply;
        editor.show();
        editor.CBSources->activated(1); // as the user's choice
        ASSERT_TRUE(editor.BApply->isEnabled());
        messages.queueAnswer(c.answer);
        EXPECT_EQ(editor.close(), c.closes);
        EXPECT_EQ(editor.applied, c.applied);
        ASSERT_GE(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().first().text, QStringLiteral("Apply Changes ?"));
        EXPECT_EQ(messages.shown().first().flags & 0x0F, int(MbYesNoCancel));
        EXPECT_EQ(messages.shown().size(), 1 + c.errorBoxes);
        EXPECT_EQ(editor.HasPendingChanges(), !c.closes);
    }
}
