// The base of the vertical and horizontal bar series: the layout of the bar series of one class in a
// chart (side by side, stacked, stacked to 100 %, one after another, each series stacking its own
// points), thirteen bar shapes in 2D and 3D, gradients, bevels, tick lines, mark placement and the
// hit test. Everything is written once for both orientations: the category axis carries the
// points, the value axis the bars' lengths.
#pragma once

#include "BarSeriesTypes.h"
#include "TBarSeriesGradient.h"

#include "TChartSeries.h"

#include <QPointer>

#include <functional>
#include <optional>

class TCanvas3D;
class TCustomBarSeries;

using TBarStyleEvent = std::function<void(TCustomBarSeries *sender, int valueIndex, TBarStyle &style)>;

class TCustomBarSeries : public TChartSeries
{
    Q_OBJECT
    Q_PROPERTY(bool AutoBarSize READ AutoBarSize WRITE SetAutoBarSize)
    Q_PROPERTY(bool AutoMarkPosition READ AutoMarkPosition WRITE SetAutoMarkPosition)
    Q_PROPERTY(TChartBrush *BarBrush READ BarBrush WRITE SetBarBrush)
    Q_PROPERTY(TChartPen *BarPen READ BarPen WRITE SetBarPen)
    Q_PROPERTY(BarSeriesEnums::TBarStyle BarStyle READ BarStyle WRITE SetBarStyle)
    Q_PROPERTY(int BarWidthPercent READ BarWidthPercent WRITE SetBarWidthPercent)
    Q_PROPERTY(int BevelSize READ BevelSize WRITE SetBevelSize)
    Q_PROPERTY(bool Dark3D READ Dark3D WRITE SetDark3D)
    Q_PROPERTY(int DepthPercent READ DepthPercent WRITE SetDepthPercent)
    Q_PROPERTY(TBarSeriesGradient *Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(BarSeriesEnums::TMultiBar MultiBar READ MultiBar WRITE SetMultiBar)
    Q_PROPERTY(int OffsetPercent READ OffsetPercent WRITE SetOffsetPercent)
    Q_PROPERTY(bool SideMargins READ SideMargins WRITE SetSideMargins)
    Q_PROPERTY(int StackGroup READ StackGroup WRITE SetStackGroup)
    Q_PROPERTY(TChartHiddenPen *TickLines READ TickLines WRITE SetTickLines)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
    Q_PROPERTY(bool UseYOrigin READ UseYOrigin WRITE SetUseYOrigin)
    Q_PROPERTY(double YOrigin READ YOrigin WRITE SetYOrigin)
public:
    // What PrepareForDraw works out for one drawing; the drawing and the hit test read only this.
    struct Layout
    {
        int slots = 0;        // bars standing side by side at one point
        int maxPoints = -1;   // points the category axis is divided into
        int ownSlot = 1;      // this series' bar among them, from 1
        int pointsBefore = 0; // points of the series before this one (one after another)
        int barWidth = 0;     // pixels, always even
        // The active bar series of this class and stack group, in list order, and this one's place.
        std::vector<QPointer<const TCustomBarSeries>> stack;
        int ownStackPlace = -1;
    };

    Q_INVOKABLE explicit TCustomBarSeries(QObject *owner = nullptr);
    ~TCustomBarSeries() override;

    // Properties.
    bool AutoBarSize() const { return m_autoBarSize; }
    void SetAutoBarSize(bool value) { SetBooleanProperty(m_autoBarSize, value); }
    Q_INVOKABLE bool IsAutoBarSizeStored() const { return m_autoBarSize; }
    bool AutoMarkPosition() const { return m_autoMarkPosition; }
    void SetAutoMarkPosition(bool value) { SetBooleanProperty(m_autoMarkPosition, value); }
    Q_INVOKABLE bool IsAutoMarkPositionStored() const { return !m_autoMarkPosition; }
    TChartBrush *BarBrush() const { return Brush(); }
    void SetBarBrush(const TChartBrush *value) { SetBrush(value); }
    TChartPen *BarPen() const { return Pen(); }
    void SetBarPen(const TChartPen *value) { SetPen(value); }
    TBarStyle BarStyle() const { return m_barStyle; }
    void SetBarStyle(TBarStyle value) { setProperty(m_barStyle, value); }
    Q_INVOKABLE bool IsBarStyleStored() const { return m_barStyle != bsRectangle; }
    int BarWidthPercent() const { return m_barWidthPercent; }
    void SetBarWidthPercent(int value) { SetIntegerProperty(m_barWidthPercent, value); }
    Q_INVOKABLE bool IsBarWidthPercentStored() const { return m_barWidthPercent != 70; }
    int BevelSize() const { return m_bevelSize; }
    void SetBevelSize(int value) { SetIntegerProperty(m_bevelSize, value); }
    Q_INVOKABLE bool IsBevelSizeStored() const { return m_bevelSize != 1; }
    bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool value) { SetBooleanProperty(m_dark3D, value); }
    Q_INVOKABLE bool IsDark3DStored() const { return !m_dark3D; }
    int DepthPercent() const { return m_depthPercent; }
    void SetDepthPercent(int value) { SetIntegerProperty(m_depthPercent, value); }
    Q_INVOKABLE bool IsDepthPercentStored() const { return m_depthPercent != 100; }
    TBarSeriesGradient *Gradient() const { return m_gradient; }
    void SetGradient(const TBarSeriesGradient *value);
    TMultiBar MultiBar() const { return m_multiBar; }
    // Every bar series of the chart of the same class takes the arrangement and the side margins.
    void SetMultiBar(TMultiBar value);
    Q_INVOKABLE bool IsMultiBarStored() const { return m_multiBar != mbSide; }
    int OffsetPercent() const { return m_offsetPercent; }
    void SetOffsetPercent(int value) { SetIntegerProperty(m_offsetPercent, value); }
    Q_INVOKABLE bool IsOffsetPercentStored() const { return m_offsetPercent != 0; }
    bool SideMargins() const { return m_sideMargins; }
    void SetSideMargins(bool value);
    Q_INVOKABLE bool IsSideMarginsStored() const { return !m_sideMargins; }
    int StackGroup() const { return m_stackGroup; }
    void SetStackGroup(int value) { SetIntegerProperty(m_stackGroup, value); }
    Q_INVOKABLE bool IsStackGroupStored() const { return m_stackGroup != 0; }
    TChartHiddenPen *TickLines() const { return m_tickLines; }
    void SetTickLines(const TChartHiddenPen *value);
    // Percent 0..100; values outside are cut to the range.
    int Transparency() const { return m_transparency; }
    void SetTransparency(int value);
    Q_INVOKABLE bool IsTransparencyStored() const { return m_transparency != 0; }
    bool UseYOrigin() const { return m_useYOrigin; }
    void SetUseYOrigin(bool value) { SetBooleanProperty(m_useYOrigin, value); }
    Q_INVOKABLE bool IsUseYOriginStored() const { return !m_useYOrigin; }
    double YOrigin() const { return m_yOrigin; }
    void SetYOrigin(double value) { SetDoubleProperty(m_yOrigin, value); }
    Q_INVOKABLE bool IsYOriginStored() const { return m_yOrigin != 0.0; }
    // A fixed bar width in pixels; 0 computes it. Published as CustomBarWidth or CustomBarHeight.
    int CustomBarSize() const { return m_customBarSize; }
    void SetCustomBarSize(int value) { SetIntegerProperty(m_customBarSize, value); }
    // The tip of a cone in percent of its base; 0 is a point.
    int ConePercent() const { return m_conePercent; }
    void SetConePercent(int value) { SetIntegerProperty(m_conePercent, value); }

    TBarStyleEvent OnGetBarStyle;

    const Layout &BarLayout() const { return m_layout; }
    int BarWidth() const { return m_layout.barWidth; }
    // The bar of the point as it is drawn: left, top, right and bottom on the screen before the
    // 3D projection (the bar's start and end along the value axis, in screen order).
    TRect BarBounds(int valueIndex) const;
    // Where the bar of the point starts along the value axis (its origin) and ends.
    int BarStartPixel(int valueIndex) const;
    int BarEndPixel(int valueIndex) const;
    // The pixel of the bar's first edge along the category axis.
    int BarPositionPixel(int valueIndex) const;

    // The size of a point's mark along the value axis (-1: the largest); 0 here.
    virtual int MarkLength(int valueIndex) const;
    virtual bool ClickedBar(int valueIndex, const TPoint &point) const;
    virtual bool AllowStackGallery() const { return true; }
    // The value a stacked bar starts from: the sum of the bars of the series of its group below it
    // (all of them with sumAll), its own earlier values when it stacks itself, else YOrigin.
    virtual double PointOrigin(int valueIndex, bool sumAll) const;
    // Draws the bar of the point between start and end along the value axis, start the smaller.
    virtual void DrawBar(int valueIndex, int start, int end);

    QString GetEditorClassName() const override { return QStringLiteral("TBarSeriesEditor"); }
    // The bar's first edge along the category axis and its end along the value axis.
    int CalcXPos(int index) const override;
    int CalcYPos(int index) const override;
    void Assign(const TCustomChartElement &source) override;
    void SetParentChart(TCustomAxisPanel *value) override;

    void PrepareForDraw() override;
    void CalcZOrder() override;
    void CalcDepthPositions() override;
    void CalcFirstLastVisibleIndex() override;
    bool MoreSameZOrder() const override;
    bool DrawSeriesForward(int valueIndex) const override;
    void CalcHorizMargins(int &left, int &right) override;
    void CalcVerticalMargins(int &top, int &bottom) override;
    void DoBeforeDrawValues() override;
    void DrawValue(int valueIndex) override;
    void DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position) override;
    int Clicked(int x, int y) const override;

    double MaxXValue() const override;
    double MinXValue() const override;
    double MaxYValue() const override;
    double MinYValue() const override;

    void PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle) override;
    void CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const override;
    void SetSubGallery(int index) override;
    void PrepareForGallery(bool enabled) override;
    int DefaultSampleCount() const override;
    void AddSampleValues(int numValues, bool onlyMandatory) override;

protected:
    // The axis the points lie along and the one the bars grow along.
    TChartAxis *categoryAxis() const { return YMandatory() ? GetHorizAxis() : GetVertAxis(); }
    TChartAxis *valueAxis() const { return GetMandatoryAxis(); }
    int valuePixel(double value) const;
    int categoryPixel(double value) const;

private:
    bool isStacked() const { return m_multiBar == mbStacked || m_multiBar == mbStacked100; }
    // The bar series of the chart that share this one's layout: active and of the same class.
    std::vector<TCustomBarSeries *> sameClassSeries(bool activeOnly) const;
    void collectStack(Layout &layout) const;
    void shareArrangement();
    void calcBarWidth();
    int barMargin() const;
    void valueAxisMargins(int &lowEnd, int &highEnd);
    // The value range of the bars along the value axis, before YOrigin is included.
    double valueLimit(bool maximum) const;
    double categoryLimit(bool maximum) const;
    // The bar's far edge along the category axis, for bars that fill the whole room.
    int touchingEdge(int valueIndex, int position) const;
    TBarStyle styleOf(int valueIndex) const;
    void drawFlatShape(TCanvas3D &canvas, const TRect &bar, TBarStyle style);
    void drawSolidShape(TCanvas3D &canvas, const TRect &bar, TBarStyle style);
    void drawGradient(TCanvas3D &canvas, const TRect &bar, int valueIndex);
    void drawBevel(TCanvas3D &canvas, const TRect &bar, TColor color);
    void drawTickLines(TCanvas3D &canvas, const TRect &bar, TBarStyle style);

    TBarSeriesGradient *m_gradient = nullptr; // children
    TChartHiddenPen *m_tickLines = nullptr;
    bool m_autoBarSize = false;
    bool m_gallerySample = false; // prepared as a gallery's sample
    bool m_autoMarkPosition = true;
    TBarStyle m_barStyle = bsRectangle;
    int m_barWidthPercent = 70;
    int m_bevelSize = 1;
    bool m_dark3D = true;
    int m_depthPercent = 100;
    TMultiBar m_multiBar = mbSide;
    int m_offsetPercent = 0;
    bool m_sideMargins = true;
    int m_stackGroup = 0;
    int m_transparency = 0;
    bool m_useYOrigin = true;
    double m_yOrigin = 0.0;
    int m_customBarSize = 0;
    int m_conePercent = 0;
    Layout m_layout;
    bool m_layoutPrepared = false;
    // The bar being drawn: its bounds and colour.
    TRect m_bar;
    TColor m_barColor = clNone;
};
