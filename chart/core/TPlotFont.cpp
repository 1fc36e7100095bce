// Chart font with its optional attribute objects.
#include "TPlotFont.h"

#include "PlotLibrary.h"

#include <QSignalBlocker>

#include <functional>

TPlotFont::TPlotFont(QObject *owner)
    : TFont(owner)
    , m_gradient(this, [this](TPlotFontGradient *g) { connect(g, &TCustomPlotGradient::changed, this, &TFont::changed); })
    , m_outLine(this, [this](TChartHiddenPen *p) { connect(p, &TPen::changed, this, &TFont::changed); })
    , m_shadow(this, [this](TPlotShadow *s) { connect(s, &TPlotShadow::changed, this, &TFont::changed); })
{
    SetColor(clBlack);
    SetCharset(1);
    SetName(PlotDefaultFontName());
    SetSize(PlotDefaultFontSize());
}

TPlotFont::~TPlotFont() = default;

TPlotCanvas *TPlotFont::canvas() const
{
    const auto link = m_canvas.lock();
    return link ? *link : nullptr;
}

TPlotFontGradient *TPlotFont::Gradient()
{
    return m_gradient.getOrCreate();
}

void TPlotFont::SetGradient(const TPlotFontGradient *value)
{
    if (m_gradient.set(value)) // a copied value notifies through the font itself
        Changed();
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
    return m_outLine.getOrCreate();
}

void TPlotFont::SetOutLine(const TChartHiddenPen *value)
{
    if (m_outLine.set(value)) // a copied value notifies through the font itself
        Changed();
}

TPlotShadow *TPlotFont::Shadow()
{
    return m_shadow.getOrCreate();
}

void TPlotFont::SetShadow(const TPlotShadow *value)
{
    if (m_shadow.set(value)) // a copied value notifies through the font itself
        Changed();
}

namespace {

// Runs the action and tells whether the object announced a change meanwhile.
template <class T>
bool announcesChange(T *object, const std::function<void()> &action)
{
    bool changed = false;
    const QMetaObject::Connection watch = QObject::connect(object, &T::changed, [&changed] { changed = true; });
    action();
    QObject::disconnect(watch);
    return changed;
}

// Copies an optional sub-object: none frees ours, another is assigned into ours.
template <class T>
bool assignOptional(OptionalChild<T> &ours, const T *theirs)
{
    if (!theirs)
        return ours.set(nullptr);
    T *target = ours.getOrCreate();
    return announcesChange(target, [&] { target->Assign(*theirs); });
}

} // namespace

void TPlotFont::Assign(const TFont &source)
{
    if (&source == this)
        return;
    bool changed = false;
    {
        // The sub-objects' own notifications would repaint once each.
        const QSignalBlocker quiet(this);
        if (const auto *font = qobject_cast<const TPlotFont *>(&source)) {
            changed |= assignOptional(m_gradient, font->m_gradient.get());
            changed |= assignOptional(m_outLine, font->m_outLine.get());
            changed |= assignOptional(m_shadow, font->m_shadow.get());
            changed |= m_interCharSize != font->m_interCharSize;
            m_interCharSize = font->m_interCharSize;
        }
        changed |= copyFontValues(source);
    }
    if (changed)
        Changed();
}

void TPlotFont::setDefaultColorAndStyle(TColor color, TFontStyles style)
{
    m_defaultColor = color;
    m_defaultStyle = style;
    SetColor(color);
    SetStyle(style);
}
