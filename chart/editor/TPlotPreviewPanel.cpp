// The print preview's sheet: paper, charts, margin lines, dragging and printing.
#include "TPlotPreviewPanel.h"

#include "GuiCanvas.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "PlotGeometry.h"
#include "PlotImaging.h"
#include "PlotProcs.h"
#include "PlotRound.h"
#include "PrintJob.h"
#include "ServicePrinterInfo.h"
#include "TCanvas3D.h"
#include "TPlotCanvas3D.h"
#include "platform/BusyCursor.h"
#include "platform/PrinterService.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QScopeGuard>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kDefaultMargin = 15; // percent, for a sheet without a panel
constexpr int kGrip = 5; // pixels within which a margin line is caught

// The panel is drawn as it prints while the guard lives.
class PrintingFlag
{
public:
    explicit PrintingFlag(TCustomPlotPanel &panel)
        : m_panel(panel)
    {
        m_panel.SetPrinting(true);
    }
    ~PrintingFlag() { m_panel.SetPrinting(false); }
    PrintingFlag(const PrintingFlag &) = delete;
    PrintingFlag &operator=(const PrintingFlag &) = delete;

private:
    TCustomPlotPanel &m_panel;
};

} // namespace

TPlotPreviewPanel::TPlotPreviewPanel(QWidget *parent)
    : TCustomPlotPanelExtended(parent)
    , m_margins(std::make_unique<TPreviewChartPen>(this))
    , m_paperShadow(std::make_unique<TPlotShadow>(this))
    , m_resample(PlotImaging::ResampleBitmap)
{
    m_paperShadow->setDefaults(clGray, 4);
    connect(m_margins.get(), &TPen::changed, this, &TPlotPreviewPanel::PropertyChanged);
    connect(m_paperShadow.get(), &TPlotShadow::changed, this, &TPlotPreviewPanel::PropertyChanged);
    // The cursor follows the margin lines before any button is pressed.
    setMouseTracking(true);
    resize(432, 312);
}

TPlotPreviewPanel::~TPlotPreviewPanel() = default;

void TPlotPreviewPanel::SetMargins(const TPreviewChartPen *value)
{
    if (value)
        m_margins->Assign(*value);
}

void TPlotPreviewPanel::SetPaperShadow(const TPlotShadow *value)
{
    if (value)
        m_paperShadow->Assign(*value);
}

TCustomPlotPanel *TPlotPreviewPanel::Panel() const
{
    return m_panels.isEmpty() ? nullptr : m_panels.first().get();
}

void TPlotPreviewPanel::SetPanel(TCustomPlotPanel *value)
{
    if (value == Panel() || value == this)
        return;
    if (!m_panels.isEmpty()) {
        if (TCustomPlotPanel *old = m_panels.takeFirst().get())
            disconnect(old, &QObject::destroyed, this, nullptr);
    }
    if (value && !Panels().contains(value)) {
        m_panels.append(ShownPanel{value, value});
        value->SetPrinterInfo(&servicePrinterInfo());
        connect(value, &QObject::destroyed, this, &TPlotPreviewPanel::removePanel);
    }
    if (TCustomPlotPanel *panel = Panel())
        m_asBitmap = panel->Canvas()->ReservedQuery();
    Invalidate();
}

void TPlotPreviewPanel::removePanel(QObject *panel)
{
    m_panels.removeIf([panel](const ShownPanel &p) { return p.guard.isNull() || p.guard.data() == panel; });
    Invalidate();
}

QList<TCustomPlotPanel *> TPlotPreviewPanel::Panels() const
{
    QList<TCustomPlotPanel *> panels;
    for (const ShownPanel &shown : m_panels)
        if (TCustomPlotPanel *panel = shown.get())
            panels.append(panel);
    return panels;
}

void TPlotPreviewPanel::applyOrientation(PrinterService &printer) const
{
    if (!printer.hasPrinter())
        return;
    if (m_orientation == ppoPortrait)
        printer.setOrientation(QPageLayout::Portrait);
    else if (m_orientation == ppoLandscape)
        printer.setOrientation(QPageLayout::Landscape);
}

TRect TPlotPreviewPanel::calcPaperRect(PrinterService &printer) const
{
    applyOrientation(printer);
    const QSize paper = printer.hasPrinter() ? printer.pageSize() : printer.screenSize();
    const int pw = paper.width();
    const int ph = paper.height();
    const int w = width();
    const int h = height();
    TRect r;
    if (std::int64_t(w) * ph <= std::int64_t(h) * pw) {
        const int sheetWidth = w - plotRound(w / 5.0);
        r.left = plotRound(w / 10.0);
        r.right = r.left + sheetWidth;
        const int sheetHeight = pw < 1 ? h : mulDiv(sheetWidth, ph, pw);
        r.top = (h - sheetHeight) / 2;
        r.bottom = r.top + sheetHeight;
    } else {
        const int sheetHeight = h - plotRound(h / 5.0);
        r.top = plotRound(h / 10.0);
        r.bottom = r.top + sheetHeight;
        const int sheetWidth = ph < 1 ? w : mulDiv(sheetHeight, pw, ph);
        r.left = (w - sheetWidth) / 2;
        r.right = r.left + sheetWidth;
    }
    if (OnGetPaperRect)
        OnGetPaperRect(r);
    return r;
}

TRect TPlotPreviewPanel::calcChartRect(TCustomPlotPanel *panel, bool hasPrinter) const
{
    std::array<int, 4> m{kDefaultMargin, kDefaultMargin, kDefaultMargin, kDefaultMargin};
    if (panel) {
        if (panel->PrintProportional() && hasPrinter)
            panel->SetPrintMargins(panel->CalcProportionalMargins());
        m = panel->PrintMargins();
    }
    const TRect &p = m_paperRect;
    const int w = p.width();
    const int h = p.height();
    return {p.left + mulDiv(m[TCustomPlotPanel::mLeft], w, 100), p.top + mulDiv(m[TCustomPlotPanel::mTop], h, 100),
            p.right - mulDiv(m[TCustomPlotPanel::mRight], w, 100),
            p.bottom - mulDiv(m[TCustomPlotPanel::mBottom], h, 100)};
}

TRect TPlotPreviewPanel::renderRect(const TCustomPlotPanel &panel)
{
    const TRect own = panel.GetRectangle();
    const int r = panel.PrintResolution();
    return {0, 0, own.width() - mulDiv(own.width(), r, 100), own.height() - mulDiv(own.height(), r, 100)};
}

QImage TPlotPreviewPanel::renderBitmap(TCustomPlotPanel &panel) const
{
    const PrintingFlag printing(panel);
    return panel.CreateBitmap(m_paperColor, renderRect(panel));
}

void TPlotPreviewPanel::DrawChartContents(const TRect &bounds)
{
    TCustomPlotPanelExtended::DrawChartContents(bounds);
    PrinterService &printer = PrinterService::instance();
    const bool hasPrinter = printer.hasPrinter();
    TCanvas3D &canvas = *Canvas();
    canvas.ResetState();
    canvas.Begin2D();
    m_paperRect = calcPaperRect(printer);
    TPen *pen = canvas.Pen();
    pen->SetStyle(psSolid);
    pen->SetColor(clBlack);
    pen->SetWidth(1);
    pen->SetMode(pmCopy);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(m_paperColor);
    canvas.RectangleRect(m_paperRect);
    m_paperShadow->Draw(canvas, m_paperRect);
    m_chartRect = calcChartRect(Panel(), hasPrinter);
    for (TCustomPlotPanel *panel : Panels())
        drawPanel(canvas, *panel, panel == Panel() ? m_chartRect : calcChartRect(panel, hasPrinter));
    drawMarginLines(canvas);
    canvas.ResetState();
    canvas.End2D();
    DoAfterDraw();
}

void TPlotPreviewPanel::drawPanel(TCanvas3D &canvas, TCustomPlotPanel &panel, const TRect &rect) const
{
    const PrintingFlag printing(panel);
    canvas.ClipRectangle(panel.CanClip() ? rect : m_paperRect);
    const auto unclip = qScopeGuard([&canvas] { canvas.UnClipRectangle(); });
    if (!m_showImage || rect.width() < 1 || rect.height() < 1)
        return;
    if (m_asBitmap) {
        const QImage image = panel.CreateBitmap(m_paperColor, renderRect(panel));
        if (m_smoothBitmap && image.width() > 1 && image.height() > 1 && rect.width() > 1 && rect.height() > 1) {
            QImage smooth(rect.width(), rect.height(), image.format());
            m_resample(image, smooth, false);
            canvas.Draw(rect.left, rect.top, &smooth);
        } else {
            canvas.StretchDraw(rect, &image);
        }
        return;
    }
    const TRect size = renderRect(panel);
    const std::unique_ptr<QPicture> picture = panel.CreateMetafile(size);
    QPainter *painter = canvas.GetHandle();
    if (!painter)
        return;
    // The recording is replayed scaled from its render size into the chart's rectangle. It holds
    // only the state its drawing changed, so it replays from a fresh painter's pen, brush, background
    // and mode: the sheet's last brush would otherwise fill every shape the chart drew unfilled.
    painter->save();
    painter->setPen(QPen());
    painter->setBrush(Qt::NoBrush);
    painter->setBackground(Qt::white);
    painter->setBackgroundMode(Qt::TransparentMode);
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->setOpacity(1.0);
    painter->translate(rect.left, rect.top);
    painter->scale(double(rect.width()) / std::max(1, size.width()), double(rect.height()) / std::max(1, size.height()));
    painter->drawPicture(0, 0, *picture);
    painter->restore();
}

void TPlotPreviewPanel::drawMarginLines(TCanvas3D &canvas) const
{
    if (!m_margins->Visible())
        return;
    canvas.AssignVisiblePen(*m_margins);
    canvas.Pen()->SetMode(pmNotXor);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Brush()->SetColor(m_paperColor);
    canvas.SetBackMode(cbmTransparent);
    const TRect &p = m_paperRect;
    const TRect &c = m_chartRect;
    for (const int x : {c.left - 1, c.right}) {
        canvas.MoveTo(x, p.top + 1);
        canvas.LineTo(x, p.bottom);
    }
    for (const int y : {c.top - 1, c.bottom}) {
        canvas.MoveTo(p.left + 1, y);
        canvas.LineTo(p.right, y);
    }
    canvas.SetBackMode(cbmOpaque);
    canvas.Pen()->SetMode(pmCopy);
}

void TPlotPreviewPanel::toggleMarginLines()
{
    auto *screen = dynamic_cast<TPlotCanvas3D *>(Canvas());
    if (!screen)
        return;
    const CanvasOverlay overlay(*screen);
    if (!overlay.isOpen())
        return;
    screen->Begin2D();
    drawMarginLines(*screen);
    screen->End2D();
    update();
}

int TPlotPreviewPanel::HitTest(int x, int y) const
{
    const TRect &c = m_chartRect;
    const bool l = std::abs(x - c.left) < kGrip;
    const bool r = std::abs(x - c.right) < kGrip;
    const bool t = std::abs(y - c.top) < kGrip;
    const bool b = std::abs(y - c.bottom) < kGrip;
    int kind = dkNone;
    if (l && t)
        kind = dkTopLeft;
    else if (l && b)
        kind = dkBottomLeft;
    else if (r && t)
        kind = dkTopRight;
    else if (r && b)
        kind = dkBottomRight;
    else if (l)
        kind = dkLeft;
    else if (r)
        kind = dkRight;
    else if (t)
        kind = dkTop;
    else if (b)
        kind = dkBottom;
    else
        return PlotGeometry::PointInRectXY(c, x, y) && m_allowMove ? dkMove : dkNone;
    return m_allowResize ? kind : dkNone;
}

QCursor TPlotPreviewPanel::DragCursor(int kind)
{
    switch (kind) {
    case dkTopLeft:
    case dkBottomRight:
        return PlotProcs::PlotCursor(-8); // size NW-SE
    case dkTopRight:
    case dkBottomLeft:
        return PlotProcs::PlotCursor(-6); // size NE-SW
    case dkLeft:
    case dkRight:
        return PlotProcs::PlotCursor(-14); // horizontal split
    case dkTop:
    case dkBottom:
        return PlotProcs::PlotCursor(-15); // vertical split
    case dkMove:
        return PlotProcs::PlotCursor(PlotProcs::crPlotHand);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

void TPlotPreviewPanel::mousePressEvent(QMouseEvent *event)
{
    TCustomPlotPanelExtended::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    m_dragKind = HitTest(p.x(), p.y());
    if (m_dragKind == dkMove) {
        m_dragStart = p;
        m_dragStartRect = m_chartRect;
    }
}

void TPlotPreviewPanel::mouseMoveEvent(QMouseEvent *event)
{
    TCustomPlotPanelExtended::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    runGuarded([&] { dragTo(p.x(), p.y()); });
}

void TPlotPreviewPanel::mouseReleaseEvent(QMouseEvent *event)
{
    CancelMouse = false;
    TCustomPlotPanelExtended::mouseReleaseEvent(event);
    if (std::exchange(m_dragKind, int(dkNone)) != dkNone && !m_dragImage)
        Invalidate(); // the chart jumps to its new place
}

void TPlotPreviewPanel::dragTo(int x, int y)
{
    const TRect &p = m_paperRect;
    if (!PlotGeometry::PointInRectXY(p, x, y))
        return;
    if (m_dragKind == dkNone) {
        setCursor(DragCursor(HitTest(x, y)));
        return;
    }
    if (!m_dragImage)
        toggleMarginLines();
    TRect c = m_chartRect;
    if (m_dragKind == dkMove) {
        // The chart stops at the sheet's edges and keeps its size.
        const TRect &s = m_dragStartRect;
        const int w = s.width();
        const int h = s.height();
        const int left = std::max(p.left, std::min(x - m_dragStart.x() + s.left, p.right - w));
        const int top = std::max(p.top, std::min(y - m_dragStart.y() + s.top, p.bottom - h));
        const TRect moved{left, top, left + w, top + h};
        if (PlotGeometry::PointInRectXY(p, moved.left, moved.top) &&
            PlotGeometry::PointInRectXY(p, moved.right, moved.bottom))
            c = moved;
    } else {
        // An edge moves only between the sheet's edge and the opposite line; a corner moves
        // when both of its edges may.
        const int k = m_dragKind;
        const bool movesLeft = k == dkLeft || k == dkTopLeft || k == dkBottomLeft;
        const bool movesTop = k == dkTop || k == dkTopLeft || k == dkTopRight;
        const bool movesRight = k == dkRight || k == dkTopRight || k == dkBottomRight;
        const bool movesBottom = k == dkBottom || k == dkBottomLeft || k == dkBottomRight;
        const bool allowed = (!movesLeft || (p.left <= x && x < c.right)) && (!movesTop || (p.top <= y && y < c.bottom)) &&
                             (!movesRight || (c.left < x && x <= p.right)) &&
                             (!movesBottom || (c.top < y && y <= p.bottom));
        if (allowed) {
            if (movesLeft)
                c.left = x;
            if (movesTop)
                c.top = y;
            if (movesRight)
                c.right = x;
            if (movesBottom)
                c.bottom = y;
        }
    }
    m_chartRect = c;
    if (TCustomPlotPanel *panel = Panel()) {
        const int w = p.width();
        const int h = p.height();
        const std::array<int, 4> margins{mulDiv(c.left - p.left, 100, w), mulDiv(c.top - p.top, 100, h),
                                         mulDiv(p.right - c.right, 100, w), mulDiv(p.bottom - c.bottom, 100, h)};
        panel->SetPrintProportional(false);
        panel->SetPrintMargins(margins);
        Q_EMIT OnChangeMargins(true, margins);
    }
    if (m_dragImage)
        Invalidate();
    else
        toggleMarginLines();
}

void TPlotPreviewPanel::Print()
{
    const QList<TCustomPlotPanel *> panels = Panels();
    if (panels.isEmpty())
        return;
    const BusyCursor busy;
    PrinterService &printer = PrinterService::instance();
    applyOrientation(printer);
    QString title = m_title;
    if (title.isEmpty())
        title = Panel()->objectName();
    RunPrintJob(printer, title, [&](GuiCanvas &canvas) {
        for (TCustomPlotPanel *panel : panels) {
            panel->SetPrinterInfo(&servicePrinterInfo());
            const TRect r = panel->ChartPrintRect();
            if (m_asBitmap)
                printer.jobPainter()->drawImage(QRect(r.left, r.top, r.width(), r.height()), renderBitmap(*panel));
            else
                panel->PrintPartialCanvas(&canvas, r);
        }
        DoAfterDraw();
    });
}
