// The point marker of a series: a small shape, flat or solid, with pen, brush, gradient and transparency.
#pragma once

#include "EngineTypes.h"

#include "TCustomPlotGradient.h"
#include "TPlotCustomShapeBrushPen.h"

#include <memory>

class AxisSeriesView;
class TCanvas3D;

class TSeriesPointer : public TPlotCustomShapeBrushPen
{
    Q_OBJECT
    Q_PROPERTY(TChartBrush *Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Dark3D READ Dark3D WRITE SetDark3D)
    Q_PROPERTY(bool Draw3D READ Draw3D WRITE SetDraw3D)
    Q_PROPERTY(TPlotGradient *Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(int HorizSize READ HorizSize WRITE SetHorizSize)
    Q_PROPERTY(bool InflateMargins READ InflateMargins WRITE SetInflateMargins)
    Q_PROPERTY(PlotEngineEnums::TSeriesPointerStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
    Q_PROPERTY(int VertSize READ VertSize WRITE SetVertSize)
public:
    // The series (not owned, possibly none) gives the depth range in 3D.
    explicit TSeriesPointer(AxisSeriesView *series = nullptr, PlotPanelHost *parentChart = nullptr,
                            QObject *owner = nullptr);
    ~TSeriesPointer() override;

    bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool value);
    bool Draw3D() const { return m_draw3D; }
    void SetDraw3D(bool value);
    TPlotGradient *Gradient() const { return m_gradient.get(); }
    void SetGradient(const TPlotGradient *value);
    // Half-width and half-height in pixels: below 1 raises ChartException, the size stays.
    int HorizSize() const { return m_horizSize; }
    void SetHorizSize(int value);
    int VertSize() const { return m_vertSize; }
    void SetVertSize(int value);
    // Store without check or repaint, for series that size their pointers themselves.
    void ChangeHorizSize(int value) { m_horizSize = value; }
    void ChangeVertSize(int value) { m_vertSize = value; }
    bool InflateMargins() const { return m_inflateMargins; }
    void SetInflateMargins(bool value);
    TSeriesPointerStyle Style() const { return m_style; }
    void SetStyle(TSeriesPointerStyle value);
    // Percent 0..100.
    int Transparency() const { return m_transparency; }
    void SetTransparency(int value);
    // False: the gradient's end colour follows the point colour.
    bool KeepGradientColors() const { return m_keepGradientColors; }
    // False for series that size their pointer per point: editors then offer no size.
    bool AllowChangeSize() const { return m_allowChangeSize; }
    void SetAllowChangeSize(bool value) { m_allowChangeSize = value; }

    AxisSeriesView *Series() const { return m_series; }
    void SetSeries(AxisSeriesView *series) { m_series = series; }

    // Room the marker needs beyond the points, when visible and inflating.
    void CalcHorizMargins(int &left, int &right) const;
    void CalcVerticalMargins(int &top, int &bottom) const;
    // Pen and brush for a point of the given colour; the default colour sentinel takes the point's.
    void PrepareCanvas(TCanvas3D &canvas, TColor color);
    void PrepareCanvasDefault(TCanvas3D &canvas);
    // On the panel's canvas, in 3D when the canvas projects in 3D.
    void Draw(int x, int y, TColor color, TSeriesPointerStyle style);
    void DrawPointer(TCanvas3D &canvas, bool is3D, int x, int y, int horizSize, int vertSize, TColor color,
                     TSeriesPointerStyle style);

    void Assign(const TPlotCustomShapeBrushPen &source) override;

protected:
    void setKeepGradientColors(bool value) { m_keepGradientColors = value; }
    void initDraw3D(bool value) { m_draw3D = value; }

private:
    void checkPointerSize(int value) const;
    void drawShape(TCanvas3D &canvas, bool is3D, const TRect &box, int x, int y, TSeriesPointerStyle style);
    void fillGradient(TCanvas3D &canvas, bool is3D, const TRect &box, int x, int y, TColor color,
                      TSeriesPointerStyle style);

    AxisSeriesView *m_series = nullptr;
    std::unique_ptr<TPlotGradient> m_gradient; // a child, made with the pointer
    bool m_dark3D = true;
    bool m_draw3D = true;
    int m_horizSize = 4;
    int m_vertSize = 4;
    bool m_inflateMargins = true;
    TSeriesPointerStyle m_style = psRectangle;
    int m_transparency = 0;
    bool m_keepGradientColors = false;
    bool m_allowChangeSize = true;
};
