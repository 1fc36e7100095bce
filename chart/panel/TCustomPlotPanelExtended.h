// The panel with what is drawn behind a chart (drop shadow, gradient or colour, back image, bevels)
// and the settings of interactive zoom and scroll. Its contents are its background; the axis
// panel draws the background itself among its contents.
#pragma once

#include "OptionalChild.h"
#include "TBackImage.h"
#include "TCustomPlotGradient.h"
#include "TCustomPlotPanel.h"
#include "TPlotZoom.h"

#include <memory>

class TCustomPlotPanelExtended : public TCustomPlotPanel
{
    Q_OBJECT
    Q_PROPERTY(PlotEnums::TPanningMode AllowPanning READ AllowPanning WRITE SetAllowPanning)
    Q_PROPERTY(TBackImage *BackImage READ backImageIfAny WRITE SetBackImage)
    Q_PROPERTY(bool BackImageInside READ BackImageInside WRITE SetBackImageInside)
    Q_PROPERTY(PlotEnums::TPlotBackImageMode BackImageMode READ BackImageMode WRITE SetBackImageMode)
    Q_PROPERTY(bool BackImageTransp READ BackImageTransp WRITE SetBackImageTransp)
    Q_PROPERTY(TPlotGradient *Gradient READ gradientIfAny WRITE SetGradient)
    Q_PROPERTY(TPlotZoom *Zoom READ Zoom WRITE SetZoom)
public:
    explicit TCustomPlotPanelExtended(QWidget *parent = nullptr);
    ~TCustomPlotPanelExtended() override;

    TPanningMode AllowPanning() const { return m_allowPanning; }
    void SetAllowPanning(TPanningMode value) { m_allowPanning = value; }
    // Created on first read (invokable, so that a chart file's "BackImage." values make it);
    // writing none frees it.
    Q_INVOKABLE TBackImage *BackImage();
    TBackImage *backImageIfAny() const { return m_backImage.get(); }
    void SetBackImage(const TBackImage *value);
    bool BackImageInside() const { return m_backImage && m_backImage->Inside(); }
    void SetBackImageInside(bool value) { BackImage()->SetInside(value); }
    TPlotBackImageMode BackImageMode() const { return m_backImage ? m_backImage->Mode() : pbmStretch; }
    void SetBackImageMode(TPlotBackImageMode value) { BackImage()->SetMode(value); }
    bool BackImageTransp() const { return m_backImage && m_backImage->Transparent(); }
    void SetBackImageTransp(bool value);
    bool HasBackImage() const { return m_backImage && !m_backImage->IsEmpty(); }
    // Created on first read; writing none frees it.
    TPlotGradient *Gradient();
    TPlotGradient *gradientIfAny() const { return m_gradient.get(); }
    void SetGradient(const TPlotGradient *value);
    TPlotZoom *Zoom() const { return m_zoom.get(); }
    void SetZoom(const TPlotZoom *value);

    // True while the axes show a zoomed range: set by the chart's mouse handling.
    bool Zoomed = false;
    // Tells OnUndoZoom, repaints and clears Zoomed.
    virtual void UndoZoom();
    // The chart's mouse handling reports what it did through these.
    void DoZoom() { Q_EMIT OnZoom(); }
    void DoScroll() { Q_EMIT OnScroll(); }
    void DoAfterDraw() { Q_EMIT OnAfterDraw(); }

    // The rubber band of a zoom drag (Zoom's X0, Y0, X1, Y1) in not-xor mode: drawing it twice
    // restores the picture. Outside a pass it draws over the buffer and repaints the band's area.
    void DrawZoomRectangle();

    virtual void FillPanelRect(const TRect &rect);
    virtual void DrawPanelBackground(const TRect &rect);
    // The back image into the rectangle at depth z, by its mode; nothing without a picture.
    void DrawBackImage(const TRect &rect, int z);

    // Copies back image, gradient, panning and zoom, then the panel settings.
    void Assign(const TCustomPlotPanel &source) override;
    // The legacy "AllowZoom", "AnimatedZoom", "AnimatedZoomSteps" (read only) and "PrintMargins"
    // (four numbers, written when any differs from 15).
    void defineProperties(PropertyFiler &filer) override;

Q_SIGNALS:
    void OnAfterDraw();
    void OnScroll();
    void OnUndoZoom();
    void OnZoom();

protected:
    void DrawChartContents(const TRect &bounds) override { DrawPanelBackground(bounds); }

private:
    void drawZoomBand(TCanvas3D &canvas);

    TPanningMode m_allowPanning = pmBoth;
    // Children of the panel.
    OptionalChild<TPlotGradient> m_gradient;
    std::unique_ptr<TPlotZoom> m_zoom;
    OptionalChild<TBackImage> m_backImage;
};
