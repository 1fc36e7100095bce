// Pen values and their Qt form.
#include "TPen.h"

#include "PlotColor.h"

#include <QMetaMethod>

TPen::TPen(QObject *parent)
    : QObject(parent)
{
}

void TPen::SetColor(TColor value)
{
    if (value == m_values.color && m_values.handle.kind == Handle::Cosmetic)
        return;
    m_values.color = value;
    m_values.handle = Handle{};
    Changed();
}

void TPen::SetWidth(int value)
{
    if (value == m_values.width && m_values.handle.kind == Handle::Cosmetic)
        return;
    m_values.width = value;
    m_values.handle = Handle{};
    Changed();
}

void TPen::SetStyle(TPenStyle value)
{
    if (value == m_values.style && m_values.handle.kind == Handle::Cosmetic)
        return;
    m_values.style = value;
    m_values.handle = Handle{};
    Changed();
}

void TPen::SetMode(TPenMode value)
{
    if (value == m_values.mode)
        return;
    m_values.mode = value;
    Changed();
}

void TPen::setHandle(const Handle &handle)
{
    if (handle == m_values.handle)
        return;
    m_values.handle = handle;
    Changed();
}

void TPen::connectNotify(const QMetaMethod &signal)
{
    if (signal == QMetaMethod::fromSignal(&TPen::changed))
        m_changedConnected = true;
}

void TPen::setValues(const PenValues &values)
{
    if (values == m_values)
        return;
    m_values = values;
    Changed();
}

bool TPen::copyPenValues(const TPen &source)
{
    PenValues values = source.m_values;
    values.handle = Handle{};
    if (values == m_values)
        return false;
    m_values = values;
    return true;
}

void TPen::Assign(const TPen &source)
{
    if (&source != this && copyPenValues(source))
        Changed();
}

QPen PenValues::toQPen() const
{
    if (style == psClear && handle.kind != PenHandle::SmallDots)
        return QPen(Qt::NoPen);
    if (handle.kind == PenHandle::SmallDots) {
        // Drawn dot by dot by the device layer; the pen only carries the colour.
        QPen pen(PlotColor::toQColor(handle.color), 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        pen.setCosmetic(true);
        return pen;
    }
    QPen pen(PlotColor::toQColor(color));
    switch (style) {
    case psDash: pen.setStyle(Qt::DashLine); break;
    case psDot: pen.setStyle(Qt::DotLine); break;
    case psDashDot: pen.setStyle(Qt::DashDotLine); break;
    case psDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
    if (width <= 1) {
        pen.setWidth(0);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    }
    pen.setWidth(width);
    if (handle.kind == PenHandle::Geometric) {
        switch (handle.endStyle) {
        case esSquare:
            pen.setCapStyle(Qt::SquareCap);
            pen.setJoinStyle(Qt::BevelJoin);
            break;
        case esFlat:
            pen.setCapStyle(Qt::FlatCap);
            pen.setJoinStyle(Qt::MiterJoin);
            break;
        case esRound:
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            break;
        }
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

QPainter::CompositionMode PenValues::compositionMode() const
{
    return TPen::compositionForMode(mode);
}

PenValues PenValues::inCopyMode(TColor groundRgb) const
{
    PenValues copy = *this;
    if (mode == pmCopy)
        return copy;
    const TColor ground = PlotColor::ColorToRGB(groundRgb);
    copy.color = TPen::colourOver(mode, PlotColor::ColorToRGB(color), ground);
    copy.handle.color = TPen::colourOver(mode, PlotColor::ColorToRGB(handle.color), ground);
    copy.mode = pmCopy;
    return copy;
}

TColor TPen::colourOver(TPenMode mode, TColor penRgb, TColor groundRgb)
{
    const TColor s = penRgb & 0xFFFFFF;
    const TColor d = groundRgb & 0xFFFFFF;
    TColor result = s;
    switch (mode) {
    case pmBlack: result = 0; break;
    case pmWhite: result = 0xFFFFFF; break;
    case pmNop: result = d; break;
    case pmNot: result = ~d; break;
    case pmCopy: result = s; break;
    case pmNotCopy: result = ~s; break;
    case pmMergePenNot: result = s | ~d; break;
    case pmMaskPenNot: result = s & ~d; break;
    case pmMergeNotPen: result = ~s | d; break;
    case pmMaskNotPen: result = ~s & d; break;
    case pmMerge: result = s | d; break;
    case pmNotMerge: result = ~(s | d); break;
    case pmMask: result = s & d; break;
    case pmNotMask: result = ~(s & d); break;
    case pmXor: result = s ^ d; break;
    case pmNotXor: result = ~(s ^ d); break;
    }
    return result & 0xFFFFFF;
}

QPainter::CompositionMode TPen::compositionForMode(TPenMode mode)
{
    switch (mode) {
    case pmBlack: return QPainter::RasterOp_ClearDestination;
    case pmWhite: return QPainter::RasterOp_SetDestination;
    case pmNop: return QPainter::CompositionMode_Destination;
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmCopy: return QPainter::CompositionMode_SourceOver;
    case pmNotCopy: return QPainter::RasterOp_NotSource;
    case pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    }
    return QPainter::CompositionMode_SourceOver;
}
