// A chart element's line: a pen with end style, small dots and visibility.
#pragma once

#include "TPen.h"

class TChartPen : public TPen
{
    Q_OBJECT
    Q_PROPERTY(PlotEnums::TPenEndStyle EndStyle READ EndStyle WRITE SetEndStyle NOTIFY changed)
    Q_PROPERTY(bool SmallDots READ SmallDots WRITE SetSmallDots NOTIFY changed)
    Q_PROPERTY(int SmallSpace READ SmallSpace WRITE SetSmallSpace NOTIFY changed)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible NOTIFY changed)
public:
    explicit TChartPen(QObject *owner = nullptr);

    TPenEndStyle EndStyle() const { return m_endStyle; }
    void SetEndStyle(TPenEndStyle value);
    bool SmallDots() const { return m_smallDots; }
    void SetSmallDots(bool value);
    int SmallSpace() const { return m_smallSpace; }
    void SetSmallSpace(int value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    Q_INVOKABLE bool IsEndStyleStored() const { return m_endStyle != m_defaultEndStyle; }
    Q_INVOKABLE bool IsVisibleStored() const { return m_visible != m_defaultVisible; }

    void Assign(const TPen &source) override;
    // Owners whose pen starts hidden hide it together with its unstored default, so that a pen
    // shown later is written to a chart file.
    void setDefaultVisible(bool value)
    {
        m_visible = value;
        m_defaultVisible = value;
    }
    // Owners that publish another end style set it together with its unstored default.
    void SetDefaultEndStyle(TPenEndStyle value)
    {
        m_endStyle = value;
        m_defaultEndStyle = value;
    }

private:
    TPenEndStyle m_endStyle = esRound;
    bool m_smallDots = false;
    int m_smallSpace = 0;
    bool m_visible = true;
    TPenEndStyle m_defaultEndStyle = esRound;
    bool m_defaultVisible = true;
};

// Borders and frames that stay off until switched on.
class TChartHiddenPen : public TChartPen
{
    Q_OBJECT
public:
    explicit TChartHiddenPen(QObject *owner = nullptr);
};

class TDottedGrayPen : public TChartPen
{
    Q_OBJECT
public:
    explicit TDottedGrayPen(QObject *owner = nullptr);
};

class TDarkGrayPen : public TChartPen
{
    Q_OBJECT
public:
    explicit TDarkGrayPen(QObject *owner = nullptr);
};

class TWhitePen : public TChartPen
{
    Q_OBJECT
public:
    explicit TWhitePen(QObject *owner = nullptr);
};
