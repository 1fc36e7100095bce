// One geometric shape with text inside the rectangle of its two points, (X0, Y0) and (X1, Y1), in
// axis values or in pixels.
#pragma once

#include "ChartShapeTypes.h"
#include "TChartSeries.h"

#include "TCustomPlotGradient.h"
#include "TPlotFont.h"

#include <QStringList>

#include <optional>

class TCanvas3D;

class TChartShape : public TChartSeries
{
    Q_OBJECT
    Q_PROPERTY(PlotEnums::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(TPlotFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(TPlotGradient *Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(bool RoundRectangle READ RoundRectangle WRITE SetRoundRectangle)
    Q_PROPERTY(ShapeEnums::TChartShapeStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(QStringList Text READ Text WRITE SetText)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(ShapeEnums::TPlotVertAlign VertAlign READ VertAlign WRITE SetVertAlign)
    Q_PROPERTY(ShapeEnums::TChartShapeXYStyle XYStyle READ XYStyle WRITE SetXYStyle)
    Q_PROPERTY(double X0 READ X0 WRITE SetX0)
    Q_PROPERTY(double Y0 READ Y0 WRITE SetY0)
    Q_PROPERTY(double X1 READ X1 WRITE SetX1)
    Q_PROPERTY(double Y1 READ Y1 WRITE SetY1)
public:
    Q_INVOKABLE explicit TChartShape(QObject *owner = nullptr);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value) { setProperty(m_alignment, value); }
    Q_INVOKABLE bool IsAlignmentStored() const { return m_alignment != taCenter; }
    TPlotFont *Font() const { return m_font; }
    void SetFont(const TPlotFont *value);
    TPlotGradient *Gradient() const { return m_gradient; }
    void SetGradient(const TPlotGradient *value);
    bool RoundRectangle() const { return m_roundRectangle; }
    void SetRoundRectangle(bool value) { SetBooleanProperty(m_roundRectangle, value); }
    Q_INVOKABLE bool IsRoundRectangleStored() const { return m_roundRectangle; }
    // The shape's style; the series' style flags keep their own accessors in the base.
    TChartShapeStyle Style() const { return m_style; }
    void SetStyle(TChartShapeStyle value) { setProperty(m_style, value); }
    Q_INVOKABLE bool IsStyleStored() const { return m_style != chasCircle; }
    const QStringList &Text() const { return m_text; }
    void SetText(const QStringList &value) { setProperty(m_text, value); }
    Q_INVOKABLE bool IsTextStored() const { return !m_text.isEmpty(); }
    // No fill.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value) { SetBooleanProperty(m_transparent, value); }
    Q_INVOKABLE bool IsTransparentStored() const { return m_transparent; }
    TPlotVertAlign VertAlign() const { return m_vertAlign; }
    void SetVertAlign(TPlotVertAlign value) { setProperty(m_vertAlign, value); }
    Q_INVOKABLE bool IsVertAlignStored() const { return m_vertAlign != vaCenter; }
    TChartShapeXYStyle XYStyle() const { return m_xyStyle; }
    void SetXYStyle(TChartShapeXYStyle value) { setProperty(m_xyStyle, value); }
    Q_INVOKABLE bool IsXYStyleStored() const { return m_xyStyle != xysAxis; }
    // The values of points 0 and 1; 0 for a point the series does not have. Setting one first
    // gives the series its two points, with the defaults (0, 0) and (100, 100).
    double X0() const { return pointValue(*XValues(), 0); }
    void SetX0(double value) { setPointValue(*XValues(), 0, value); }
    double Y0() const { return pointValue(*YValues(), 0); }
    void SetY0(double value) { setPointValue(*YValues(), 0, value); }
    double X1() const { return pointValue(*XValues(), 1); }
    void SetX1(double value) { setPointValue(*XValues(), 1, value); }
    double Y1() const { return pointValue(*YValues(), 1); }
    void SetY1(double value) { setPointValue(*YValues(), 1, value); }

    // The brush follows the series colour.
    void SetSeriesColor(TColor value) override;
    QString GetEditorClassName() const override { return QStringLiteral("TChartShapeEditor"); }
    void Assign(const TCustomChartElement &source) override;
    bool IsValidSeriesSource(const TChartSeries *source) const override;
    // Shapes in pixels stand outside the axes and their depth.
    bool UseAxis() const override { return m_xyStyle != xysPixels; }
    void CalcZOrder() override;
    bool MoreSameZOrder() const override { return false; }

    void DrawValue(int valueIndex) override;
    void DrawLegendShape(int valueIndex, const TRect &rect) override;
    // 0 when the point lies on the shape, else -1.
    int Clicked(int x, int y) const override;

    void AddSampleValues(int numValues, bool onlyMandatory) override;
    void CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const override;
    void SetSubGallery(int index) override;
    void PrepareForGallery(bool enabled) override;

private:
    static double pointValue(const TChartValueList &list, int index);
    void setPointValue(TChartValueList &list, int index, double value);
    // The rectangle of the two points as given (corners in any order); none when a value cannot
    // be drawn. The ordered one has its corners in order and is at least one pixel wide and high.
    std::optional<TRect> rawRect() const;
    static TRect orderedRect(const TRect &raw);
    void fillGradient(TCanvas3D &canvas, bool is3D, const TRect &rect) const;
    void drawShape(TCanvas3D &canvas, bool is3D, const TRect &rect);
    void drawText(TCanvas3D &canvas, const TRect &rect);

    TPlotFont *m_font = nullptr; // children
    TPlotGradient *m_gradient = nullptr;
    TAlignment m_alignment = taCenter;
    bool m_roundRectangle = false;
    TChartShapeStyle m_style = chasCircle;
    QStringList m_text;
    bool m_transparent = false;
    TPlotVertAlign m_vertAlign = vaCenter;
    TChartShapeXYStyle m_xyStyle = xysAxis;
};
