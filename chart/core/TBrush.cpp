// Brush values and their Qt form.
#include "TBrush.h"

#include "PlotColor.h"

TBrush::TBrush(QObject *parent)
    : QObject(parent)
{
}

void TBrush::SetColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (value == m_style)
        return;
    m_style = value;
    Changed();
}

void TBrush::SetBitmap(const QImage &bitmap)
{
    if (bitmap.isNull() && m_bitmap.isNull())
        return;
    m_bitmap = bitmap;
    Changed();
}

void TBrush::Assign(const TBrush &source)
{
    if (&source == this)
        return;
    m_color = source.m_color;
    m_style = source.m_style;
    m_bitmap = source.m_bitmap;
    Changed();
}

QBrush TBrush::toQBrush() const
{
    const QColor color = PlotColor::toQColor(m_color);
    if (!m_bitmap.isNull())
        return QBrush(m_bitmap);
    switch (m_style) {
    case bsSolid: return QBrush(color, Qt::SolidPattern);
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(color, Qt::HorPattern);
    case bsVertical: return QBrush(color, Qt::VerPattern);
    // Both run their lines the same way: forward diagonals fall from left to right.
    case bsFDiagonal: return QBrush(color, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(color, Qt::BDiagPattern);
    case bsCross: return QBrush(color, Qt::CrossPattern);
    case bsDiagCross: return QBrush(color, Qt::DiagCrossPattern);
    }
    return QBrush(color);
}
