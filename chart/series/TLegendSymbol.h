// The symbol before (or after) each legend text: its width, pen and drawing hook.
#pragma once

#include "LegendTypes.h"
#include "PlotTypes.h"
#include "TChartPen.h"
#include "TCustomPlotGradient.h"

#include <QObject>

#include <functional>
#include <memory>

class TChartSeries;

class TLegendSymbol : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Continuous READ Continuous WRITE SetContinuous)
    Q_PROPERTY(bool DefaultPen READ DefaultPen WRITE SetDefaultPen)
    Q_PROPERTY(TPlotGradient *Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(LegendEnums::TLegendSymbolPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(bool Squared READ Squared WRITE SetSquared)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(LegendEnums::TLegendSymbolSize WidthUnits READ WidthUnits WRITE SetWidthUnits)
public:
    using DrawEvent = std::function<void(TLegendSymbol &symbol, TChartSeries *series, int valueIndex, const TRect &rect)>;

    // itemHeight gives the legend's item height, which a squared symbol follows.
    explicit TLegendSymbol(QObject *owner = nullptr, std::function<int()> itemHeight = {});
    ~TLegendSymbol() override;

    bool Continuous() const { return m_continuous; }
    void SetContinuous(bool value) { set(m_continuous, value); }
    bool DefaultPen() const { return m_defaultPen; }
    void SetDefaultPen(bool value) { set(m_defaultPen, value); }
    TPlotGradient *Gradient() const { return m_gradient.get(); }
    void SetGradient(const TPlotGradient *value);
    TChartPen *Pen() const { return m_pen.get(); }
    void SetPen(const TChartPen *value);
    TLegendSymbolPosition Position() const { return m_position; }
    void SetPosition(TLegendSymbolPosition value) { set(m_position, value); }
    bool Squared() const { return m_squared; }
    void SetSquared(bool value) { set(m_squared, value); }
    bool Visible() const { return m_visible; }
    void SetVisible(bool value) { set(m_visible, value); }
    int Width() const { return m_width; }
    void SetWidth(int value) { set(m_width, value); }
    TLegendSymbolSize WidthUnits() const { return m_widthUnits; }
    void SetWidthUnits(TLegendSymbolSize value) { set(m_widthUnits, value); }

    // Width in pixels; total is what a percent width is taken of.
    int CalcWidth(int total) const;

    void Assign(const TLegendSymbol &source);

    // Called after the symbol of an item is drawn.
    DrawEvent OnDraw;

Q_SIGNALS:
    void changed();

private:
    template <class T>
    void set(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        Q_EMIT changed();
    }

    std::function<int()> m_itemHeight;
    bool m_continuous = false;
    bool m_defaultPen = true;
    std::unique_ptr<TPlotGradient> m_gradient;
    std::unique_ptr<TChartPen> m_pen;
    TLegendSymbolPosition m_position = spLeft;
    bool m_squared = false;
    bool m_visible = true;
    int m_width = 20;
    TLegendSymbolSize m_widthUnits = lcsPercent;
};
