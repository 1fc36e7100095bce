// The gallery's sample chart.
#include "TGalleryChart.h"

#include "PlotImaging.h"
#include "TCanvas3D.h"
#include "TChartAxis.h"
#include "TChartLegend.h"
#include "TChartTitle.h"
#include "TChartWalls.h"
#include "TPlotFont.h"
#include "TView3DOptions.h"

#include <QPainter>
#include <QScopeGuard>

namespace {

constexpr TColor kTitleNavy = 0x800000;
constexpr TColor kSilver = 0xC0C0C0;
constexpr TColor kGray = 0x808080;
constexpr int kPlainRotation = 335;
constexpr int kFocusRotation = 345;
constexpr int kHighlightFontSize = 9;
constexpr int kSmoothScale = 4;
constexpr int kSmoothTopMargin = 30;
constexpr int kMarkerSize = 8;

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
    // Left open, the 2D mode would flatten the rest of the pass.
    canvas.End2D();
    TChart::DrawPanelBevels(rect);
}

void TGalleryChart::SetSmooth(bool value)
{
    if (value == m_smooth)
        return;
    m_smooth = value;
    update();
}

void TGalleryChart::SetShowSubMarker(bool value)
{
    if (value == m_showSubMarker)
        return;
    m_showSubMarker = value;
    update();
}

QRect TGalleryChart::SubMarkerRect() const
{
    return {width() - kMarkerSize - 6, 4, kMarkerSize, kMarkerSize / 2 + 1};
}

QImage TGalleryChart::smoothPicture()
{
    // The set-up for the large picture must not schedule paints of its own.
    const bool autoRepaint = AutoRepaint;
    AutoRepaint = false;
    TChartTitle &title = *Title();
    const bool titleVisible = title.Visible();
    const int margins[] = {MarginLeft(), MarginTop(), MarginRight(), MarginBottom()};
    TChartAxis *axes[] = {LeftAxis(), BottomAxis()};
    bool labels[2];
    int fontSizes[2];
    for (int i = 0; i < 2; ++i) {
        labels[i] = axes[i]->Labels();
        fontSizes[i] = axes[i]->LabelsFont()->Size();
    }
    const auto restore = qScopeGuard([&] {
        title.SetVisible(titleVisible);
        SetMarginLeft(margins[0]);
        SetMarginTop(margins[1]);
        SetMarginRight(margins[2]);
        SetMarginBottom(margins[3]);
        for (int i = 0; i < 2; ++i) {
            axes[i]->SetLabels(labels[i]);
            axes[i]->LabelsFont()->SetSize(fontSizes[i]);
        }
        AutoRepaint = autoRepaint;
    });
    title.SetVisible(false);
    SetMarginTop(kSmoothTopMargin);
    for (int i = 0; i < 2; ++i) {
        axes[i]->SetLabels(true);
        axes[i]->LabelsFont()->SetSize(fontSizes[i] * kSmoothScale);
    }
    const QImage large = CreateBitmap(paintColor(), TRect{0, 0, width() * kSmoothScale, height() * kSmoothScale});
    QImage reduced(size(), QImage::Format_RGB32);
    PlotImaging::SmoothStretch(large, reduced, PlotImaging::triangleFilter, 1.0);
    return reduced;
}

void TGalleryChart::paintEvent(QPaintEvent *event)
{
    TChart::paintEvent(event);
    runGuarded([this] {
        QPainter painter(this);
        // A sample too small to reduce keeps its plain drawing.
        if (m_smooth && width() >= kSmoothScale && height() >= kSmoothScale) {
            // The title and the frame stay as drawn; the reduced chart goes inside them.
            const int inset = BevelWidth() + 1;
            const int top = Title()->Visible() ? std::max(inset, Title()->TitleRect().bottom + 1) : inset;
            const QImage reduced = smoothPicture();
            const QRect inside = rect().adjusted(inset, top, -inset, -inset);
            painter.drawImage(inside, reduced, inside);
        }
        if (m_showSubMarker) {
            const QRect marker = SubMarkerRect();
            const QPoint triangle[] = {marker.topLeft(), QPoint(marker.right() + 1, marker.top()),
                                       QPoint(marker.center().x() + 1, marker.bottom())};
            painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::black);
            painter.drawPolygon(triangle, 3);
        }
    });
}
