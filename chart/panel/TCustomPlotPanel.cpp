// Chart panel: paint cycle, chart rectangle, bevels, events, export and printing.
#include "TCustomPlotPanel.h"

#include "EventFailure.h"
#include "GuiCanvas.h"
#include "PlotColor.h"
#include "PlotException.h"
#include "PlotGeometry.h"
#include "PlotProcs.h"
#include "PlotRound.h"
#include "PrinterInfo.h"
#include "TChartBrush.h"
#include "TPicture.h"
#include "TPlotCanvas3D.h"
#include "TZoomPanning.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdint>

TMouseButton TCustomPlotPanel::mouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
    }
}

TShiftState TCustomPlotPanel::shiftState(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons)
{
    TShiftState shift;
    if (keys & Qt::ShiftModifier)
        shift |= ssShift;
    if (keys & Qt::AltModifier)
        shift |= ssAlt;
    if (keys & Qt::ControlModifier)
        shift |= ssCtrl;
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

TShiftState TCustomPlotPanel::shiftState(const QMouseEvent &event)
{
    TShiftState shift = shiftState(event.modifiers(), event.buttons());
    if (event.type() == QEvent::MouseButtonDblClick)
        shift |= ssDouble;
    return shift;
}

TCustomPlotPanel::TCustomPlotPanel(QWidget *parent)
    : QWidget(parent)
    , m_paintCanvas(std::make_unique<GuiCanvas>())
    , m_canvas(std::make_unique<TPlotCanvas3D>())
    , m_border(std::make_unique<TChartHiddenPen>(this))
    , m_shadow(std::make_unique<TPlotShadow>(this))
    , m_view3DOptions(std::make_unique<TView3DOptions>(this))
    , m_panning(std::make_unique<TZoomPanning>(this))
    , m_rememberedCursor(PlotProcs::PlotCursor(0))
{
    // The chart paints every pixel: Qt need not erase anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_border->SetDefaultEndStyle(esFlat);
    m_canvas->SetCanvas(m_paintCanvas.get());
    connect(m_border.get(), &TPen::changed, this, &TCustomPlotPanel::PropertyChanged);
    connect(m_shadow.get(), &TPlotShadow::changed, this, &TCustomPlotPanel::PropertyChanged);
    connect(m_view3DOptions.get(), &TView3DOptions::changed, this, &TCustomPlotPanel::PropertyChanged);
    resize(400, 250);
}

TCustomPlotPanel::~TCustomPlotPanel()
{
    m_destroying = true;
}

void TCustomPlotPanel::Invalidate()
{
    if (!AutoRepaint)
        return;
    // The chart changed: a failure of the next pass is news again.
    m_failureReported = false;
    m_canvas->Invalidate();
    update();
}

void TCustomPlotPanel::SetCanvas(std::unique_ptr<TCanvas3D> canvas)
{
    ReplaceCanvas(std::move(canvas));
}

std::unique_ptr<TCanvas3D> TCustomPlotPanel::ReplaceCanvas(std::unique_ptr<TCanvas3D> canvas)
{
    if (!canvas)
        return {};
    canvas->SetCanvas(m_paintCanvas.get());
    if (m_canvas) {
        const bool autoRepaint = std::exchange(AutoRepaint, false);
        canvas->AssignSettings(*m_canvas);
        AutoRepaint = autoRepaint;
    }
    std::unique_ptr<TCanvas3D> previous = std::exchange(m_canvas, std::move(canvas));
    Invalidate();
    return previous;
}

TRect TCustomPlotPanel::GetRectangle() const
{
    return {0, 0, width(), height()};
}

void TCustomPlotPanel::SetBorder(const TChartHiddenPen *value)
{
    if (value)
        m_border->Assign(*value);
}

void TCustomPlotPanel::SetBorderRound(int value)
{
    if (value == m_borderRound)
        return;
    m_borderRound = value;
    applyBorderRound();
    Invalidate();
}

bool TCustomPlotPanel::Monochrome() const
{
    return m_canvas->GetMonochrome();
}

void TCustomPlotPanel::SetMonochrome(bool value)
{
    m_canvas->SetMonochrome(value);
}

bool TCustomPlotPanel::BufferedDisplay() const
{
    return m_canvas->GetBuffered();
}

void TCustomPlotPanel::SetBufferedDisplay(bool value)
{
    m_canvas->SetBuffered(value);
}

void TCustomPlotPanel::SetShadow(const TPlotShadow *value)
{
    if (value)
        m_shadow->Assign(*value);
}

void TCustomPlotPanel::SetView3D(bool value)
{
    if (value == m_view3D)
        return;
    m_view3D = value;
    Invalidate();
    TPlotView3DEvent event;
    BroadcastPlotEvent(event);
}

void TCustomPlotPanel::SetView3DOptions(const TView3DOptions *value)
{
    if (value) {
        m_view3DOptions->Assign(*value);
        Invalidate(); // the options copy without repainting
    }
}

void TCustomPlotPanel::Draw(GuiCanvas *userCanvas, const TRect &userRect)
{
    try {
        m_canvas->setXorGround(paintColor());
        ChartBounds = m_canvas->InitWindow(userCanvas, m_view3DOptions.get(), paintColor(), m_view3D, userRect);
        if (!CustomChartRect)
            CalcChartRect();
        CalcChartDimensions();
        DrawChartContents(ChartBounds);
        m_canvas->FlushBuffer(userCanvas, m_paintCanvas.get(), userRect);
    } catch (...) {
        abandonPass();
        throw;
    }
}

int TCustomPlotPanel::FrameWidth() const
{
    int frame = m_borderWidth;
    if (m_bevelInner != bvNone)
        frame += m_bevelWidth;
    if (m_bevelOuter != bvNone)
        frame += m_bevelWidth;
    if (m_border->Visible())
        frame += m_border->Width();
    return frame;
}

namespace {

// The frame on both sides and the two margins along one extent, fitted into half of it: a bevel
// of 100 with a separation of 100 left no room at all, and titles, legend and labels piled up in
// the middle of a collapsed plot. Margins shrink first, each by its share, then the frame.
struct Distances
{
    int frame;
    int low;
    int high;
};

Distances fitDistances(int frame, int low, int high, int extent)
{
    const std::int64_t room = std::max(extent, 0) / 2;
    const std::int64_t lowPart = std::max(low, 0);
    const std::int64_t highPart = std::max(high, 0);
    if (2 * std::int64_t(frame) + lowPart + highPart <= room)
        return {frame, low, high};
    if (2 * std::int64_t(frame) >= room)
        return {int(room / 2), std::min(low, 0), std::min(high, 0)};
    const std::int64_t marginRoom = room - 2 * std::int64_t(frame);
    const std::int64_t sum = lowPart + highPart;
    return {frame, low < 0 ? low : int(lowPart * marginRoom / sum), high < 0 ? high : int(highPart * marginRoom / sum)};
}

} // namespace

int TCustomPlotPanel::MinPlotExtent(int boundsExtent)
{
    return std::clamp(boundsExtent / 4, std::min(boundsExtent, 16), std::max(boundsExtent, 0));
}

void TCustomPlotPanel::CalcChartRect()
{
    const int frame = FrameWidth();
    const auto margin = [this](MarginSide side, int size) {
        return m_marginUnits == muPixels ? m_margins[side] : int(std::int64_t(m_margins[side]) * size / 100);
    };
    const int w = ChartBounds.width();
    const int h = ChartBounds.height();
    const Distances x = fitDistances(frame, margin(mLeft, w), margin(mRight, w), w);
    const Distances y = fitDistances(frame, margin(mTop, h), margin(mBottom, h), h);
    ChartRect = {ChartBounds.left + x.frame + x.low, ChartBounds.top + y.frame + y.low,
                 ChartBounds.right - x.frame - x.high, ChartBounds.bottom - y.frame - y.high};
}

void TCustomPlotPanel::CalcChartDimensions()
{
    if (!CustomChartRect) {
        ChartRect.left = std::max(ChartRect.left, ChartBounds.left);
        ChartRect.top = std::max(ChartRect.top, ChartBounds.top);
        // A rectangle that collapsed is widened, never left empty.
        if (ChartRect.left > ChartRect.right)
            ChartRect.right = ChartRect.left + 1;
        else if (ChartRect.left == ChartRect.right)
            ChartRect.right = ChartRect.left + width();
        if (ChartRect.top > ChartRect.bottom)
            ChartRect.bottom = ChartRect.top + 1;
        else if (ChartRect.top == ChartRect.bottom)
            ChartRect.bottom = ChartRect.top + height();
    }
    ChartWidth = ChartRect.width();
    ChartHeight = ChartRect.height();
    ChartXCenter = int((std::int64_t(ChartRect.left) + ChartRect.right) / 2);
    ChartYCenter = int((std::int64_t(ChartRect.top) + ChartRect.bottom) / 2);
}

void TCustomPlotPanel::SetBrushCanvas(TColor color, TChartBrush &brush, TColor backColor)
{
    if (brush.Style() != bsSolid && color == backColor)
        color = backColor == clBlack ? clWhite : clBlack;
    m_canvas->AssignBrushColor(brush, color, backColor);
}

bool TCustomPlotPanel::CanClip() const
{
    if (m_canvas->IsNonGdiCanvas())
        return false;
    if (m_printing)
        return ClipWhenPrinting;
    if (m_canvas->metafiling())
        return ClipWhenMetafiling;
    return true;
}

void TCustomPlotPanel::DrawPanelBevels(TRect &r)
{
    TCanvas3D &canvas = *m_canvas;
    canvas.Begin2D();
    canvas.Brush()->SetStyle(bsClear);
    if (m_border->Visible()) {
        canvas.AssignVisiblePen(*m_border);
        int w = 1;
        if (!m_border->SmallDots()) {
            // The pen straddles the rectangle: move the sides in by its halves.
            w = m_border->Width() - 1;
            if (w > 0) {
                const int a = w / 2 + w % 2;
                int b = w / 2;
                if (b % 2 != 0)
                    --b;
                r = {r.left + a, r.top + a, r.right - b, r.bottom - b};
            }
        }
        if (m_borderRound < 1) {
            canvas.RectangleRect(r);
            if (!m_border->SmallDots())
                ++w;
        } else {
            --r.right;
            --r.bottom;
            canvas.RoundRectRect(r, m_borderRound, m_borderRound);
        }
        r = {r.left + w, r.top + w, r.right - w, r.bottom - w};
    }
    if (m_printing && !PrintBackground) {
        canvas.End2D();
        return;
    }
    TPen *pen = canvas.Pen();
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetMode(pmCopy);
    PlotProcs::DrawBevel(canvas, m_bevelOuter, r, m_borderRound, m_bevelWidth);
    if (m_borderWidth > 0)
        canvas.Frame3D(r, paintColor(), paintColor(), m_borderWidth);
    PlotProcs::DrawBevel(canvas, m_bevelInner, r, m_borderRound, m_bevelWidth);
    canvas.End2D();
}

TPlotEvent &TCustomPlotPanel::BroadcastPlotEvent(TPlotEvent &event)
{
    if (m_destroying)
        return event;
    event.Sender = this;
    m_listeners.Broadcast(event, [this](const TPlotEvent &e) {
        return CancelMouse && dynamic_cast<const TPlotMouseEvent *>(&e) != nullptr;
    });
    return event;
}

void TCustomPlotPanel::BroadcastMouseEvent(TPlotMouseEvent::EventKind kind, TMouseButton button, TShiftState shift,
                                           int x, int y)
{
    if (m_listeners.Count() == 0)
        return;
    TPlotMouseEvent event;
    event.Kind = kind;
    event.Button = button;
    event.Shift = shift;
    event.X = x;
    event.Y = y;
    BroadcastPlotEvent(event);
}

QPoint TCustomPlotPanel::GetCursorPos() const
{
    return mapFromGlobal(QCursor::pos());
}

void TCustomPlotPanel::Assign(const TCustomPlotPanel &source)
{
    if (&source == this)
        return;
    m_border->Assign(*source.m_border);
    SetBorderRound(source.m_borderRound);
    SetBufferedDisplay(source.BufferedDisplay());
    m_printMargins = source.m_printMargins;
    m_printProportional = source.m_printProportional;
    m_printResolution = source.m_printResolution;
    m_margins = source.m_margins;
    m_marginUnits = source.m_marginUnits;
    SetMonochrome(source.Monochrome());
    m_shadow->Assign(*source.m_shadow);
    m_view3D = source.m_view3D; // a plain store: no view event
    m_view3DOptions->Assign(*source.m_view3DOptions);
    m_color = source.m_color;
    Invalidate();
}

void TCustomPlotPanel::AssignTo(TPicture &picture)
{
    picture.SetGraphic(CreateDefaultBitmap());
}

void TCustomPlotPanel::defineProperties(PropertyFiler &filer)
{
    filer.DefineProperty(QStringLiteral("BorderStyle"), [this](const QVariant &value) {
        m_border->SetVisible(FilerValues::toIdent(value, QStringLiteral("BorderStyle")) == QLatin1String("bsSingle"));
    });
}

void TCustomPlotPanel::DrawToCanvas(GuiCanvas *canvas, const TRect &rect)
{
    auto *screen = dynamic_cast<TPlotCanvas3D *>(m_canvas.get());
    const bool buffered = BufferedDisplay();
    // The screen buffer survives the export: it still shows the chart afterwards.
    if (screen)
        screen->setKeepBufferWhenUnbuffering(true);
    SetBufferedDisplay(false);
    const auto restore = [&] {
        SetBufferedDisplay(buffered);
        if (screen)
            screen->setKeepBufferWhenUnbuffering(false);
    };
    try {
        Draw(canvas, rect);
    } catch (...) {
        restore();
        throw;
    }
    restore();
    Invalidate();
}

void TCustomPlotPanel::DrawToMetaCanvas(GuiCanvas *canvas, const TRect &rect)
{
    m_canvas->setMetafiling(true);
    try {
        DrawToCanvas(canvas, rect);
    } catch (...) {
        m_canvas->setMetafiling(false);
        throw;
    }
    m_canvas->setMetafiling(false);
}

std::unique_ptr<QPicture> TCustomPlotPanel::CreateMetafile(const TRect &rect)
{
    auto picture = std::make_unique<QPicture>();
    picture->setBoundingRect(QRect(0, 0, std::max(1, rect.width()), std::max(1, rect.height())));
    QPainter painter(picture.get());
    GuiCanvas canvas;
    canvas.attachPainter(&painter);
    DrawToMetaCanvas(&canvas, rect);
    canvas.endPaint();
    painter.end();
    return picture;
}

QImage TCustomPlotPanel::CreateBitmap(TColor backColor, const TRect &rect)
{
    QImage image(std::max(1, rect.width()), std::max(1, rect.height()), QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    // One fill: a fill sets the pixels, so white first and then another colour would only cost time.
    image.fill(PlotColor::ColorToRGB(backColor) != clWhite ? PlotColor::toQColor(backColor) : QColor(Qt::white));
    GuiCanvas canvas(&image);
    DrawToCanvas(&canvas, rect);
    canvas.endPaint();
    return image;
}

PrinterInfo &TCustomPlotPanel::Printer()
{
    if (m_printer)
        return *m_printer;
    if (!m_ownPrinter)
        m_ownPrinter = std::make_unique<PrinterDevice>();
    return *m_ownPrinter;
}

void TCustomPlotPanel::PrintPartial(const TRect &rect)
{
    QPaintDevice *device = Printer().PaintDevice();
    QPainter painter;
    if (!device || !painter.begin(device))
        return;
    GuiCanvas canvas;
    canvas.attachPainter(&painter);
    PrintPartialCanvas(&canvas, rect);
    canvas.endPaint();
    painter.end();
}

void TCustomPlotPanel::PrintPartialCanvas(GuiCanvas *canvas, const TRect &rect)
{
    QPainter *painter = canvas->dc().painter();
    if (!painter)
        return;
    const TRect target = PlotGeometry::OrientRect(rect);
    const TRect panel = GetRectangle();
    // The chart draws in panel units; the painter maps them onto the target on the page. Fonts
    // keep their 96-ppi panel sizes and scale with the mapping.
    const int targetWidth = std::max(1, target.width());
    const int targetHeight = std::max(1, target.height());
    const int panelWidth = std::max(1, panel.width() - mulDiv(panel.width(), m_printResolution, 100));
    const int panelHeight = std::max(1, panel.height() - mulDiv(panel.height(), m_printResolution, 100));
    TRect logical{mulDiv(target.left, panelWidth, targetWidth), mulDiv(target.top, panelHeight, targetHeight),
                  mulDiv(target.right, panelWidth, targetWidth), mulDiv(target.bottom, panelHeight, targetHeight)};
    painter->save();
    painter->setWindow(0, 0, panelWidth, panelHeight);
    painter->setViewport(0, 0, targetWidth, targetHeight);
    m_printing = true;
    try {
        const bool clip = CanClip();
        if (clip)
            canvas->dc().intersectClip(QRegion(logical.left, logical.top, logical.width(), logical.height()));
        if (OnBeforePrint)
            OnBeforePrint(*this, *canvas, logical);
        DrawToMetaCanvas(canvas, logical);
        if (clip)
            canvas->dc().unclip();
    } catch (...) {
        m_printing = false;
        painter->restore();
        throw;
    }
    m_printing = false;
    painter->restore();
}

std::array<int, 4> TCustomPlotPanel::CalcProportionalMargins()
{
    const TRect panel = GetRectangle();
    const double w = panel.width();
    const double h = panel.height();
    PrinterInfo &printer = Printer();
    double pageWidth = 0;
    double pageHeight = 0;
    double aspect = 1.0;
    if (printer.HasPrinter()) {
        pageWidth = printer.PageSize().width();
        pageHeight = printer.PageSize().height();
        const QSize dpi = printer.LogicalDpi();
        aspect = dpi.height() > 0 ? double(dpi.width()) / dpi.height() : 1.0;
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        pageWidth = screen->size().width();
        pageHeight = screen->size().height();
    }
    // The two 15 % margins along one side leave 70 % of it; the other side keeps the proportion.
    const auto margin = [aspect](double a, double b, double ratio) {
        if (b <= 0)
            return 15;
        return plotRound(100.0 * (b - (a - 0.3 * a) * ratio * aspect) / b) / 2;
    };
    if (w > h) {
        const int m = h > 0 && w > 0 ? margin(pageWidth, pageHeight, h / w) : 15;
        return {15, m, 15, m};
    }
    const int m = h > 0 ? margin(pageHeight, pageWidth, w / h) : 15;
    return {m, 15, m, 15};
}

TRect TCustomPlotPanel::ChartPrintRect()
{
    if (m_printProportional)
        m_printMargins = CalcProportionalMargins();
    PrinterInfo &printer = Printer();
    const double lx = std::max(1, printer.LogicalDpi().width());
    const double ly = std::max(1, printer.LogicalDpi().height());
    const double pw = printer.PageSize().width();
    const double ph = printer.PageSize().height();
    return {plotRound(lx * m_printMargins[mLeft] * (pw * 0.01 / lx)),
            plotRound(ly * m_printMargins[mTop] * (ph * 0.01 / ly)),
            int(pw) - plotRound(lx * m_printMargins[mRight] * (pw * 0.01 / lx)),
            int(ph) - plotRound(ly * m_printMargins[mBottom] * (ph * 0.01 / ly))};
}

void TCustomPlotPanel::abandonPass()
{
    if (auto *screen = dynamic_cast<TPlotCanvas3D *>(m_canvas.get()))
        screen->AbortPass(m_paintCanvas.get());
    else
        m_canvas->Invalidate();
}

void TCustomPlotPanel::runGuarded(const std::function<void()> &work)
{
    try {
        work();
        return;
    } catch (const std::exception &e) {
        abandonPass();
        if (!std::exchange(m_failureReported, true))
            ReportAfterEvent(QString::fromUtf8(e.what()));
    } catch (...) {
        abandonPass();
        if (!std::exchange(m_failureReported, true))
            ReportAfterEvent(QStringLiteral("Chart: unknown failure"));
    }
}

void TCustomPlotPanel::paintEvent(QPaintEvent *)
{
    if (m_printing)
        return;
    QPainter painter(this);
    m_paintCanvas->attachPainter(&painter);
    runGuarded([this] {
        auto *screen = dynamic_cast<TPlotCanvas3D *>(m_canvas.get());
        if (screen)
            screen->SetCanvas(m_paintCanvas.get()); // the copy goes to the widget, whatever was attached
        if (!screen || !screen->RepaintFromBuffer())
            Draw(m_paintCanvas.get(), GetRectangle());
        m_failureReported = false; // a pass went through: the next failure is news again
    });
    m_paintCanvas->endPaint();
}

void TCustomPlotPanel::resizeEvent(QResizeEvent *event)
{
    // The buffer holds the picture at the old size: the paint that follows draws a whole pass.
    m_canvas->Invalidate();
    applyBorderRound();
    QWidget::resizeEvent(event);
}

void TCustomPlotPanel::mousePressEvent(QMouseEvent *event)
{
    CancelMouse = false;
    QWidget::mousePressEvent(event);
    runGuarded([&] {
        BroadcastMouseEvent(TPlotMouseEvent::meDown, mouseButton(event->button()), shiftState(*event),
                            event->position().toPoint().x(), event->position().toPoint().y());
    });
}

void TCustomPlotPanel::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    // A tool that took the last move keeps CancelMouse set; left so, it would keep the release from
    // every tool, and the one dragging would never end its drag.
    CancelMouse = false;
    runGuarded([&] {
        BroadcastMouseEvent(TPlotMouseEvent::meUp, mouseButton(event->button()), shiftState(*event),
                            event->position().toPoint().x(), event->position().toPoint().y());
    });
}

void TCustomPlotPanel::mouseMoveEvent(QMouseEvent *event)
{
    CancelMouse = false;
    QWidget::mouseMoveEvent(event);
    runGuarded([&] {
        BroadcastMouseEvent(TPlotMouseEvent::meMove, mbLeft, shiftState(*event), event->position().toPoint().x(),
                            event->position().toPoint().y());
    });
}

void TCustomPlotPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    CancelMouse = false;
    runGuarded([this] { Q_EMIT OnDblClick(); });
    // A handler that set CancelMouse ends the click here: no press follows.
    if (!CancelMouse)
        QWidget::mouseDoubleClickEvent(event);
}

void TCustomPlotPanel::SetCursor(int value)
{
    m_cursor = value;
    m_rememberedCursor = PlotProcs::PlotCursor(value);
    setCursor(m_rememberedCursor);
}

void TCustomPlotPanel::leaveEvent(QEvent *event)
{
    RestoreCursor();
    m_panning->Active = false;
    QWidget::leaveEvent(event);
}

void TCustomPlotPanel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        Invalidate();
}

void TCustomPlotPanel::applyBorderRound()
{
    if (m_applyingRound || !parentWidget())
        return;
    m_applyingRound = true;
    if (m_borderRound < 1) {
        clearMask();
    } else {
        QPainterPath path;
        path.addRoundedRect(QRectF(0, 0, width(), height()), m_borderRound, m_borderRound);
        setMask(QRegion(path.toFillPolygon().toPolygon()));
    }
    m_applyingRound = false;
}
