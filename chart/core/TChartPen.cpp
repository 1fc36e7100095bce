// Chart pen setters and the preset pens.
#include "TChartPen.h"

TChartPen::TChartPen(QObject *owner)
    : TPen(owner)
{
}

void TChartPen::SetEndStyle(TPenEndStyle value)
{
    if (value == m_endStyle)
        return;
    m_endStyle = value;
    Changed();
}

void TChartPen::SetSmallDots(bool value)
{
    if (value == m_smallDots)
        return;
    m_smallDots = value;
    Changed();
}

void TChartPen::SetSmallSpace(int value)
{
    if (value == m_smallSpace)
        return;
    m_smallSpace = value;
    Changed();
}

void TChartPen::SetVisible(bool value)
{
    if (value == m_visible)
        return;
    m_visible = value;
    Changed();
}

void TChartPen::Assign(const TPen &source)
{
    if (&source == this)
        return;
    bool changed = false;
    if (const auto *pen = qobject_cast<const TChartPen *>(&source)) {
        changed = m_visible != pen->m_visible || m_smallDots != pen->m_smallDots
                  || m_smallSpace != pen->m_smallSpace || m_endStyle != pen->m_endStyle;
        m_visible = pen->m_visible;
        m_smallDots = pen->m_smallDots;
        m_smallSpace = pen->m_smallSpace;
        m_endStyle = pen->m_endStyle;
    }
    if (copyPenValues(source) || changed)
        Changed();
}

TChartHiddenPen::TChartHiddenPen(QObject *owner)
    : TChartPen(owner)
{
    setDefaultVisible(false);
}

TDottedGrayPen::TDottedGrayPen(QObject *owner)
    : TChartPen(owner)
{
    SetColor(clGray);
    SetStyle(psDot);
}

TDarkGrayPen::TDarkGrayPen(QObject *owner)
    : TChartPen(owner)
{
    SetColor(clGray);
}

TWhitePen::TWhitePen(QObject *owner)
    : TChartPen(owner)
{
    SetColor(clWhite);
}
