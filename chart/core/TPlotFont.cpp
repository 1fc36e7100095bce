// Chart font with its optional attribute objects.
#include "TPlotFont.h"

#include "PlotConst.h"

namespace {

QString defaultFontName()
{
    return PlotConst::message(PlotConst::msgDefaultFontName);
}

int defaultFontSize()
{
    return PlotConst::message(PlotConst::msgDefaultFontSize).toInt();
}

} // namespace

TPlotFont::TPlotFont(QObject *owner)
    : TFont(owner)
{
    SetColor(clBlack);
    SetCharset(1);
    SetName(defaultFontName());
    SetSize(defaultFontSize());
}

TPlotFont::~TPlotFont() = default;

TPlotCanvas *TPlotFont::canvas() const
{
    const auto link = m_canvas.lock();
    return link ? *link : nullptr;
}

TPlotFontGradient *TPlotFont::Gradient()
{
    if (!m_gradient) {
        m_gradient = std::make_unique<TPlotFontGradient>(this);
        connect(m_gradient.get(), &TCustomPlotGradient::changed, this, &TFont::changed);
    }
    return m_gradient.get();
}

void TPlotFont::SetGradient(const TPlotFontGradient *value)
{
    if (value)
        Gradient()->Assign(*value);
    else
        m_gradient.reset();
}

void TPlotFont::SetInterCharSize(int value)
{
    if (value == m_interCharSize)
        return;
    m_interCharSize = value;
    Changed();
}

TChartHiddenPen *TPlotFont::OutLine()
{
    if (!m_outLine) {
        m_outLine = std::make_unique<TChartHiddenPen>(this);
        connect(m_outLine.get(), &TPen::changed, this, &TFont::changed);
    }
    return m_outLine.get();
}

void TPlotFont::SetOutLine(const TChartHiddenPen *value)
{
    if (value)
        OutLine()->Assign(*value);
    else
        m_outLine.reset();
}

TPlotShadow *TPlotFont::Shadow()
{
    if (!m_shadow) {
        m_shadow = std::make_unique<TPlotShadow>(this);
        connect(m_shadow.get(), &TPlotShadow::changed, this, &TFont::changed);
    }
    return m_shadow.get();
}

void TPlotFont::SetShadow(const TPlotShadow *value)
{
    if (value)
        Shadow()->Assign(*value);
    else
        m_shadow.reset();
}

void TPlotFont::Assign(const TFont &source)
{
    if (const auto *font = qobject_cast<const TPlotFont *>(&source); font && font != this) {
        SetGradient(font->m_gradient.get());
        m_interCharSize = font->m_interCharSize;
        SetOutLine(font->m_outLine.get());
        SetShadow(font->m_shadow.get());
    }
    TFont::Assign(source);
}
