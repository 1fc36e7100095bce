// Lines of the draw line tool and their collection.
#include "TDrawLine.h"

#include "TDrawLineTool.h"

#include <cmath>

TDrawLine::TDrawLine(TDrawLineTool *tool)
    : m_tool(tool)
{
}

TDrawLine::~TDrawLine()
{
    if (m_tool)
        m_tool->lineDestroyed(this);
}

void TDrawLine::store(double &variable, double value)
{
    // Bitwise, so that storing a NaN again does not repaint.
    if (variable == value || (std::isnan(variable) && std::isnan(value)))
        return;
    variable = value;
    repaint();
}

void TDrawLine::SetStyle(TDrawLineStyle value)
{
    if (m_style == value)
        return;
    m_style = value;
    repaint();
}

void TDrawLine::repaint() const
{
    if (m_tool)
        m_tool->Repaint();
}

TChartPen *TDrawLine::Pen()
{
    if (!m_pen) {
        m_pen = std::make_unique<TChartPen>();
        if (m_tool)
            m_pen->Assign(*m_tool->Pen());
        QObject::connect(m_pen.get(), &TPen::changed, this, [this] { repaint(); });
    }
    return m_pen.get();
}

void TDrawLine::SetPen(const TChartPen *value)
{
    if (!value) {
        if (m_pen) {
            m_pen.reset();
            repaint();
        }
        return;
    }
    Pen()->Assign(*value);
}

void TDrawLine::Assign(const TDrawLine &source)
{
    m_x0 = source.m_x0;
    m_y0 = source.m_y0;
    m_x1 = source.m_x1;
    m_y1 = source.m_y1;
    m_style = source.m_style;
    SetPen(source.penIfAny());
    repaint();
}

bool TDrawLine::IsFinite() const
{
    return std::isfinite(m_x0) && std::isfinite(m_y0) && std::isfinite(m_x1) && std::isfinite(m_y1);
}

TDrawLines::LineFactory &TDrawLines::lineClass()
{
    static LineFactory factory = [](TDrawLineTool *tool) { return std::make_unique<TDrawLine>(tool); };
    return factory;
}

TDrawLine *TDrawLines::Add()
{
    m_items.push_back(lineClass()(m_tool));
    return m_items.back().get();
}

void TDrawLines::Delete(int index)
{
    // Out of the list first: the line's destructor tells the tool, which may look at the list.
    std::unique_ptr<TDrawLine> line = std::move(m_items.at(std::size_t(index)));
    m_items.erase(m_items.begin() + index);
}

void TDrawLines::Clear()
{
    std::vector<std::unique_ptr<TDrawLine>> lines = std::move(m_items);
    m_items.clear();
}

void TDrawLines::Assign(const TDrawLines &source)
{
    if (&source == this)
        return;
    Clear();
    for (const auto &line : source.m_items)
        Add()->Assign(*line);
}
