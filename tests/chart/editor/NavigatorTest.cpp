// The navigator strip: layout, repeat of a held button, hints and keyboard.
#include "TCustomPlotNavigator.h"

#include "PlotConst.h"
#include "PlotException.h"
#include "ScriptedMessageService.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A navigator whose buttons are all enabled, as a descendant bound to something would have them.
class TestNavigator : public TCustomPlotNavigator
{
public:
    TestNavigator()
    {
        EnableButtons();
        show(); // the strip lays out on resizes, which a hidden widget does not receive
        QObject::connect(this, &TCustomPlotNavigator::OnButtonClicked, [this](TPlotNavigateBtn index) {
            ++clicks[index];
            if (failOnClick)
                throw PlotException(QStringLiteral("No more records"));
        });
    }
    void EnableButtons() override
    {
        for (int i = 0; i < kNavigateButtonCount; ++i)
            Button(TPlotNavigateBtn(i))->setEnabled(true);
    }
    int clicks[kNavigateButtonCount] = {};
    bool failOnClick = false;
};

QList<int> buttonWidths(const TCustomPlotNavigator &navigator)
{
    QList<int> widths;
    for (int i = 0; i < kNavigateButtonCount; ++i)
        if (!navigator.Button(TPlotNavigateBtn(i))->isHidden())
            widths.append(navigator.Button(TPlotNavigateBtn(i))->width());
    return widths;
}

void showAll(TCustomPlotNavigator &navigator, bool visible = true)
{
    for (int i = 0; i < kNavigateButtonCount; ++i)
        navigator.Button(TPlotNavigateBtn(i))->setVisible(visible);
}

} // namespace

TEST(PlotNavigator, ButtonsShareTheWidthAndAnUnalignedStripShrinksToThem)
{
    TestNavigator navigator;
    EXPECT_EQ(buttonWidths(navigator), (QList<int>{60, 60, 60, 60}));
    EXPECT_EQ(navigator.width(), 240);

    showAll(navigator);
    navigator.Aligned = true;
    navigator.resize(184, 25);
    const QList<int> widths = buttonWidths(navigator);
    ASSERT_EQ(widths.size(), 9);
    int sum = 0;
    int x = 0;
    for (int i = 0; i < widths.size(); ++i) {
        EXPECT_TRUE(widths[i] == 20 || widths[i] == 21) << widths[i];
        EXPECT_EQ(navigator.Button(TPlotNavigateBtn(i))->x(), x);
        x += widths[i];
        sum += widths[i];
    }
    EXPECT_EQ(sum, 184);
    EXPECT_EQ(navigator.width(), 184);
    navigator.Aligned = false;
    navigator.LayOutButtons();
    EXPECT_EQ(navigator.width(), 180);

    // With no button visible the strip still lays out one button's width.
    showAll(navigator, false);
    navigator.resize(10, 25);
    EXPECT_EQ(navigator.width(), TCustomPlotNavigator::kMinButtonWidth);
    EXPECT_EQ(navigator.ButtonWidth(), TCustomPlotNavigator::kMinButtonWidth);
}

TEST(PlotNavigator, AHeldButtonRepeatsAfter400AndThenEvery100Milliseconds)
{
    ScriptedMessageService messages;
    TestNavigator navigator;
    TPlotNavButton *next = navigator.Button(nbNext);
    QTest::mousePress(next, Qt::LeftButton);
    ASSERT_NE(next->RepeatTimer(), nullptr);
    EXPECT_TRUE(next->RepeatTimer()->isActive());
    EXPECT_EQ(next->RepeatTimer()->interval(), 400);
    next->RepeatTick();
    EXPECT_EQ(next->RepeatTimer()->interval(), 100);
    next->RepeatTick();
    EXPECT_EQ(navigator.clicks[nbNext], 2);
    QTest::mouseRelease(next, Qt::LeftButton);
    EXPECT_FALSE(next->RepeatTimer()->isActive());
    EXPECT_EQ(navigator.clicks[nbNext], 3); // the release clicks once more, as any click
    next->RepeatTick();
    EXPECT_EQ(navigator.clicks[nbNext], 3);

    // A repeated click that fails stops the repeat and is reported once.
    QTest::mousePress(next, Qt::LeftButton);
    navigator.failOnClick = true;
    next->RepeatTick();
    EXPECT_FALSE(next->RepeatTimer()->isActive());
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("No more records"));
    navigator.failOnClick = false;
    QTest::mouseRelease(next, Qt::LeftButton);
}

TEST(PlotNavigator, HintsKeysAndTheButtonsShownAtFirst)
{
    TestNavigator navigator;
    for (int i = 0; i < kNavigateButtonCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(navigator.Button(TPlotNavigateBtn(i))->toolTip(), PlotConst::message(PlotConst::msgNavigateFirst + i));
        EXPECT_EQ(navigator.Button(TPlotNavigateBtn(i))->isHidden(), i >= nbInsert);
        EXPECT_FALSE(navigator.Button(TPlotNavigateBtn(i))->icon().isNull());
    }
    EXPECT_EQ(navigator.Button(nbFirst)->toolTip(), QStringLiteral("First"));
    navigator.SetHints({QString(), QStringLiteral("Previous page")});
    EXPECT_EQ(navigator.Button(nbFirst)->toolTip(), QStringLiteral("First"));
    EXPECT_EQ(navigator.Button(nbPrior)->toolTip(), QStringLiteral("Previous page"));

    // Right stops at the last visible button; Space clicks the focused one while it is enabled.
    const auto key = [&](int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QCoreApplication::sendEvent(&navigator, &press);
    };
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Right);
    EXPECT_EQ(navigator.FocusedButton(), nbLast);
    key(Qt::Key_Left);
    EXPECT_EQ(navigator.FocusedButton(), nbNext);
    key(Qt::Key_Space);
    EXPECT_EQ(navigator.clicks[nbNext], 1);
    navigator.Button(nbNext)->setEnabled(false);
    key(Qt::Key_Space);
    EXPECT_EQ(navigator.clicks[nbNext], 1);
}
