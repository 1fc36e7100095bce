// The Walls page on a chart's walls, and the gradient dialog it opens.
#include "TFormPlotWall.h"

#include "DialogDriver.h"
#include "EditorTestSetup.h"
#include "TChart.h"
#include "TChartWall.h"
#include "TChartWalls.h"
#include "TPlotGradientEditor.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>

#include <memory>

namespace {

class WallsPage : public EditorChartTest
{
protected:
    std::unique_ptr<TFormPlotWall> page;

    void open(TCustomChartWall *wall)
    {
        page = std::make_unique<TFormPlotWall>(nullptr, wall, chart.get());
        page->show();
    }

    // Picks the first preset in the gradient dialog, then leaves it as steps says.
    void pickPresetThen(const std::function<void(QDialog &)> &leave)
    {
        whenModalShows([leave](QDialog &dialog) {
            auto *presets = child<QListWidget>(dialog, "Gallery");
            ASSERT_NE(presets, nullptr);
            Q_EMIT presets->itemClicked(presets->item(0));
            leave(dialog);
        });
        page->BGradient->click();
    }
};

TEST_F(WallsPage, TheTabBarChoosesTheWallAndTheBottomHasNoAutoHide)
{
    open(chart->LeftWall());
    TChartWalls &walls = *chart->Walls();
    const struct { int tab; TCustomChartWall *wall; bool autoHide; } cases[] = {
        {1, walls.Right(), true}, {2, walls.Bottom(), false}, {3, walls.Back(), true}, {0, walls.Left(), true}};
    for (const auto &c : cases) {
        page->TabSubWalls->setCurrentIndex(c.tab);
        EXPECT_EQ(page->TheWall(), c.wall);
        EXPECT_EQ(page->CBAutoHide->isVisible(), c.autoHide);
    }
    open(walls.Bottom());
    EXPECT_EQ(page->TabSubWalls->currentIndex(), 2);
}

TEST_F(WallsPage, SizeZeroDisablesDark3DAndTheAllWallsSizeSetsEveryWall)
{
    open(chart->LeftWall());
    page->UDWallSize->setValue(5);
    EXPECT_EQ(chart->LeftWall()->Size(), 5);
    EXPECT_TRUE(page->CBDark3D->isEnabled());
    page->UDWallSize->setValue(0);
    EXPECT_FALSE(page->CBDark3D->isEnabled());
    page->UDAllSize->setValue(7);
    TChartWalls &walls = *chart->Walls();
    for (TCustomChartWall *wall : std::initializer_list<TCustomChartWall *>{walls.Left(), walls.Right(), walls.Bottom(), walls.Back()})
        EXPECT_EQ(wall->Size(), 7);
    EXPECT_EQ(page->UDWallSize->value(), 7);
    EXPECT_TRUE(page->CBDark3D->isEnabled());
}

TEST_F(WallsPage, AVisibleGradientClearsTransparent)
{
    chart->BackWall()->SetTransparent(true);
    open(chart->BackWall());
    EXPECT_EQ(chart->BackWall()->gradientIfAny(), nullptr);
    ASSERT_TRUE(page->CBTransp->isChecked());
    whenModalShows([](QDialog &dialog) {
        auto *visible = child<QCheckBox>(dialog, "CBVisible");
        if (!visible->isChecked())
            visible->click();
        child<QPushButton>(dialog, "BOk")->click();
    });
    page->BGradient->click();
    ASSERT_NE(chart->BackWall()->gradientIfAny(), nullptr);
    EXPECT_TRUE(chart->BackWall()->gradientIfAny()->Visible());
    EXPECT_FALSE(chart->BackWall()->Transparent());
    EXPECT_FALSE(page->CBTransp->isChecked());
}

TEST_F(WallsPage, CancelAndTheTitleBarGiveTheWallItsGradientBack)
{
    open(chart->LeftWall());
    TPlotGradient &gradient = *chart->LeftWall()->Gradient();
    gradient.SetStartColor(0x123456);
    gradient.SetDirection(gdLeftRight);
    const struct { const char *name; std::function<void(QDialog &)> leave; } ways[] = {
        {"Cancel", [](QDialog &d) { d.reject(); }},
        {"title bar", [](QDialog &d) { d.close(); }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        pickPresetThen(way.leave);
        EXPECT_EQ(gradient.StartColor(), TColor(0x123456));
        EXPECT_EQ(gradient.Direction(), gdLeftRight);
    }
    // OK keeps the preset.
    pickPresetThen([](QDialog &d) { child<QPushButton>(d, "BOk")->click(); });
    EXPECT_NE(gradient.StartColor(), TColor(0x123456));
}

} // namespace
