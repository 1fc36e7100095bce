// The print preview's sheet: chart panels laid on a sheet of paper as they will print, their
// margins and position dragged with the mouse, and the print of the sheet.
#pragma once

#include "TCustomPlotPanelExtended.h"
#include "TPreviewChartPen.h"

#include <QList>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class GuiCanvas;
class PrinterService;
class QImage;

class TPlotPreviewPanel : public TCustomPlotPanelExtended
{
    Q_OBJECT
    Q_PROPERTY(bool AllowMove READ AllowMove WRITE SetAllowMove)
    Q_PROPERTY(bool AllowResize READ AllowResize WRITE SetAllowResize)
    Q_PROPERTY(bool AsBitmap READ AsBitmap WRITE SetAsBitmap)
    Q_PROPERTY(bool DragImage READ DragImage WRITE SetDragImage)
    Q_PROPERTY(TPreviewChartPen *Margins READ Margins WRITE SetMargins)
    Q_PROPERTY(TPlotPreviewPanelOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(TCustomPlotPanel *Panel READ Panel WRITE SetPanel)
    Q_PROPERTY(TColor PaperColor READ PaperColor WRITE SetPaperColor)
    Q_PROPERTY(TPlotShadow *PaperShadow READ PaperShadow WRITE SetPaperShadow)
    Q_PROPERTY(bool ShowImage READ ShowImage WRITE SetShowImage)
    Q_PROPERTY(bool SmoothBitmap READ SmoothBitmap WRITE SetSmoothBitmap)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
public:
    enum TPlotPreviewPanelOrientation { ppoDefault, ppoPortrait, ppoLandscape };
    Q_ENUM(TPlotPreviewPanelOrientation)

    // What a mouse drag at a point does: 0 nothing, 1-4 the left, top, right and bottom margin,
    // 5 moves the chart, 6-9 the top-left, top-right, bottom-left and bottom-right corner.
    enum DragKind : int {
        dkNone,
        dkLeft,
        dkTop,
        dkRight,
        dkBottom,
        dkMove,
        dkTopLeft,
        dkTopRight,
        dkBottomLeft,
        dkBottomRight,
    };

    using Resampler = void (*)(const QImage &source, QImage &target, bool fast);

    explicit TPlotPreviewPanel(QWidget *parent = nullptr);
    ~TPlotPreviewPanel() override;

    bool AllowMove() const { return m_allowMove; }
    void SetAllowMove(bool value) { m_allowMove = value; }
    bool AllowResize() const { return m_allowResize; }
    void SetAllowResize(bool value) { m_allowResize = value; }
    bool AsBitmap() const { return m_asBitmap; }
    void SetAsBitmap(bool value) { setPanelProperty(m_asBitmap, value); }
    bool DragImage() const { return m_dragImage; }
    void SetDragImage(bool value) { m_dragImage = value; }
    TPreviewChartPen *Margins() const { return m_margins.get(); }
    void SetMargins(const TPreviewChartPen *value);
    TPlotPreviewPanelOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TPlotPreviewPanelOrientation value) { setPanelProperty(m_orientation, value); }
    // The first panel of the sheet; none when the sheet is empty.
    TCustomPlotPanel *Panel() const;
    // Replaces the first panel; the panel then prints through the program's printer service.
    void SetPanel(TCustomPlotPanel *value);
    TColor PaperColor() const { return m_paperColor; }
    void SetPaperColor(TColor value) { setPanelProperty(m_paperColor, value); }
    TPlotShadow *PaperShadow() const { return m_paperShadow.get(); }
    void SetPaperShadow(const TPlotShadow *value);
    bool ShowImage() const { return m_showImage; }
    void SetShowImage(bool value) { setPanelProperty(m_showImage, value); }
    bool SmoothBitmap() const { return m_smoothBitmap; }
    void SetSmoothBitmap(bool value) { setPanelProperty(m_smoothBitmap, value); }
    QString Title() const { return m_title; }
    void SetTitle(const QString &value) { m_title = value; }

    // The panels drawn on the sheet, in order.
    QList<TCustomPlotPanel *> Panels() const;
    // The sheet and the first panel's chart on it, as the last paint or drag left them.
    TRect PaperRect() const { return m_paperRect; }
    TRect SheetChartRect() const { return m_chartRect; }
    // The drag kind at a point against the chart on the sheet.
    int HitTest(int x, int y) const;
    static QCursor DragCursor(int kind);

    // Prints every panel on one page of the printer service's printer. A job that cannot start
    // or finish raises PlotException naming the printer or file; a failure while the page is
    // drawn aborts the job and passes on.
    void Print();

    // May change the computed sheet before it is drawn.
    std::function<void(TRect &paperRect)> OnGetPaperRect;
    // The routine that smooths a bitmap into the chart's rectangle (tests count its calls).
    void setResampler(Resampler resampler) { m_resample = resampler; }

Q_SIGNALS:
    // After a mouse drag changed the first panel's print margins.
    void OnChangeMargins(bool disableProportional, const std::array<int, 4> &newMargins);

protected:
    void DrawChartContents(const TRect &bounds) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void removePanel(QObject *panel);
    void applyOrientation(PrinterService &printer) const;
    TRect calcPaperRect(PrinterService &printer) const;
    TRect calcChartRect(TCustomPlotPanel *panel, bool hasPrinter) const;
    // The rendering size of a panel: its own rectangle scaled by its print percentage.
    static TRect renderRect(const TCustomPlotPanel &panel);
    QImage renderBitmap(TCustomPlotPanel &panel) const;
    void drawPanel(TCanvas3D &canvas, TCustomPlotPanel &panel, const TRect &rect) const;
    void drawMarginLines(TCanvas3D &canvas) const;
    // Draws the margin lines over the finished picture: a second call erases them.
    void toggleMarginLines();
    void dragTo(int x, int y);

    std::unique_ptr<TPreviewChartPen> m_margins;
    std::unique_ptr<TPlotShadow> m_paperShadow;
    // A panel on the sheet. Its destroyed() comes from ~QWidget, when it is no TCustomPlotPanel any
    // more: the guard, a plain QObject pointer, tells it apart without casting it.
    struct ShownPanel
    {
        QPointer<QObject> guard;
        TCustomPlotPanel *panel = nullptr;
        TCustomPlotPanel *get() const { return guard ? panel : nullptr; }
    };
    QList<ShownPanel> m_panels;
    Resampler m_resample;
    QString m_title;
    TColor m_paperColor = clWhite;
    TPlotPreviewPanelOrientation m_orientation = ppoDefault;
    bool m_allowMove = true;
    bool m_allowResize = true;
    bool m_asBitmap = false;
    bool m_dragImage = false;
    bool m_showImage = true;
    bool m_smoothBitmap = true;
    TRect m_paperRect;
    TRect m_chartRect;
    int m_dragKind = dkNone;
    QPoint m_dragStart;
    TRect m_dragStartRect;
};
