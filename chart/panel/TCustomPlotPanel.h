// The window every chart is drawn in: its canvas, margins, border and bevels, the paint cycle
// through the canvas's buffer, printing onto a rectangle of a page, picture export, and the
// broadcast of mouse and view events to listeners (the chart tools).
#pragma once

#include "PlotPanelHost.h"
#include "PlotTypes.h"
#include "PropertyFiler.h"
#include "TChartPen.h"
#include "TPlotEventListeners.h"
#include "TPlotShadow.h"
#include "TView3DOptions.h"

#include <QCursor>
#include <QImage>
#include <QWidget>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>

class GuiCanvas;
class PrinterInfo;
class QPicture;
class TCanvas3D;
class TChartBrush;
class TPicture;
class TZoomPanning;

class TCustomPlotPanel : public QWidget, public PlotPanelHost, public PropertyDefiner
{
    Q_OBJECT
    Q_PROPERTY(PlotEnums::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(PlotEnums::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TChartHiddenPen *Border READ Border WRITE SetBorder)
    Q_PROPERTY(int BorderRound READ BorderRound WRITE SetBorderRound)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(int MarginBottom READ MarginBottom WRITE SetMarginBottom)
    Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
    Q_PROPERTY(int MarginRight READ MarginRight WRITE SetMarginRight)
    Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
    Q_PROPERTY(PlotEnums::TPlotUnits MarginUnits READ MarginUnits WRITE SetMarginUnits)
    Q_PROPERTY(bool Monochrome READ Monochrome WRITE SetMonochrome)
    Q_PROPERTY(bool PrintProportional READ PrintProportional WRITE SetPrintProportional)
    Q_PROPERTY(TPlotShadow *Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(bool View3D READ View3D WRITE SetView3D)
    Q_PROPERTY(TView3DOptions *View3DOptions READ View3DOptions WRITE SetView3DOptions)
public:
    enum MarginSide { mLeft, mTop, mRight, mBottom };
    // May change the rectangle the chart is printed into.
    using BeforePrintHandler = std::function<void(TCustomPlotPanel &panel, GuiCanvas &canvas, TRect &rect)>;

    explicit TCustomPlotPanel(QWidget *parent = nullptr);
    ~TCustomPlotPanel() override;

    // Switches of the whole library. Printing draws the panel background and bevels only with
    // PrintBackground (the print preview sets it for a print); clipping while printing or
    // drawing a metafile can be switched off.
    static inline bool PrintBackground = false;
    static inline bool ClipWhenPrinting = true;
    static inline bool ClipWhenMetafiling = true;

    // PlotPanelHost
    TCanvas3D *Canvas() const override { return m_canvas.get(); }
    // When AutoRepaint: the buffer becomes stale and the widget repaints.
    void Invalidate() override;

    // Installs another canvas (an export canvas): it takes the old one's settings and replaces it.
    void SetCanvas(std::unique_ptr<TCanvas3D> canvas);
    // The same, handing the replaced canvas back (with its buffer) so that it can be put back later;
    // none when canvas is none (nothing changes then).
    std::unique_ptr<TCanvas3D> ReplaceCanvas(std::unique_ptr<TCanvas3D> canvas);
    // The panel's own platform canvas: attached to the widget's painter while it paints.
    GuiCanvas *PaintCanvas() const { return m_paintCanvas.get(); }

    virtual TColor GetBackColor() const { return paintColor(); }
    // Draws the chart on the canvas over the rectangle: the whole pass.
    virtual void Draw(GuiCanvas *userCanvas, const TRect &userRect);
    // The panel's rectangle: (0, 0, width, height).
    virtual TRect GetRectangle() const;
    // The change method the owned attribute objects call.
    virtual void PropertyChanged() { Invalidate(); }

    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut value) { setPanelProperty(m_bevelInner, value); }
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut value) { setPanelProperty(m_bevelOuter, value); }
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int value) { setPanelProperty(m_bevelWidth, std::max(value, 1)); }
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int value) { setPanelProperty(m_borderWidth, std::max(value, 0)); }
    TColor Color() const { return m_color; }
    // The colour the panel is painted in: the default colour is the button face, as for a window.
    TColor paintColor() const { return m_color == clDefault ? clBtnFace : m_color; }
    void SetColor(TColor value) { setPanelProperty(m_color, value); }
    TChartHiddenPen *Border() const { return m_border.get(); }
    // The chart's own mouse cursor by number (0 the default, PlotProcs::PlotCursor's numbers): the
    // number is what files keep; the shape is put back whenever a tool or a drag changed it.
    int Cursor() const { return m_cursor; }
    void SetCursor(int value);
    Q_INVOKABLE bool IsCursorStored() const { return m_cursor != 0; }
    // Puts the chart's own cursor back after a tool, a series or a drag showed another.
    void RestoreCursor() { setCursor(m_rememberedCursor); }
    void SetBorder(const TChartHiddenPen *value);
    // Corner radius of a rounded window; 0 is square.
    int BorderRound() const { return m_borderRound; }
    void SetBorderRound(int value);
    int Margin(MarginSide side) const { return m_margins[side]; }
    void SetMargin(MarginSide side, int value) { setPanelProperty(m_margins[side], value); }
    int MarginLeft() const { return m_margins[mLeft]; }
    void SetMarginLeft(int value) { SetMargin(mLeft, value); }
    int MarginTop() const { return m_margins[mTop]; }
    void SetMarginTop(int value) { SetMargin(mTop, value); }
    int MarginRight() const { return m_margins[mRight]; }
    void SetMarginRight(int value) { SetMargin(mRight, value); }
    int MarginBottom() const { return m_margins[mBottom]; }
    void SetMarginBottom(int value) { SetMargin(mBottom, value); }
    TPlotUnits MarginUnits() const { return m_marginUnits; }
    void SetMarginUnits(TPlotUnits value) { setPanelProperty(m_marginUnits, value); }
    bool Monochrome() const;
    void SetMonochrome(bool value);
    bool BufferedDisplay() const;
    void SetBufferedDisplay(bool value);
    bool PrintProportional() const { return m_printProportional; }
    void SetPrintProportional(bool value) { m_printProportional = value; }
    // Page margins in percent of the page: Left, Top, Right, Bottom.
    const std::array<int, 4> &PrintMargins() const { return m_printMargins; }
    void SetPrintMargins(const std::array<int, 4> &value) { m_printMargins = value; }
    // The page extent is reduced by this percent of itself when printing (0 at creation).
    int PrintResolution() const { return m_printResolution; }
    void SetPrintResolution(int value) { m_printResolution = value; }
    TPlotShadow *Shadow() const { return m_shadow.get(); }
    void SetShadow(const TPlotShadow *value);
    bool View3D() const { return m_view3D; }
    // Also tells the listeners (a TPlotView3DEvent).
    void SetView3D(bool value);
    TView3DOptions *View3DOptions() const { return m_view3DOptions.get(); }
    void SetView3DOptions(const TView3DOptions *value);

    // When false, Invalidate does nothing (property changes do not repaint).
    bool AutoRepaint = true;
    // Whether the axis panel gives every series its own depth.
    bool DepthPerSeries = true;
    // Set by a listener to stop a mouse event from reaching the listeners after it.
    bool CancelMouse = false;
    // When set, ChartRect stays as the user set it.
    bool CustomChartRect = false;
    // The area the chart is drawn in (set by each Draw) and the plotting area inside the margins.
    TRect ChartBounds;
    TRect ChartRect;
    int ChartWidth = 0;
    int ChartHeight = 0;
    int ChartXCenter = 0;
    int ChartYCenter = 0;
    // The depth of the chart and of one series in pixels, written by the axis panel.
    int Width3D = 0;
    int Height3D = 0;
    BeforePrintHandler OnBeforePrint;

    bool Printing() const { return m_printing; }
    // A print preview sets the flag while it renders the panel onto its sheet: the panel then
    // draws as it prints (background by PrintBackground, clipping by ClipWhenPrinting).
    void SetPrinting(bool value) { m_printing = value; }
    TZoomPanning *Panning() const { return m_panning.get(); }
    // Widths of the border, both bevels and the border pen: what the margins start from.
    int FrameWidth() const;
    // The chart rectangle from the bounds, the frame and the margins, then its dimensions. Frame
    // and margins take at most half of the bounds each way, the margins giving way first: the
    // titles, legend, axis texts and the plot keep the other half.
    void CalcChartRect();
    // The least extent the plot and its axes keep of bounds of that extent, whatever the distances
    // (legend margin, title gaps) ask for.
    static int MinPlotExtent(int boundsExtent);
    void CalcChartDimensions();
    // Draws brush in black (or white on black) where a pattern would vanish in the back colour.
    void SetBrushCanvas(TColor color, TChartBrush &brush, TColor backColor);
    // Whether the chart may clip now: on screen; when printing or drawing a metafile by the switches.
    bool CanClip() const;

    TPlotEventListeners &Listeners() { return m_listeners; }
    void RemoveListener(TPlotEventListener *listener) { m_listeners.Remove(listener); }
    // Sends the event to the listeners in order; a mouse event stops after the listener that set CancelMouse.
    TPlotEvent &BroadcastPlotEvent(TPlotEvent &event);
    void BroadcastMouseEvent(TPlotMouseEvent::EventKind kind, TMouseButton button, TShiftState shift, int x, int y);
    QPoint GetCursorPos() const;
    // Qt's button and the keys and buttons held, as the chart's mouse events carry them.
    static TMouseButton mouseButton(Qt::MouseButton button);
    static TShiftState shiftState(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons);
    static TShiftState shiftState(const QMouseEvent &event);

    // Copies the panel settings of another panel.
    virtual void Assign(const TCustomPlotPanel &source);
    // A bitmap of the chart for a picture.
    void AssignTo(TPicture &picture);
    // The legacy "BorderStyle": "bsSingle" shows the border.
    void defineProperties(PropertyFiler &filer) override;

    // Export: draws without the screen buffer, into a metafile (no blending, copy-mode pens), into
    // a new white bitmap of the rectangle's size.
    void DrawToCanvas(GuiCanvas *canvas, const TRect &rect);
    void DrawToMetaCanvas(GuiCanvas *canvas, const TRect &rect);
    std::unique_ptr<QPicture> CreateMetafile(const TRect &rect);
    QImage CreateBitmap(TColor backColor, const TRect &rect);
    QImage CreateDefaultBitmap() { return CreateBitmap(paintColor(), GetRectangle()); }

    // Printing. The printer is the one set (not owned) or a default QPrinter of the panel's own.
    void SetPrinterInfo(PrinterInfo *printer) { m_printer = printer; }
    PrinterInfo &Printer();
    // Prints the chart into the rectangle of one new page of the printer.
    void PrintPartial(const TRect &rect);
    // Prints into the rectangle (device pixels) of a canvas that paints on a page.
    void PrintPartialCanvas(GuiCanvas *canvas, const TRect &rect);
    // The page rectangle for a full-page print, from the print margins.
    TRect ChartPrintRect();
    // Print margins that keep the chart's width to height on the page.
    std::array<int, 4> CalcProportionalMargins();

Q_SIGNALS:
    void OnDblClick();

protected:
    // The chart's contents in the bounds; nothing here.
    virtual void DrawChartContents(const TRect &bounds) { Q_UNUSED(bounds); }
    // Border pen, outer bevel, border frame and inner bevel; rect shrinks to the inside.
    virtual void DrawPanelBevels(TRect &rect);

public:
    // Runs an event handler's work so that no exception leaves it: the pass is abandoned and the
    // failure reported after the event (a message box must not open inside a paint), once until a
    // pass succeeds or the chart changes, so a chart that keeps failing does not pile up boxes.
    // Public for the tools' timers, whose slots are event handlers too.
    void runGuarded(const std::function<void()> &work);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

    // Compares, stores and invalidates: the property setters' rule.
    template <class T>
    void setPanelProperty(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }

private:
    void applyBorderRound();
    void abandonPass();

    std::unique_ptr<GuiCanvas> m_paintCanvas;
    std::unique_ptr<TCanvas3D> m_canvas;
    // Children of the panel.
    std::unique_ptr<TChartHiddenPen> m_border;
    std::unique_ptr<TPlotShadow> m_shadow;
    std::unique_ptr<TView3DOptions> m_view3DOptions;
    std::unique_ptr<TZoomPanning> m_panning;
    std::unique_ptr<PrinterInfo> m_ownPrinter;
    PrinterInfo *m_printer = nullptr;
    TPlotEventListeners m_listeners;
    TBevelCut m_bevelInner = bvNone;
    TBevelCut m_bevelOuter = bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TColor m_color = clBtnFace;
    int m_borderRound = 0;
    std::array<int, 4> m_margins{3, 4, 3, 4};
    TPlotUnits m_marginUnits = muPercent;
    bool m_printProportional = true;
    std::array<int, 4> m_printMargins{15, 15, 15, 15};
    int m_printResolution = 0;
    bool m_view3D = true;
    bool m_printing = false;
    bool m_destroying = false;
    bool m_applyingRound = false;
    bool m_failureReported = false;
    int m_cursor = 0;
    QCursor m_rememberedCursor;
};
