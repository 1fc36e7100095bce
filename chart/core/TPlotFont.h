// A chart font: outline pen, shadow, gradient and extra character spacing, each created on first read.
#pragma once

#include "OptionalChild.h"
#include "TChartPen.h"
#include "TCustomPlotGradient.h"
#include "TFont.h"
#include "TPlotShadow.h"

#include <QPointer>

#include <memory>

class TPlotCanvas;

class TPlotFont : public TFont
{
    Q_OBJECT
    // Reading a property never creates the object: none until the C++ accessor or a write makes it.
    Q_PROPERTY(TPlotFontGradient *Gradient READ gradientIfAny WRITE SetGradient NOTIFY changed)
    Q_PROPERTY(int InterCharSize READ InterCharSize WRITE SetInterCharSize NOTIFY changed)
    Q_PROPERTY(TChartHiddenPen *OutLine READ outLineIfAny WRITE SetOutLine NOTIFY changed)
    Q_PROPERTY(TPlotShadow *Shadow READ shadowIfAny WRITE SetShadow NOTIFY changed)
public:
    explicit TPlotFont(QObject *owner = nullptr);
    ~TPlotFont() override;

    TPlotFontGradient *Gradient();
    void SetGradient(const TPlotFontGradient *value);
    int InterCharSize() const { return m_interCharSize; }
    void SetInterCharSize(int value);
    TChartHiddenPen *OutLine();
    void SetOutLine(const TChartHiddenPen *value);
    TPlotShadow *Shadow();
    void SetShadow(const TPlotShadow *value);

    // Read without creating.
    TPlotFontGradient *gradientIfAny() const { return m_gradient.get(); }
    TChartHiddenPen *outLineIfAny() const { return m_outLine.get(); }
    TPlotShadow *shadowIfAny() const { return m_shadow.get(); }

    // Sets colour and style and makes them the values that are not stored (a title's blue).
    void setDefaultColorAndStyle(TColor color, TFontStyles style);
    Q_INVOKABLE bool IsColorStored() const { return Color() != m_defaultColor; }
    Q_INVOKABLE bool IsStyleStored() const { return Style() != m_defaultStyle; }

    void Assign(const TFont &source) override;

    // The canvas this font was last applied to, or none once that canvas is gone; not owned.
    TPlotCanvas *canvas() const;
    // The canvas's link expires when the canvas dies.
    void setCanvas(std::weak_ptr<TPlotCanvas *const> canvas) { m_canvas = std::move(canvas); }

private:
    OptionalChild<TPlotFontGradient> m_gradient;
    int m_interCharSize = 0;
    OptionalChild<TChartHiddenPen> m_outLine;
    OptionalChild<TPlotShadow> m_shadow;
    std::weak_ptr<TPlotCanvas *const> m_canvas;
    TColor m_defaultColor = clBlack;
    TFontStyles m_defaultStyle;
};
