// The labelled boxes a series draws at its points: the text of each point's mark from the series'
// formats, per-point formats and positions, and the drawing of arrow, box, symbol and text.
#pragma once

#include "EngineTypes.h"
#include "TCallout.h"
#include "TMarksItems.h"
#include "TSeriesMarksPositions.h"
#include "TSeriesMarksSymbol.h"

#include "TPlotCustomShape.h"

#include <QStringList>

#include <memory>

class TChartSeries;
class TCustomAxisPanel;

class TSeriesMarks : public TPlotCustomShape
{
    Q_OBJECT
    Q_PROPERTY(int Angle READ Angle WRITE SetAngle)
    Q_PROPERTY(TWhitePen *Arrow READ arrowIfAny WRITE SetArrow)
    Q_PROPERTY(int ArrowLength READ ArrowLength WRITE SetArrowLength STORED false)
    Q_PROPERTY(TColor BackColor READ Color WRITE SetColor STORED false)
    Q_PROPERTY(PlotEnums::TBevelCut Bevel READ Bevel WRITE SetBevel)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TChartBrush *Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(TMarksCallout *Callout READ calloutIfAny WRITE SetCallout)
    Q_PROPERTY(bool Clip READ Clip WRITE SetClip)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int DrawEvery READ DrawEvery WRITE SetDrawEvery)
    Q_PROPERTY(TPlotFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(TChartPen *Frame READ Pen WRITE SetPen)
    Q_PROPERTY(TPlotGradient *Gradient READ gradientIfAny WRITE SetGradient)
    Q_PROPERTY(bool MultiLine READ MultiLine WRITE SetMultiLine)
    Q_PROPERTY(TPlotShadow *Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(PlotEnums::TChartObjectShapeStyle ShapeStyle READ ShapeStyle WRITE SetShapeStyle)
    Q_PROPERTY(PlotEngineEnums::TSeriesMarksStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(TSeriesMarksSymbol *Symbol READ symbolIfAny WRITE SetSymbol)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    // The marks belong to the series (its Qt child); they draw on the series' chart.
    explicit TSeriesMarks(TChartSeries *series);
    ~TSeriesMarks() override;

    TChartSeries *Series() const { return m_series; }

    int Angle() const { return m_angle; }
    void SetAngle(int value);
    // The callout's arrow pen and length; reading the length creates nothing.
    TWhitePen *arrowIfAny() const { return m_callout ? m_callout->Arrow() : nullptr; }
    void SetArrow(const TWhitePen *value);
    int ArrowLength() const { return m_callout ? m_callout->Length() : TMarksCallout::kDefaultLength; }
    void SetArrowLength(int value) { Callout()->SetLength(value); }
    // Created on first use.
    TMarksCallout *Callout();
    TMarksCallout *calloutIfAny() const { return m_callout.get(); }
    void SetCallout(const TMarksCallout *value);
    bool Clip() const { return m_clip; }
    void SetClip(bool value);
    int DrawEvery() const { return m_drawEvery; }
    void SetDrawEvery(int value);
    Q_INVOKABLE bool IsDrawEveryStored() const { return m_drawEvery != 1; }
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool value);
    TSeriesMarksStyle Style() const { return m_style; }
    void SetStyle(TSeriesMarksStyle value);
    // Created on first use.
    TSeriesMarksSymbol *Symbol();
    TSeriesMarksSymbol *symbolIfAny() const { return m_symbol.get(); }
    void SetSymbol(const TSeriesMarksSymbol *value);
    bool SymbolShown() const { return m_symbol && m_symbol->ShouldDraw(); }
    Q_INVOKABLE bool IsVisibleStored() const { return Visible(); }
    // Depth at which the marks are drawn: the series' middle depth.
    int ZPosition() const { return m_zPosition; }
    void SetZPosition(int value) { m_zPosition = value; }

    TMarksItems &Items() { return m_items; }
    const TMarksItems &Items() const { return m_items; }
    TSeriesMarksPositions &Positions() { return m_positions; }
    const TSeriesMarksPositions &Positions() const { return m_positions; }
    // The look of the point's mark: its own item, else the marks themselves.
    TPlotCustomShape &ItemFor(int index);
    // Forgets every per-point format and position.
    void ClearPerPoint();

    void SetParentChart(PlotPanelHost *value) override;

    // Index of the point whose mark box holds (x, y), last drawn first; -1 when none.
    int Clicked(int x, int y) const;
    // Widest line of the point's mark text in canvas pixels.
    int TextWidth(int index) const;
    // Moves the box (and the arrow's end) up until it clears the boxes of points first..index-1.
    void AntiOverlap(int first, int index, TSeriesMarkPosition &position) const;
    // A custom stored position replaces the computed one; otherwise the computed one is stored.
    void ApplyPosition(int index, TSeriesMarkPosition &position);
    // With a callout: the box up by its length and distance, the arrow's start up by the distance.
    void ApplyCalloutOffset(TSeriesMarkPosition &position) const;
    // Arrow, box, symbol and text of one point's mark, in the point's colour.
    void DrawItem(int index, TColor color, const QString &text, TSeriesMarkPosition &position);

    // The lines of a mark text: a carriage return breaks, and so does CR LF as one break.
    static QStringList Lines(const QString &text);

    void Assign(const TPlotCustomShapeBrushPen &source) override;
    // "Items": the per-point formats, written when at least one exists.
    void defineProperties(PropertyFiler &filer) override;
    QByteArray WriteItems() const;
    // Replaces the per-point formats; a bad blob raises ChartException and leaves none.
    void ReadItems(const QByteArray &data);

protected:
    void gradientCreated(TPlotGradient *gradient) override;

private:
    void prepareItem(TMarksItem &item);
    TRect boxAt(const TSeriesMarkPosition &position) const;
    void drawText(TCanvas3D &canvas, const TRect &box, const QString &text, TPlotCustomShape &item);

    TChartSeries *m_series = nullptr;
    int m_angle = 0;
    std::unique_ptr<TMarksCallout> m_callout; // children, created on first use
    bool m_clip = false;
    int m_drawEvery = 1;
    TMarksItems m_items;
    TSeriesMarksStyle m_style = smsLabel;
    bool m_multiLine = false;
    TSeriesMarksPositions m_positions;
    std::unique_ptr<TSeriesMarksSymbol> m_symbol;
    int m_zPosition = 0;
};
