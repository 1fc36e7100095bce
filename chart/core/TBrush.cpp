// Brush values and their Qt form.
#include "TBrush.h"

#include "PlotColor.h"

#include <QMetaMethod>

TBrush::TBrush(QObject *parent)
    : QObject(parent)
{
}

void TBrush::connectNotify(const QMetaMethod &signal)
{
    if (signal == QMetaMethod::fromSignal(&TBrush::changed))
        m_changedConnected = true;
}

void TBrush::SetColor(TColor value)
{
    if (value == m_values.color)
        return;
    m_values.color = value;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (value == m_values.style)
        return;
    m_values.style = value;
    Changed();
}

void TBrush::SetBitmap(const QImage &bitmap)
{
    if (bitmap.isNull() && m_values.bitmap.isNull())
        return;
    m_values.bitmap = bitmap;
    Changed();
}

void TBrush::setValues(const BrushValues &values)
{
    if (values == m_values)
        return;
    m_values = values;
    Changed();
}

bool TBrush::copyBrushValues(const TBrush &source)
{
    if (source.m_values == m_values)
        return false;
    m_values = source.m_values;
    return true;
}

void TBrush::Assign(const TBrush &source)
{
    if (&source != this && copyBrushValues(source))
        Changed();
}

QBrush BrushValues::toQBrush() const
{
    const QColor qcolor = PlotColor::toQColor(color);
    if (!bitmap.isNull())
        return QBrush(bitmap);
    switch (style) {
    case bsSolid: return QBrush(qcolor, Qt::SolidPattern);
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(qcolor, Qt::HorPattern);
    case bsVertical: return QBrush(qcolor, Qt::VerPattern);
    // Both run their lines the same way: forward diagonals fall from left to right.
    case bsFDiagonal: return QBrush(qcolor, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(qcolor, Qt::BDiagPattern);
    case bsCross: return QBrush(qcolor, Qt::CrossPattern);
    case bsDiagCross: return QBrush(qcolor, Qt::DiagCrossPattern);
    }
    return QBrush(qcolor);
}
