// The chart panel that knows axes and series: six standard axes and the custom ones, the series
// list with its groups, the tools, paging of points, the 3D depth, and the contents draw that runs
// background, titles and legend, walls, axes, series, marks and zoom band in a fixed order with the
// tool events between them. The chart component derives from it and supplies the abstract steps.
#pragma once

#include "AxisHost.h"
#include "TChartAxes.h"
#include "TChartSeriesList.h"
#include "TChartTools.h"

#include "TCustomPlotPanelExtended.h"
#include "TPlotEventListeners.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class AxisSeriesView;
class TChartAxis;
class TChartPen;
class TChartDepthAxis;
class TChartSeries;
class TCustomAxisPanel;
class TCustomChartSeries;

// Sent to the panel's listeners when a series joins, leaves or changes.
class TPlotSeriesEvent : public TPlotEvent
{
public:
    enum Kind { seAdd, seRemove, seTitleChanged, seColorChanged, seSwap, seActiveChanged, seDataChanged };
    Kind Event = seAdd;
    TCustomChartSeries *Series = nullptr;
};

// Sent to the panel's listeners after the page changed.
class TChartChangePage : public TPlotEvent
{
};

using TPanelNotifyEvent = std::function<void(TCustomAxisPanel *sender)>;

// The panel as its axes see it (the axis seam), kept apart from the panel's own members of the
// same names (ChartRect, Width3D...).
class AxisPanelHost final : public AxisHost
{
public:
    explicit AxisPanelHost(TCustomAxisPanel &panel)
        : m_panel(panel)
    {
    }
    TCustomAxisPanel &Panel() const { return m_panel; }

    TCanvas3D *Canvas() const override;
    void Invalidate() override;
    TRect ChartRect() const override;
    bool View3D() const override;
    int Width3D() const override;
    int Height3D() const override;
    int GetAxisWallSize(const TChartAxis &axis) const override;
    int AxisLabelsSize(const TChartAxis &axis, int size) const override;
    bool IsLoading() const override;
    int SeriesCount() const override;
    AxisSeriesView *Series(int index) const override;
    double AxisSeriesMinMax(const TChartAxis &axis, bool isMin, bool isX) const override;
    void SyncMinMax(TChartAxis &axis) override;
    int MultiLineTextWidth(const QString &text, int &numLines) const override;
    int MaxMarkWidth() const override;
    int MaxLabelsWidth() const override;
    QString SeriesTitleLegend(int index) const override;
    const TAxisOnGetLabel &OnGetAxisLabel() const override;
    const TAxisOnGetNextLabel &OnGetNextAxisLabel() const override;

private:
    TCustomAxisPanel &m_panel;
};

class TCustomAxisPanel : public TCustomPlotPanelExtended
{
    Q_OBJECT
    Q_PROPERTY(bool AxisBehind READ AxisBehind WRITE SetAxisBehind)
    Q_PROPERTY(bool AxisVisible READ AxisVisible WRITE SetAxisVisible)
    Q_PROPERTY(TChartAxis *BottomAxis READ BottomAxis WRITE SetBottomAxis)
    Q_PROPERTY(int Chart3DPercent READ Chart3DPercent WRITE SetChart3DPercent)
    Q_PROPERTY(bool ClipPoints READ ClipPoints WRITE SetClipPoints)
    Q_PROPERTY(TChartDepthAxis *DepthAxis READ DepthAxis WRITE SetDepthAxis)
    Q_PROPERTY(TChartDepthAxis *DepthTopAxis READ DepthTopAxis WRITE SetDepthTopAxis)
    Q_PROPERTY(TChartAxis *LeftAxis READ LeftAxis WRITE SetLeftAxis)
    Q_PROPERTY(int MaxPointsPerPage READ MaxPointsPerPage WRITE SetMaxPointsPerPage)
    Q_PROPERTY(int Page READ Page WRITE SetPage)
    Q_PROPERTY(TChartAxis *RightAxis READ RightAxis WRITE SetRightAxis)
    Q_PROPERTY(bool ScaleLastPage READ ScaleLastPage WRITE SetScaleLastPage)
    Q_PROPERTY(TChartAxis *TopAxis READ TopAxis WRITE SetTopAxis)
    Q_PROPERTY(bool View3DWalls READ View3DWalls WRITE SetView3DWalls)
public:
    // Kinds of tool events passed to ChartEvent.
    enum ToolEvent { teAfterDraw, teBeforeSeries, teBeforeChart, teBeforeAxes, teAfterSeries, teMouseLeave };

    explicit TCustomAxisPanel(QWidget *parent = nullptr);
    ~TCustomAxisPanel() override;

    // What the axes see of the panel.
    AxisHost *Host() { return &m_host; }
    // The panel behind an axis host, or none.
    static TCustomAxisPanel *FromHost(AxisHost *host);

    // The steps the chart component supplies.
    // Shrinks the chart rectangle for walls and depth (and computes the 3D size first).
    virtual void CalcWallsRect() = 0;
    virtual int GetAxisWallSize(const TChartAxis &axis) const = 0;
    virtual void DrawTitlesAndLegend(bool beforeAxes) = 0;
    virtual void DrawWalls() = 0;
    // Whether no other series (and with checkBackground, not the background) has that colour.
    virtual bool IsFreeSeriesColor(TColor color, bool checkBackground, const TChartSeries *series) = 0;

    // Published properties.
    bool AxisBehind() const { return m_axisBehind; }
    void SetAxisBehind(bool value) { setPanelProperty(m_axisBehind, value); }
    bool AxisVisible() const { return m_axisVisible; }
    void SetAxisVisible(bool value) { setPanelProperty(m_axisVisible, value); }
    int Chart3DPercent() const { return m_chart3DPercent; }
    // 1..100; anything else raises PlotException and keeps the value.
    void SetChart3DPercent(int value);
    bool ClipPoints() const { return m_clipPoints; }
    void SetClipPoints(bool value) { setPanelProperty(m_clipPoints, value); }
    int MaxPointsPerPage() const { return m_maxPointsPerPage; }
    // A negative count raises ChartException and keeps the value.
    void SetMaxPointsPerPage(int value);
    int Page() const { return m_page; }
    // Kept within 1..NumPages.
    void SetPage(int value);
    bool ScaleLastPage() const { return m_scaleLastPage; }
    void SetScaleLastPage(bool value) { setPanelProperty(m_scaleLastPage, value); }
    bool View3DWalls() const { return m_view3DWalls; }
    void SetView3DWalls(bool value) { setPanelProperty(m_view3DWalls, value); }

    // Axes: Left 0, Right 1, Top 2, Bottom 3, Depth 4, DepthTop 5, custom axes from 6 on.
    TChartAxes &Axes() { return m_axes; }
    const TChartAxes &Axes() const { return m_axes; }
    TChartAxis *LeftAxis() const { return m_axes.Left(); }
    TChartAxis *RightAxis() const { return m_axes.Right(); }
    TChartAxis *TopAxis() const { return m_axes.Top(); }
    TChartAxis *BottomAxis() const { return m_axes.Bottom(); }
    TChartDepthAxis *DepthAxis() const { return m_axes.Depth(); }
    TChartDepthAxis *DepthTopAxis() const { return m_axes.DepthTop(); }
    void SetLeftAxis(const TChartAxis *value);
    void SetRightAxis(const TChartAxis *value);
    void SetTopAxis(const TChartAxis *value);
    void SetBottomAxis(const TChartAxis *value);
    void SetDepthAxis(const TChartDepthAxis *value);
    void SetDepthTopAxis(const TChartDepthAxis *value);
    // The custom axes; a removed one first hands its series back to the standard axes.
    int CustomAxisCount() const { return int(m_axes.Count()) - TChartAxes::kStandardCount; }
    TChartAxis *CustomAxis(int index) const;
    TChartAxis *AddCustomAxis(bool horizontal = false);
    void RemoveCustomAxis(int index);
    void ClearCustomAxes();
    // Sets the range of every custom axis whose master axis is the axis.
    void SyncMinMax(TChartAxis &axis);

    // Series.
    TChartSeriesList &SeriesList() { return m_seriesList; }
    const TChartSeriesList &SeriesList() const { return m_seriesList; }
    int SeriesCount() const { return m_seriesList.Count(); }
    // Checked: an index outside the list raises ChartException.
    TChartSeries *GetSeries(int index) const { return m_seriesList.GetSeries(index); }
    void AddSeries(TChartSeries *series);
    // A new series of the type, owned by the panel's parent (the panel itself without one).
    template <class Series>
    Series *AddSeriesOfClass()
    {
        auto *series = new Series(parent() ? parent() : this);
        AddSeries(series);
        return series;
    }
    void InternalAddSeries(TChartSeries *series);
    void RemoveSeries(TChartSeries *series);
    // Takes the series out of the chart; it is not freed.
    void RemoveSeriesAt(int index);
    // Frees every series (of the class only, when one is given).
    void FreeAllSeries(const QMetaObject *seriesClass = nullptr);
    void ExchangeSeriesAt(int a, int b);
    void ExchangeSeries(TChartSeries *a, TChartSeries *b);
    int CountActiveSeries() const;
    int MaxValuesCount() const;
    // The n-th series shown in the legend (active ones only when asked), or none.
    TChartSeries *SeriesLegend(int index, bool onlyActive) const;
    TChartSeries *ActiveSeriesLegend(int index) const { return SeriesLegend(index, true); }
    QString SeriesTitleLegend(int index, bool onlyActive = true) const;
    int MaxLabelsWidth() const;
    int MaxMarkWidth() const;
    int MultiLineTextWidth(const QString &text, int &numLines) const;
    // Series events to the listeners, unless suspended.
    void BroadcastSeriesEvent(TPlotSeriesEvent::Kind kind, TCustomChartSeries *series);
    bool SeriesEventsSuspended = false;
    // Called after a series' Active, Title or colour changed; none is installed by default.
    std::function<void(TCustomChartSeries &series)> SeriesChangeListener;
    void NotifySeriesChange(TCustomChartSeries &series)
    {
        if (SeriesChangeListener)
            SeriesChangeListener(series);
    }
    // Whether a point of an active series lies under the mouse.
    bool CheckMouseOverSeries(int x, int y);

    // Tools.
    TChartTools &Tools() { return m_tools; }
    // ChartEvent of every active tool, in list order.
    void BroadcastToolEvent(ToolEvent kind);

    // Colours: the panel's palette, or the library's while it is empty.
    std::vector<TColor> ColorPalette;
    TColor GetDefaultColor(int index) const;
    TColor GetFreeSeriesColor(bool checkBackground, const TChartSeries *series);
    void AssignSeriesColors();
    // The background colour DrawVisibleRect compares with.
    TColor BackgroundColor = clPlotColor;
    // The legend symbol's own pen while a legend draws symbols without the series' pen
    // ("Default border" off); none otherwise.
    const TChartPen *LegendPen = nullptr;

    // Axis queries.
    bool IsAxisShown(const TChartAxis &axis) const;
    bool IsAxisVisible(const TChartAxis &axis) const;
    bool SeriesUseAxis(const TChartAxis &axis, bool defaultValue) const;
    bool NoActiveSeriesOnAxis(const TChartAxis &axis) const;
    TChartSeries *GetAxisSeries(const TChartAxis &axis) const;
    TChartSeries *GetAxisSeriesMaxPoints(const TChartAxis &axis) const;
    double AxisSeriesMinMax(const TChartAxis &axis, bool isMin, bool isX) const;
    double MinXValue(const TChartAxis &axis) const { return AxisSeriesMinMax(axis, true, true); }
    double MaxXValue(const TChartAxis &axis) const { return AxisSeriesMinMax(axis, false, true); }
    double MinYValue(const TChartAxis &axis) const { return AxisSeriesMinMax(axis, true, false); }
    double MaxYValue(const TChartAxis &axis) const { return AxisSeriesMinMax(axis, false, false); }

    // Data sources.
    bool IsValidDataSource(const TChartSeries &series, const QObject *component) const;
    // Raises ChartException when the series is reachable from the source through data sources.
    void CheckCircularSource(const TChartSeries &series, const QObject *source) const;
    virtual void RefreshDataSource(TChartSeries &series);
    void RemovedDataSource(TChartSeries &series, QObject *component);

    // Pages.
    int NumPages() const;
    TPanelNotifyEvent OnPageChange;

    // 3D: the depth of one series in pixels and its vertical projection.
    void CalcSize3D();
    int SeriesWidth3D = 0;
    int SeriesHeight3D = 0;
    // The running maximum z order of the current draw.
    int MaxZOrder = 0;
    bool ViewReversed() const { return m_viewReversed; }
    virtual bool IsPlaneReversed(int z) const;
    virtual void DrawVisibleRect(const TRect &rect);

    // Events of the draw.
    TAxisOnGetLabel OnGetAxisLabel;
    TAxisOnGetNextLabel OnGetNextAxisLabel;
    TPanelNotifyEvent OnBeforeDrawChart;
    TPanelNotifyEvent OnBeforeDrawAxes;
    TPanelNotifyEvent OnBeforeDrawSeries;
    // The text of a point in the legend; none in the base.
    virtual QString GetValueLegendText(const TChartSeries &series, int valueIndex) const;

    // Loading: while set, series keep their stored source names and axis setters keep custom axes.
    bool IsLoading() const { return m_loading; }
    void BeginLoading() { m_loading = true; }
    void Loaded() { m_loading = false; }

    // Prints pages from..to (0: first and last page), one printer page each.
    void PrintPages(int fromPage = 0, int toPage = 0);
    void Assign(const TCustomPlotPanel &source) override;
    // The chart's steps, public for the chart component and tests.
    void CalcAxesRect();
    void CalcSeriesMargins();

    // Each fires its event.
    virtual void DoAfterDraw() { TCustomPlotPanelExtended::DoAfterDraw(); }
    virtual void DoBeforeDrawAxes() { fire(OnBeforeDrawAxes); }
    virtual void DoBeforeDrawChart() { fire(OnBeforeDrawChart); }
    virtual void DoBeforeDrawSeries() { fire(OnBeforeDrawSeries); }

protected:
    void DrawChartContents(const TRect &bounds) override;
    void leaveEvent(QEvent *event) override;

private:
    friend class AxisPanelHost;

    void fire(const TPanelNotifyEvent &event)
    {
        if (event)
            event(this);
    }
    void createAxes();
    void drawContents(const TRect &bounds);
    void calcViewReversed();
    void calcSeriesZOrders();
    void calcSeriesDepths();
    void drawAxes();
    void drawAllSeries();
    void drawSeries(TChartSeries &series);
    void drawSeriesGroup(TChartSeries &series);
    void drawSeriesMarks(TChartSeries &series);
    void broadcastPageChange();
    void freeTools();

    AxisPanelHost m_host{*this};
    TChartAxes m_axes;
    TChartSeriesList m_seriesList;
    TChartTools m_tools{*this};
    int m_chart3DPercent = 15;
    bool m_axisBehind = true;
    bool m_axisVisible = true;
    bool m_clipPoints = true;
    bool m_view3DWalls = true;
    int m_page = 1;
    int m_maxPointsPerPage = 0;
    bool m_scaleLastPage = true;
    bool m_viewReversed = false;
    bool m_loading = false;
    bool m_drawing = false;
    int m_syncDepth = 0;
};
