// The annotation tool: places its box from the text, draws box, text and callout after the chart.
#include "TAnnotationTool.h"

#include "PlotProCo.h"
#include "PlotProcs.h"
#include "SeriesPixel.h"
#include "TAnnotationCallout.h"
#include "TCanvas3D.h"
#include "TCustomAxisPanel.h"
#include "TPlotShapePosition.h"

#include <QStringList>

#include <cmath>

namespace {
// Lines of an annotation text break at a carriage return.
const QChar kLineSeparator(13);
} // namespace

TAnnotationTool::TAnnotationTool(QObject *owner)
    : TPlotCustomTool(owner)
    , m_callout(new TAnnotationCallout(this))
    , m_shape(new TPlotShapePosition(this))
{
}

TAnnotationTool::~TAnnotationTool()
{
    disconnect(m_chartGone);
}

QString TAnnotationTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtAnnotation);
}

void TAnnotationTool::SetCallout(const TAnnotationCallout *value)
{
    if (value)
        m_callout->Assign(*value);
}

void TAnnotationTool::SetShape(const TPlotShapePosition *value)
{
    if (value)
        m_shape->Assign(*value);
}

void TAnnotationTool::SetPosition(TAnnotationPosition value)
{
    m_position = value;
    m_shape->SetCustomPosition(false);
    Repaint();
}

int TAnnotationTool::Width() const
{
    return m_shape->Width();
}

void TAnnotationTool::SetWidth(int value)
{
    if (value == Width())
        return;
    m_autoSize = false;
    m_shape->SetWidth(value);
    Repaint();
}

int TAnnotationTool::Height() const
{
    return m_shape->Height();
}

void TAnnotationTool::SetHeight(int value)
{
    if (value == Height())
        return;
    m_autoSize = false;
    m_shape->SetHeight(value);
    Repaint();
}

int TAnnotationTool::Left() const
{
    return m_shape->Left();
}

void TAnnotationTool::SetLeft(int value)
{
    m_shape->SetLeft(value);
    Repaint();
}

int TAnnotationTool::Top() const
{
    return m_shape->Top();
}

void TAnnotationTool::SetTop(int value)
{
    m_shape->SetTop(value);
    Repaint();
}

void TAnnotationTool::SetParentChart(TCustomAxisPanel *value)
{
    disconnect(m_chartGone);
    TPlotCustomTool::SetParentChart(value);
    if (IsDestroying())
        return;
    m_shape->SetParentChart(value);
    m_callout->SetParentChart(value);
    // The box and the callout hold the chart raw: a chart that goes first takes itself from them.
    if (value)
        m_chartGone = connect(value, &QObject::destroyed, this, [this] {
            m_shape->SetParentChart(nullptr);
            m_callout->SetParentChart(nullptr);
        });
    Repaint();
}

TRect TAnnotationTool::BoxRect(TPoint *anchor, int *lineHeight) const
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return {};
    QString text = GetText();
    if (text.isEmpty())
        text = QStringLiteral(" ");
    TCanvas3D &canvas = *chart->Canvas();
    canvas.AssignFont(m_shape->Font());
    const bool custom = m_shape->CustomPosition();
    int lines = 0;
    int textWidth = 0;
    int textHeight = 0;
    const int height = canvas.FontHeight();
    if (!custom || m_autoSize) {
        textWidth = chart->MultiLineTextWidth(text, lines);
        textHeight = lines * height;
    } else {
        chart->MultiLineTextWidth(text, lines);
    }
    int x = 0;
    int y = 0;
    if (custom) {
        if (m_positionUnits == muPercent) {
            x = SeriesPixel::toPixel(m_shape->Left() * chart->width() * 0.01).value_or(0);
            y = SeriesPixel::toPixel(m_shape->Top() * chart->height() * 0.01).value_or(0);
        } else {
            x = m_shape->Left() + 4;
            y = m_shape->Top() + 2;
        }
    } else {
        const int right = chart->width() - textWidth - 8;
        const int bottom = chart->height() - textHeight - 8;
        x = m_position == ppRightTop || m_position == ppRightBottom ? right : 10;
        y = m_position == ppLeftBottom || m_position == ppRightBottom ? bottom : 10;
    }
    const int w = m_autoSize ? textWidth + 6 : m_shape->ShapeBounds().right - m_shape->ShapeBounds().left;
    const int h = m_autoSize ? textHeight + 4 : m_shape->ShapeBounds().bottom - m_shape->ShapeBounds().top;
    if (anchor)
        *anchor = {x, y};
    if (lineHeight)
        *lineHeight = height;
    return {x - 4, y - 2, x - 4 + w, y - 2 + h};
}

bool TAnnotationTool::Clicked(int x, int y) const
{
    const TRect box = BoxRect();
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

void TAnnotationTool::ChartEvent(int kind)
{
    if (kind == TCustomAxisPanel::teAfterDraw && ParentChart())
        drawAnnotation();
}

void TAnnotationTool::drawAnnotation()
{
    TCustomAxisPanel &chart = *ParentChart();
    const TRect remembered = m_shape->ShapeBounds();
    TPoint anchor;
    int lineHeight = 0;
    const TRect box = BoxRect(&anchor, &lineHeight);
    m_shape->SetShapeBounds(box);
    if (m_shape->Visible())
        m_shape->Draw();
    TCanvas3D &canvas = *chart.Canvas();
    canvas.AssignFont(m_shape->Font());
    canvas.SetBackMode(cbmTransparent);
    int x = anchor.x;
    switch (m_textAlignment) {
    case taLeftJustify: canvas.SetTextAlign(TA_LEFT); break;
    case taCenter:
        canvas.SetTextAlign(TA_CENTER);
        x = (box.left + box.right) / 2 + 2;
        break;
    case taRightJustify:
        canvas.SetTextAlign(TA_RIGHT);
        x = box.right - 2;
        break;
    }
    const QStringList lines = GetText().split(kLineSeparator);
    for (int i = 0; i < lines.size(); ++i)
        canvas.TextOut(x, anchor.y + i * lineHeight, lines[i]);
    canvas.SetTextAlign(TA_LEFT);
    drawCallout(box);
    // A sized box keeps its size at its own corner; a fixed one its whole rectangle.
    if (m_autoSize)
        m_shape->SetShapeBounds({remembered.left, remembered.top, remembered.left + box.right - box.left,
                                 remembered.top + box.bottom - box.top});
    else
        m_shape->SetShapeBounds(remembered);
}

void TAnnotationTool::drawCallout(const TRect &box)
{
    if (!m_callout->Visible() && !m_callout->Arrow()->Visible())
        return;
    TPoint to{m_callout->XPosition(), m_callout->YPosition()};
    TPoint from{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    if (to.x < box.left)
        from.x = box.left;
    else if (to.x > box.right)
        from.x = box.right;
    if (to.y < box.top)
        from.y = box.top;
    else if (to.y > box.bottom)
        from.y = box.bottom;
    if (const int distance = m_callout->Distance(); distance != 0) {
        const double dx = from.x - to.x, dy = from.y - to.y;
        const double length = std::sqrt(dx * dx + dy * dy);
        if (length > 0) {
            to.x = SeriesPixel::toPixel(to.x + dx * distance / length).value_or(to.x);
            to.y = SeriesPixel::toPixel(to.y + dy * distance / length).value_or(to.y);
        }
    }
    // The arrow runs from the box to the target, so a head points at the target. Without a head
    // the line has no direction and the callout's marker, drawn at its first point, goes on the target.
    if (m_callout->ArrowHead() == ahNone)
        m_callout->Draw(clNone, to, m_callout->ZPosition(), from);
    else
        m_callout->Draw(clNone, from, m_callout->ZPosition(), to);
}

void TAnnotationTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    if (kind == TChartMouseEventKind::cmeDown) {
        if (OnClick && Clicked(x, y))
            OnClick(this, button, shift, x, y);
    } else if (kind == TChartMouseEventKind::cmeMove && m_cursor != 0) {
        hoverCursor(Clicked(x, y), m_cursor);
    }
}
