// The axis grid pen.
#include "TAxisGridPen.h"

TAxisGridPen::TAxisGridPen(QObject *owner)
    : TDottedGrayPen(owner)
{
}

void TAxisGridPen::SetZPosition(double value)
{
    if (value == m_zPosition)
        return;
    m_zPosition = value;
    Changed();
}

void TAxisGridPen::SetCentered(bool value)
{
    if (value == m_centered)
        return;
    m_centered = value;
    Changed();
}

void TAxisGridPen::Assign(const TPen &source)
{
    if (const auto *pen = qobject_cast<const TAxisGridPen *>(&source)) {
        m_zPosition = pen->m_zPosition;
        m_centered = pen->m_centered;
    }
    TDottedGrayPen::Assign(source);
}
