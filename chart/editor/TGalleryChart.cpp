// The gallery's sample chart.
#include "TGalleryChart.h"

#include "TCanvas3D.h"
#include "TChartAxis.h"
#include "TChartLegend.h"
#include "TChartTitle.h"
#include "TChartWalls.h"
#include "TPlotFont.h"
#include "TView3DOptions.h"

namespace {

constexpr TColor kTitleNavy = 0x800000;
constexpr TColor kSilver = 0xC0C0C0;
constexpr TColor kGray = 0x808080;
constexpr int kPlainRotation = 335;
constexpr int kFocusRotation = 345;
constexpr int kHighlightFontSize = 9;

void setupWall(TChartWall &wall)
{
    wall.SetColor(clWhite);
    wall.SetSize(4);
    wall.Pen()->SetColor(kGray);
}

} // namespace

TGalleryChart::TGalleryChart(QWidget *parent)
    : TChart(parent)
{
    Legend()->SetVisible(false);
    LeftAxis()->SetLabels(false);
    BottomAxis()->SetLabels(false);
    Title()->Font()->SetColor(kTitleNavy);
    Zoom()->SetAnimated(true);
    TView3DOptions &view = *View3DOptions();
    view.SetOrthogonal(false);
    view.SetZoom(90);
    view.SetPerspective(55);
    view.SetRotation(kPlainRotation);
    view.SetElevation(350);
    SetChart3DPercent(100);
    SetClipPoints(false);
    Frame()->SetVisible(false);
    SetBevelWidth(2);
    SetBevelOuter(bvNone);
    setupWall(*LeftWall());
    setupWall(*BottomWall());
    ApplyView3D(View3D());
}

void TGalleryChart::ApplyView3D(bool view3D)
{
    SetView3D(view3D);
    const int margin = view3D ? 4 : 5;
    SetMarginLeft(margin);
    SetMarginTop(margin);
    SetMarginRight(margin);
    SetMarginBottom(margin);
}

void TGalleryChart::SetHighlighted(bool highlighted, bool focusRotation)
{
    m_highlighted = highlighted;
    TPlotFont &font = *Title()->Font();
    if (highlighted) {
        TPlotGradient &gradient = *Gradient();
        gradient.SetDirection(gdFromTopLeft);
        gradient.SetStartColor(kSilver);
        gradient.SetEndColor(clWhite);
        gradient.SetVisible(true);
        font.SetStyle(TFontStyles(fsBold));
        font.SetColor(clBlack);
        font.SetSize(kHighlightFontSize);
        SetBevelOuter(bvRaised);
    } else {
        if (gradientIfAny())
            gradientIfAny()->SetVisible(false);
        font.SetStyle(TFontStyles());
        font.SetColor(kTitleNavy);
        font.SetSize(TFont().Size());
        SetBevelOuter(bvNone);
    }
    if (focusRotation)
        View3DOptions()->SetRotation(highlighted ? kFocusRotation : kPlainRotation);
    Invalidate();
}

void TGalleryChart::SetHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    Invalidate();
}

void TGalleryChart::DrawPanelBevels(TRect &rect)
{
    // The hover frame takes the outer pixel; without hover it is drawn in the sample's colour,
    // which erases it.
    TCanvas3D &canvas = *Canvas();
    canvas.Begin2D();
    if (m_hovered)
        canvas.Frame3D(rect, clWhite, kGray, 1);
    else
        canvas.Frame3D(rect, paintColor(), paintColor(), 1);
    TChart::DrawPanelBevels(rect);
}
