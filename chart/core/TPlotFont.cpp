// Chart font with its optional attribute objects.
#include "TPlotFont.h"

#include "PlotLibrary.h"

#include <QSignalBlocker>

#include <functional>

TPlotFont::TPlotFont(QObject *owner)
    : TFont(owner)
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
    if (!m_gradient) {
        m_gradient = std::make_unique<TPlotFontGradient>(this);
        connect(m_gradient.get(), &TCustomPlotGradient::changed, this, &TFont::changed);
    }
    return m_gradient.get();
}

void TPlotFont::SetGradient(const TPlotFontGradient *value)
{
    if (value) {
        Gradient()->Assign(*value); // notifies through the font when it changed
    } else if (m_gradient) {
        m_gradient.reset();
        Changed();
    }
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
    if (value) {
        OutLine()->Assign(*value); // notifies through the font when it changed
    } else if (m_outLine) {
        m_outLine.reset();
        Changed();
    }
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
    if (value) {
        Shadow()->Assign(*value); // notifies through the font when it changed
    } else if (m_shadow) {
        m_shadow.reset();
        Changed();
    }
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
bool assignOptional(std::unique_ptr<T> &ours, const T *theirs, const std::function<T *()> &create)
{
    if (!theirs) {
        const bool had = ours != nullptr;
        ours.reset();
        return had;
    }
    T *target = create();
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
            changed |= assignOptional<TPlotFontGradient>(m_gradient, font->m_gradient.get(), [this] { return Gradient(); });
            changed |= assignOptional<TChartHiddenPen>(m_outLine, font->m_outLine.get(), [this] { return OutLine(); });
            changed |= assignOptional<TPlotShadow>(m_shadow, font->m_shadow.get(), [this] { return Shadow(); });
            changed |= m_interCharSize != font->m_interCharSize;
            m_interCharSize = font->m_interCharSize;
        }
        changed |= copyFontValues(source);
    }
    if (changed)
        Changed();
}
