// The axis line pen.
#include "TChartAxisPen.h"

TChartAxisPen::TChartAxisPen(QObject *owner)
    : TChartPen(owner)
{
    SetWidth(2);
}

void TChartAxisPen::SetLineMode(TPenLineMode value)
{
    if (value == m_lineMode)
        return;
    m_lineMode = value;
    Changed();
}

void TChartAxisPen::Assign(const TPen &source)
{
    if (const auto *pen = qobject_cast<const TChartAxisPen *>(&source))
        m_lineMode = pen->m_lineMode;
    TChartPen::Assign(source);
}
