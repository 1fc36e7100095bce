// The small controls of the chart editor forms.
#include "PlotColorDialog.h"
#include "PlotException.h"
#include "PropertyFiler.h"
#include "ScriptedMessageService.h"
#include "TComboFlat.h"
#include "TPen.h"
#include "TPlotButton.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Answers the colour dialog without a window; restores the real one afterwards.
struct ScriptedColorDialog
{
    explicit ScriptedColorDialog(std::optional<TColor> answer)
    {
        PlotColorDialog::DialogHook() = [this, answer](QWidget *, TColor shown, QList<QColor> &custom) {
            offered.push_back(shown);
            custom = {QColor(1, 2, 3)};
            return answer;
        };
    }
    ~ScriptedColorDialog() { PlotColorDialog::DialogHook() = {}; }
    std::vector<TColor> offered;
};

} // namespace

TEST(TPlotButton, SwatchSitsAtTheRightQuarterHeightFromTopAndBottom)
{
    TPlotButton button;
    EXPECT_EQ(button.size(), QSize(75, 25));
    EXPECT_EQ(button.GetSwatchRect(), (TRect{56, 7, 69, 19}));
}

TEST(TButtonColor, LinkedPropertyQueryAndOwnColour)
{
    TPen pen;
    pen.SetColor(clGreen);
    TButtonColor button;
    button.LinkProperty(&pen, QStringLiteral("Color"));
    EXPECT_EQ(button.GetLinkedColor(), clGreen);
    button.SetLinkedColor(clRed);
    EXPECT_EQ(pen.Color(), clRed);
    button.GetColorQuery = [] { return clBlue; };
    EXPECT_EQ(button.GetLinkedColor(), clBlue);
    button.GetColorQuery = {};

    button.LinkProperty(&pen, QStringLiteral("Colour")); // no such property: nothing linked
    EXPECT_FALSE(button.HasLinkedProperty());
    button.SetLinkedColor(clYellow);
    EXPECT_EQ(button.GetLinkedColor(), clYellow);
    EXPECT_EQ(pen.Color(), clRed);

    // System colours show as what they look like; "no colour" stays itself and shows no swatch.
    pen.SetColor(clBtnFace);
    button.LinkProperty(&pen, QStringLiteral("Color"));
    EXPECT_EQ(button.GetLinkedColor(), 0xF0F0F0u);
    pen.SetColor(clNone);
    EXPECT_EQ(button.GetLinkedColor(), clNone);
}

TEST(TButtonColor, ClickPicksAColourWritesItAndDrawsTheSwatch)
{
    TPen pen;
    pen.SetColor(clGreen);
    TButtonColor button;
    button.LinkProperty(&pen, QStringLiteral("Color"));
    QSignalSpy clicked(&button, &TButtonColor::OnClick);
    {
        ScriptedColorDialog dialog(clRed);
        button.click();
        ASSERT_EQ(dialog.offered.size(), 1u);
        EXPECT_EQ(dialog.offered[0], clGreen);
    }
    EXPECT_EQ(pen.Color(), clRed);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(PlotColorDialog::CustomColors(), QList<QColor>{QColor(1, 2, 3)});
    {
        ScriptedColorDialog cancel(std::nullopt);
        button.click();
    }
    EXPECT_EQ(pen.Color(), clRed);
    EXPECT_EQ(clicked.count(), 1);

    const QImage picture = button.grab().toImage();
    const TRect swatch = button.GetSwatchRect();
    EXPECT_EQ(picture.pixel((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2), qRgb(255, 0, 0));
}

TEST(TButtonColor, ASymbolThatFailsIsReportedOnceAfterThePaint)
{
    ScriptedMessageService messages;
    TButtonColor button;
    button.GetColorQuery = []() -> TColor { throw PlotException(QStringLiteral("No colour to show")); };
    button.grab();
    button.grab();
    EXPECT_TRUE(messages.shown().isEmpty()); // no box inside a paint event
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("No colour to show"));
}

TEST(PlotColorDialog, EditColorKeepsCustomColoursOnlyWhenConfirmed)
{
    PlotColorDialog::CustomColors() = {QColor(9, 9, 9)};
    {
        ScriptedColorDialog cancel(std::nullopt);
        EXPECT_EQ(PlotColorDialog::EditColor(nullptr, clAqua), clAqua);
    }
    EXPECT_EQ(PlotColorDialog::CustomColors(), QList<QColor>{QColor(9, 9, 9)});
    TColor color = clAqua;
    {
        ScriptedColorDialog same(clAqua);
        EXPECT_FALSE(PlotColorDialog::EditColorDialog(nullptr, color));
    }
    {
        ScriptedColorDialog other(clNavy);
        EXPECT_TRUE(PlotColorDialog::EditColorDialog(nullptr, color));
    }
    EXPECT_EQ(color, clNavy);
}

TEST(TComboFlat, DropDownWidthIsStoredOnlyWhenItDiffersFromTheWidth)
{
    TComboFlat combo;
    combo.resize(120, 21);
    EXPECT_FALSE(combo.isEditable());
    EXPECT_EQ(combo.height(), 21);
    const QMetaProperty property = combo.metaObject()->property(combo.metaObject()->indexOfProperty("DropDownWidth"));
    EXPECT_EQ(combo.DropDownWidth(), 120);
    EXPECT_FALSE(IsPropertyStored(combo, property));
    combo.SetDropDownWidth(200);
    EXPECT_EQ(combo.DropDownWidth(), 200);
    EXPECT_TRUE(IsPropertyStored(combo, property));
}
