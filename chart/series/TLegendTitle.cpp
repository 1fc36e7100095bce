// Legend title: defaults, extents and drawing.
#include "TLegendTitle.h"

#include "TPlotCanvas.h"

#include <algorithm>

TLegendTitle::TLegendTitle(PlotPanelHost *parentChart, QObject *owner)
    : TPlotShape(parentChart, owner)
{
    setDefaultTransparent(true);
    Font()->setDefaultColorAndStyle(Font()->Color(), fsBold);
    Shadow()->setDefaults(clSilver, 2);
}

void TLegendTitle::SetText(const QStringList &value)
{
    if (value == m_text)
        return;
    m_text = value;
    Repaint();
}

void TLegendTitle::SetTextAlignment(TAlignment value)
{
    setShapeProperty(m_textAlignment, value);
}

int TLegendTitle::frameWidth() const
{
    return Pen()->Visible() ? Pen()->Width() : 0;
}

int TLegendTitle::TotalHeight(TPlotCanvas &canvas) const
{
    canvas.AssignFont(Font());
    int height = int(m_text.size()) * canvas.TextHeight(QStringLiteral("W"));
    if (!Transparent())
        height += 2 + 2 * frameWidth();
    return height;
}

int TLegendTitle::TotalWidth(TPlotCanvas &canvas) const
{
    canvas.AssignFont(Font());
    int widest = 0;
    for (const QString &line : m_text)
        widest = std::max(widest, canvas.TextWidth(line));
    int width = widest + canvas.TextWidth(QStringLiteral("W"));
    if (!Transparent())
        width += 2 * frameWidth() + Shadow()->Size();
    return width;
}

void TLegendTitle::DrawTitle(TPlotCanvas &canvas, const TRect &rect)
{
    SetShapeBounds(rect);
    if (!Transparent())
        Draw();
    canvas.AssignFont(Font());
    canvas.SetBackMode(cbmTransparent);
    canvas.SetTextAlign(TA_LEFT);
    const int lineHeight = canvas.TextHeight(QStringLiteral("W"));
    const int frame = Transparent() ? 0 : frameWidth() + 1;
    const int halfW = canvas.TextWidth(QStringLiteral("W")) / 2;
    if (TextFormat() == ttfHtml) {
        canvas.TextOutFormat(rect.left + halfW, rect.top + frame, m_text.join(QLatin1Char('\r')), true);
        return;
    }
    for (int i = 0; i < int(m_text.size()); ++i) {
        const QString &line = m_text[i];
        int x = rect.left + frame;
        switch (m_textAlignment) {
        case taLeftJustify:
            x = rect.left + halfW;
            break;
        case taRightJustify:
            x = rect.right - canvas.TextWidth(line) - halfW;
            break;
        case taCenter:
            x = (rect.left + rect.right) / 2 - canvas.TextWidth(line) / 2;
            break;
        }
        canvas.TextOut(x, rect.top + frame + i * lineHeight, line);
    }
}

void TLegendTitle::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *title = qobject_cast<const TLegendTitle *>(&source); title && title != this) {
        m_text = title->m_text;
        m_textAlignment = title->m_textAlignment;
    }
    TPlotShape::Assign(source);
}
