// Editor buttons: the symbol drawn through a chart canvas, the linked colour property.
#include "TPlotButton.h"

#include "EventFailure.h"
#include "GuiCanvas.h"
#include "PlotColor.h"
#include "PlotColorDialog.h"
#include "TPlotCanvas3D.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

#include <utility>

TPlotButton::TPlotButton(QWidget *parent)
    : QPushButton(parent)
{
    resize(75, 25);
}

void TPlotButton::LinkProperty(QObject *instance, const QString &propName)
{
    m_instance = instance;
    m_property = QMetaProperty();
    if (instance && !propName.isEmpty()) {
        const QMetaObject *meta = instance->metaObject();
        const int index = meta->indexOfProperty(propName.toLatin1().constData());
        if (index >= 0)
            m_property = meta->property(index);
    }
    update();
}

namespace {

// The swatch's distance from the right edge, and the gap between it and the caption.
constexpr int kSwatchFromRight = 19;
constexpr int kCaptionGap = 2;

} // namespace

TRect TPlotButton::GetSwatchRect() const
{
    const int w = width();
    const int h = height();
    return {w - kSwatchFromRight, h - 3 * (h / 4), w - 6, h - h / 4};
}

QRect TPlotButton::CaptionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    contents.setRight(std::min(contents.right(), width() - kSwatchFromRight - kCaptionGap - 1));
    return contents;
}

QSize TPlotButton::sizeHint() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    // What the caption loses on the right to the swatch, with the frame's share it had there.
    const int lost = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).right() -
                     (width() - kSwatchFromRight - kCaptionGap - 1);
    return QPushButton::sizeHint() + QSize(std::max(lost, 0) + kCaptionGap, 0);
}

QSize TPlotButton::minimumSizeHint() const
{
    return sizeHint();
}

QVariant TPlotButton::readLinked() const
{
    return HasLinkedProperty() ? m_property.read(m_instance) : QVariant();
}

void TPlotButton::writeLinked(const QVariant &value)
{
    if (HasLinkedProperty())
        m_property.write(m_instance, value);
}

void TPlotButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    QStyleOptionButton caption = option;
    caption.rect = CaptionRect();
    painter.drawControl(QStyle::CE_PushButtonLabel, caption);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
    GuiCanvas gui;
    gui.attachPainter(&painter);
    TPlotCanvas3D canvas;
    canvas.SetBuffered(false);
    const TRect bounds{0, 0, width(), height()};
    canvas.InitWindow(&gui, nullptr, clWhite, false, bounds);
    // No exception may leave a paint event. A symbol that keeps failing is reported once, not at
    // every repaint (closing the box repaints the button).
    QString failure;
    try {
        DrawSymbol(canvas);
    } catch (const std::exception &e) {
        failure = QString::fromUtf8(e.what());
    } catch (...) {
        failure = QStringLiteral("Chart: unknown failure");
    }
    canvas.FlushBuffer(&gui, nullptr, bounds);
    gui.endPaint();
    if (failure.isEmpty())
        m_failureReported = false;
    else if (!std::exchange(m_failureReported, true))
        ReportAfterEvent(failure);
}

void TPlotButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

TButtonColor::TButtonColor(QWidget *parent)
    : TPlotButton(parent)
{
    connect(this, &QPushButton::clicked, this, &TButtonColor::pickColor);
}

TColor TButtonColor::GetLinkedColor() const
{
    if (GetColorQuery)
        return GetColorQuery();
    if (HasLinkedProperty()) {
        // Only system colours are turned into what they look like: the "no colour" and "default
        // colour" values stay themselves (masked to 24 bits they read as white and black).
        const TColor color = TColor(std::uint32_t(readLinked().toLongLong()));
        return (color & 0x80000000u) ? PlotColor::ColorToRGB(color) : color;
    }
    return m_color;
}

void TButtonColor::SetLinkedColor(TColor color)
{
    if (HasLinkedProperty())
        writeLinked(QVariant::fromValue(color));
    else
        m_color = color;
}

void TButtonColor::DrawSymbol(TCanvas3D &canvas)
{
    const TColor color = GetLinkedColor();
    if (color == clNone)
        return;
    canvas.Brush()->SetColor(color);
    canvas.Brush()->SetStyle(bsSolid);
    if (!isEnabled())
        canvas.Pen()->SetStyle(psClear);
    canvas.RectangleRect(GetSwatchRect());
}

void TButtonColor::pickColor()
{
    TColor color = GetLinkedColor();
    if (!PlotColorDialog::EditColorDialog(this, color))
        return;
    SetLinkedColor(color);
    update();
    Q_EMIT OnClick();
}
