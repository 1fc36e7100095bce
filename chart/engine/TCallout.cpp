// Callouts: the arrow from a point, and the length series marks keep.
#include "TCallout.h"

#include "PlotPanelHost.h"
#include "TCanvas3D.h"

TCallout::TCallout(AxisSeriesView *series, PlotPanelHost *parentChart, QObject *owner)
    : TSeriesPointer(series, parentChart, owner)
    , m_arrow(std::make_unique<TWhitePen>(this))
{
    connect(m_arrow.get(), &TPen::changed, this, &TCallout::Repaint);
    initDraw3D(false);
    setKeepGradientColors(true);
    Brush()->SetColor(clBlack);
}

TCallout::~TCallout() = default;

void TCallout::SetArrow(const TWhitePen *value)
{
    if (value)
        m_arrow->Assign(*value);
}

void TCallout::SetArrowHead(TArrowHeadStyle value)
{
    if (value == m_arrowHead)
        return;
    m_arrowHead = value;
    Repaint();
}

void TCallout::SetArrowHeadSize(int value)
{
    if (value == m_arrowHeadSize)
        return;
    m_arrowHeadSize = value;
    Repaint();
}

void TCallout::SetDistance(int value)
{
    if (value == m_distance)
        return;
    m_distance = value;
    Repaint();
}

void TCallout::Draw(TColor color, const TPoint &arrowFrom, int z, const TPoint &arrowTo)
{
    TCanvas3D *canvas = ParentChart() ? ParentChart()->Canvas() : nullptr;
    if (!canvas)
        return;
    const bool is3D = canvas->projection().is3D;
    if (m_arrow->Visible()) {
        canvas->Brush()->SetStyle(bsClear);
        PrepareCanvas(*canvas, color);
        canvas->AssignVisiblePen(*m_arrow);
        if (m_arrowHead == ahNone) {
            if (is3D)
                canvas->LineWithZ(arrowFrom.x, arrowFrom.y, arrowTo.x, arrowTo.y, z);
            else
                canvas->Line(arrowFrom.x, arrowFrom.y, arrowTo.x, arrowTo.y);
        } else {
            canvas->ArrowDefault(m_arrowHead == ahSolid, arrowFrom, arrowTo, m_arrowHeadSize, m_arrowHeadSize, z);
        }
    }
    if (m_arrowHead == ahNone && Visible()) {
        const TPoint at = is3D ? canvas->Calc3DPoint(arrowFrom.x, arrowFrom.y, z) : arrowFrom;
        DrawPointer(*canvas, false, at.x, at.y, HorizSize(), VertSize(), Brush()->Color(), Style());
    }
}

void TCallout::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *callout = qobject_cast<const TCallout *>(&source)) {
        m_distance = callout->m_distance;
        m_arrow->Assign(*callout->m_arrow);
        m_arrowHead = callout->m_arrowHead;
        m_arrowHeadSize = callout->m_arrowHeadSize;
    }
    TSeriesPointer::Assign(source);
}

TMarksCallout::TMarksCallout(AxisSeriesView *series, PlotPanelHost *parentChart, QObject *owner)
    : TCallout(series, parentChart, owner)
{
    SetVisible(false);
    Arrow()->SetColor(clWhite);
}

void TMarksCallout::SetLength(int value)
{
    if (value == m_length)
        return;
    m_length = value;
    Repaint();
}

void TMarksCallout::ApplyLength(TSeriesMarkPosition &position) const
{
    const int up = m_length + Distance();
    position.LeftTop.y -= up;
    position.ArrowTo.y -= up;
    position.ArrowFrom.y -= Distance();
}

void TMarksCallout::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *callout = qobject_cast<const TMarksCallout *>(&source))
        m_length = callout->m_length;
    TCallout::Assign(source);
}
