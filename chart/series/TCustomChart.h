// The chart component: the axis panel completed with titles above and below the plot, the four
// walls, the restoring of the axes after a zoom and the free-colour rule. Its legend and mouse
// handling are built on top of it.
#pragma once

#include "TChartLegend.h"
#include "TChartTitle.h"
#include "TChartWalls.h"
#include "TCustomAxisPanel.h"

#include <QCursor>
#include <QPointer>

#include <optional>

#include <functional>

#include <vector>

class TChartAxis;

class TCustomChart : public TCustomAxisPanel
{
    Q_OBJECT
public:
    explicit TCustomChart(QWidget *parent = nullptr);
    ~TCustomChart() override;

    // The abstract steps of the contents draw.
    void CalcWallsRect() override;
    int GetAxisWallSize(const TChartAxis &axis) const override;
    void DrawTitlesAndLegend(bool beforeAxes) override;
    void DrawWalls() override;
    // The legend symbol's box: its gradient when visible, ending in the item's colour, framed by
    // the symbol pen; otherwise the axis panel's box.
    void DrawVisibleRect(const TRect &rect) override;
    bool IsFreeSeriesColor(TColor color, bool checkBackground, const TChartSeries *series) override;
    // The panel colour behind a see-through back wall, else the back wall's colour.
    TColor GetBackColor() const override;

    TChartTitle *Title() const { return m_title; }
    void SetTitle(const TChartTitle *value) { m_title->Assign(*value); }
    TChartTitle *SubTitle() const { return m_subTitle; }
    void SetSubTitle(const TChartTitle *value) { m_subTitle->Assign(*value); }
    TChartFootTitle *Foot() const { return m_foot; }
    void SetFoot(const TChartTitle *value) { m_foot->Assign(*value); }
    TChartFootTitle *SubFoot() const { return m_subFoot; }
    void SetSubFoot(const TChartTitle *value) { m_subFoot->Assign(*value); }
    TChartWalls *Walls() const { return m_walls; }
    TChartBackWall *BackWall() const { return m_walls->Back(); }
    void SetBackWall(const TChartBackWall *value) { m_walls->Back()->Assign(*value); }
    TChartWall *LeftWall() const { return m_walls->Left(); }
    void SetLeftWall(const TChartWall *value) { m_walls->Left()->Assign(*value); }
    TChartWall *BottomWall() const { return m_walls->Bottom(); }
    void SetBottomWall(const TChartWall *value) { m_walls->Bottom()->Assign(*value); }
    TChartRightWall *RightWall() const { return m_walls->Right(); }
    void SetRightWall(const TChartRightWall *value) { m_walls->Right()->Assign(*value); }
    // The frame around the plot is the back wall's pen.
    TChartPen *Frame() const { return m_walls->Back()->Pen(); }
    void SetFrame(const TChartPen *value) { m_walls->Back()->SetPen(value); }
    // Legend.
    TChartLegend *Legend() const { return m_legend; }
    void SetLegend(const TChartLegend *value) { m_legend->Assign(*value); }
    // The legend text of a point: the series' text in the legend's text style.
    QString GetValueLegendText(const TChartSeries &series, int valueIndex) const override;
    // May change an item's text, the legend rectangle, or an item's position.
    std::function<void(TCustomChart &chart, TLegendStyle style, int index, QString &text)> OnGetLegendText;
    std::function<void(TCustomChart &chart, TRect &rect)> OnGetLegendRect;
    std::function<void(TCustomChart &chart, int index, int &x, int &y)> OnGetLegendPos;

    // The back wall's colour; once the chart is on a window (not while loading), a solid brush.
    void SetBackColor(TColor value);

    TMouseButton ScrollMouseButton() const { return m_scrollMouseButton; }
    void SetScrollMouseButton(TMouseButton value) { m_scrollMouseButton = value; }
    // The colour palette applied to the series; 0 = none.
    int ColorPaletteIndex() const { return m_colorPaletteIndex; }
    void SetColorPaletteIndex(int value) { m_colorPaletteIndex = value; }

    // Zoom: the axes' ranges are saved once when a zoom starts and put back by UndoZoom.
    void SaveAxesState();
    bool AxesRestored() const { return m_axesRestored; }
    void UndoZoom() override;

    // What lies under a point of the chart (first match in hit-test order).
    enum TChartClickedPartStyle {
        cpNone, cpLegend, cpAxis, cpSeries, cpTitle, cpFoot, cpChartRect, cpSeriesMarks, cpSubTitle, cpSubFoot
    };
    struct TChartClickedPart
    {
        TChartClickedPartStyle Part = cpNone;
        int PointIndex = -1;
        TChartSeries *ASeries = nullptr;
        TChartAxis *AAxis = nullptr;
    };
    TChartClickedPart CalcClickedPart(int x, int y) const;

    // The ranges a zoom goes to, per axis side.
    struct TZoomTarget
    {
        double LeftMin = 0, LeftMax = 0, RightMin = 0, RightMax = 0;
        double TopMin = 0, TopMax = 0, BottomMin = 0, BottomMax = 0;
    };
    // The rectangle's corners in the values of the four axes, then ZoomValues.
    void ZoomRect(const TRect &rect);
    // Saves the axes once, approaches the target in steps when animated, then sets the four axes.
    void ZoomValues(const TZoomTarget &target);

    // Mouse events of the chart. A handler that is called counts as handling the click unless it
    // clears CancelMouse, which is set before the call.
    using TClickHandler = std::function<void(TCustomChart &chart, TMouseButton button, TShiftState shift, int x, int y)>;
    TClickHandler OnClickBackground;
    TClickHandler OnClickLegend;
    std::function<void(TCustomChart &chart, TChartAxis *axis, TMouseButton button, TShiftState shift, int x, int y)>
        OnClickAxis;
    std::function<void(TCustomChart &chart, TChartSeries *series, int valueIndex, TMouseButton button,
                       TShiftState shift, int x, int y)>
        OnClickSeries;
    std::function<void(TCustomChart &chart, TChartTitle *title, TMouseButton button, TShiftState shift, int x, int y)>
        OnClickTitle;
    // May change the new range of a scrolled axis, or refuse the scroll.
    std::function<void(TCustomChart &chart, TChartAxis *axis, double &minimum, double &maximum, bool &allow)>
        OnAllowScroll;

    // Whether walls belong to the picture: no active series, or an active one that uses axes.
    bool WallsDrawn() const;
    TChartSeries *GetFirstActiveSeries() const;
    void RemoveAllSeries();
    // The axis title, or the axis' standard name when it has none.
    QString AxisTitleOrName(const TChartAxis &axis) const;

    void Assign(const TCustomPlotPanel &source) override;
    // "ColorPaletteIndex" (written from 1 on) and the legacy "BackColor" (read only: the back
    // wall's colour).
    void defineProperties(PropertyFiler &filer) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    // Mouse handling of the chart itself, after the tools.
    void chartMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    bool callClickHandler(const std::function<void()> &call);
    void startZoomOrPanning(TMouseButton button, TShiftState shift, int x, int y);
    void chartMouseMove(int x, int y);
    void panTo(int x, int y);
    void chartMouseUp(TMouseButton button, int x, int y);
    void endAction();
    void scrollVerticalAxes(bool up);

    // The range of one axis when a zoom started; the axis is held by identity, so axes added or
    // removed during the zoom neither shift nor outrun the saved states.
    struct SavedAxis
    {
        QPointer<TChartAxis> axis;
        bool automatic = true;
        bool automaticMinimum = true;
        bool automaticMaximum = true;
        double minimum = 0.0;
        double maximum = 0.0;
    };

    // Whether a side wall at x is seen from inside the box (it then stands behind the series).
    bool sideWallBehind(int x, bool leftSide) const;
    // A side wall that is drawn and faces the viewer: drawn again over the series.
    bool sideWallInFront(bool leftSide) const;
    void deferTextsUnderFrontWalls();
    void prepareWall(TCustomChartWall &wall);
    void drawBackWall();
    void drawLeftWall();
    void drawRightWall();
    void drawBottomWall();
    int visibleWallSize(const TCustomChartWall &wall) const { return wall.Visible() ? wall.Size() : 0; }

    // Children of the chart.
    TChartTitle *m_title = nullptr;
    TChartTitle *m_subTitle = nullptr;
    TChartFootTitle *m_foot = nullptr;
    TChartFootTitle *m_subFoot = nullptr;
    TChartWalls *m_walls = nullptr;
    TChartLegend *m_legend = nullptr;
    TMouseButton m_scrollMouseButton = mbRight;
    int m_colorPaletteIndex = 0;
    std::vector<SavedAxis> m_savedAxes;
    bool m_axesRestored = true;
    // The cursor before a zoom or panning switched to the action cursor.
    std::optional<QCursor> m_cursorBeforeAction;
    // The cursor before a series under the mouse showed its own.
    std::optional<QCursor> m_cursorBeforeSeries;
    QPoint m_lastMovePoint{-1, -1};
    // Wheel deltas short of a notch, kept until they make one.
    int m_wheelRemainder = 0;
};

namespace ChartMouse {
// The wheel scrolls the vertical axes; panning needs these keys held with the scroll button.
inline bool WheelScrolls = true;
inline TShiftState ScrollKeyShift;
// One wheel notch in angleDelta units.
inline constexpr int kWheelNotch = 120;
} // namespace ChartMouse
