// Pen values and their Qt form.
#include "TPen.h"

#include "PlotColor.h"

TPen::TPen(QObject *parent)
    : QObject(parent)
{
}

void TPen::SetColor(TColor value)
{
    if (value == m_color && m_handle.kind == Handle::Cosmetic)
        return;
    m_color = value;
    resetHandle();
    Changed();
}

void TPen::SetWidth(int value)
{
    if (value == m_width && m_handle.kind == Handle::Cosmetic)
        return;
    m_width = value;
    resetHandle();
    Changed();
}

void TPen::SetStyle(TPenStyle value)
{
    if (value == m_style && m_handle.kind == Handle::Cosmetic)
        return;
    m_style = value;
    resetHandle();
    Changed();
}

void TPen::SetMode(TPenMode value)
{
    if (value == m_mode)
        return;
    m_mode = value;
    Changed();
}

void TPen::setHandle(const Handle &handle)
{
    if (handle == m_handle)
        return;
    m_handle = handle;
    Changed();
}

void TPen::Assign(const TPen &source)
{
    if (&source == this)
        return;
    m_color = source.m_color;
    m_width = source.m_width;
    m_style = source.m_style;
    m_mode = source.m_mode;
    resetHandle();
    Changed();
}

QPen TPen::toQPen() const
{
    if (m_style == psClear && m_handle.kind != Handle::SmallDots)
        return QPen(Qt::NoPen);
    if (m_handle.kind == Handle::SmallDots) {
        // Drawn dot by dot by the device layer; the pen only carries the colour.
        QPen pen(PlotColor::toQColor(m_handle.color), 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        pen.setCosmetic(true);
        return pen;
    }
    QPen pen(PlotColor::toQColor(m_color));
    switch (m_style) {
    case psDash: pen.setStyle(Qt::DashLine); break;
    case psDot: pen.setStyle(Qt::DotLine); break;
    case psDashDot: pen.setStyle(Qt::DashDotLine); break;
    case psDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
    if (m_width <= 1) {
        pen.setWidth(0);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    }
    pen.setWidth(m_width);
    if (m_handle.kind == Handle::Geometric) {
        switch (m_handle.endStyle) {
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

QPainter::CompositionMode TPen::compositionMode() const
{
    return compositionForMode(m_mode);
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
