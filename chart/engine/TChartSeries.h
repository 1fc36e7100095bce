// The base of every series type: the point data (value lists, labels, per-point colours), the
// binding to the chart's axes, data sources and the notification of dependent series, depth and
// z-order, legend and mark texts, and the stored point data. A series type adds its drawing.
#pragma once

#include "AxisSeriesView.h"
#include "EngineTypes.h"
#include "TChartAxis.h"
#include "TChartValueList.h"
#include "TCustomChartSeries.h"
#include "TCustomSeriesList.h"
#include "TDataSourcesList.h"
#include "TLabelsList.h"
#include "TPlotFunction.h"
#include "TSeriesMarks.h"
#include "ValueListOwner.h"

#include <QPointer>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

class TChartSeries;
using TSeriesNotifyEvent = std::function<void(TChartSeries *sender)>;
using TSeriesOnAfterAdd = std::function<void(TChartSeries *sender, int valueIndex)>;
// False: the point is not added.
using TSeriesOnBeforeAdd = std::function<bool(TChartSeries *sender)>;
using TSeriesClick =
    std::function<void(TChartSeries *sender, int valueIndex, TMouseButton button, TShiftState shift, int x, int y)>;
using TSeriesOnGetMarkText = std::function<void(TChartSeries *sender, int valueIndex, QString &markText)>;

class TChartSeries : public TCustomChartSeries, public ValueListOwner, public AxisSeriesView
{
    Q_OBJECT
    Q_PROPERTY(TChartBrush *Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(bool ColorEachPoint READ ColorEachPoint WRITE SetColorEachPoint)
    Q_PROPERTY(QString ColorSource READ ColorSource WRITE SetColorSource)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(QObject *DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(int Depth READ Depth WRITE SetDepth)
    Q_PROPERTY(PlotEngineEnums::THorizAxis HorizAxis READ HorizAxis WRITE SetHorizAxis)
    Q_PROPERTY(TSeriesMarks *Marks READ Marks WRITE SetMarks)
    Q_PROPERTY(QString PercentFormat READ PercentFormat WRITE SetPercentFormat)
    Q_PROPERTY(TColor SeriesColor READ SeriesColor WRITE SetSeriesColor)
    Q_PROPERTY(QString ValueFormat READ ValueFormat WRITE SetValueFormat)
    Q_PROPERTY(PlotEngineEnums::TVertAxis VertAxis READ VertAxis WRITE SetVertAxis)
    Q_PROPERTY(QString XLabelsSource READ XLabelsSource WRITE SetXLabelsSource)
    Q_PROPERTY(TChartValueList *XValues READ XValues)
    Q_PROPERTY(TChartValueList *YValues READ YValues)
public:
    // Sample points a series type fills itself with by default.
    static constexpr int NumSampleValues = 25;
    // Value events a dependent accepts (ValueEventMask bits).
    enum ValueEventBits { veRemove = 1, veModify = 2, veAdd = 4, veClear = 8 };

    explicit TChartSeries(QObject *owner = nullptr);
    ~TChartSeries() override;

    // Published properties.
    bool ColorEachPoint() const { return m_colorEachPoint; }
    virtual void SetColorEachPoint(bool value);
    QString ColorSource() const { return m_colorSource; }
    void SetColorSource(const QString &value);
    int Cursor() const { return m_cursor; }
    void SetCursor(int value) { m_cursor = value; }
    Q_INVOKABLE bool IsCursorStored() const { return m_cursor != 0; }
    // The first data source; none removes the current one. Raises ChartException for a component
    // the chart does not accept, without a chart for anything but a series, and for a cycle.
    QObject *DataSource() const;
    void SetDataSource(QObject *value);
    Q_INVOKABLE bool IsDataSourceStored() const { return DataSource() != nullptr; }
    int Depth() const { return m_depth; }
    void SetDepth(int value) { SetIntegerProperty(m_depth, value); }
    Q_INVOKABLE bool IsDepthStored() const { return m_depth != -1; }
    THorizAxis HorizAxis() const { return m_horizAxis; }
    void SetHorizAxis(THorizAxis value);
    Q_INVOKABLE bool IsHorizAxisStored() const { return m_horizAxis != aBottomAxis; }
    TSeriesMarks *Marks() const { return m_marks; }
    void SetMarks(const TSeriesMarks *value);
    QString PercentFormat() const { return m_percentFormat; }
    void SetPercentFormat(const QString &value) { SetStringProperty(m_percentFormat, value); }
    Q_INVOKABLE bool IsPercentFormatStored() const;
    TColor SeriesColor() const { return m_seriesColor; }
    virtual void SetSeriesColor(TColor value);
    Q_INVOKABLE bool IsSeriesColorStored() const { return m_seriesColor != clPlotColor; }
    QString ValueFormat() const { return m_valueFormat; }
    void SetValueFormat(const QString &value) { SetStringProperty(m_valueFormat, value); }
    Q_INVOKABLE bool IsValueFormatStored() const;
    TVertAxis VertAxis() const { return m_vertAxis; }
    void SetVertAxis(TVertAxis value);
    Q_INVOKABLE bool IsVertAxisStored() const { return m_vertAxis != aLeftAxis; }
    QString XLabelsSource() const { return m_xLabelsSource; }
    void SetXLabelsSource(const QString &value) { SetStringProperty(m_xLabelsSource, value); }

    // Events; each may throw, which reaches the caller (inside a chart pass, the panel's guard).
    TSeriesNotifyEvent AfterDrawValues;
    TSeriesNotifyEvent BeforeDrawValues;
    // Hooks of tools around the drawing of the values, one pair per owner, beside the user's
    // events: the before hooks run ahead of BeforeDrawValues, the after hooks behind AfterDrawValues.
    void AddDrawValuesHooks(const void *owner, std::function<void()> before, std::function<void()> after);
    void RemoveDrawValuesHooks(const void *owner);
    TSeriesOnAfterAdd OnAfterAdd;
    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesNotifyEvent OnClearValues;
    TSeriesClick OnClick;
    TSeriesClick OnDblClick;
    TSeriesOnGetMarkText OnGetMarkText;
    TSeriesNotifyEvent OnMouseEnter;
    TSeriesNotifyEvent OnMouseLeave;

    // Saving the points: "Data" is written with ForceSaveData, or with ManualData unless NeverSaveData.
    bool NeverSaveData = false;
    bool ForceSaveData = false;
    bool ManualData() const { return m_manualData; }
    void SetManualData(bool value) { m_manualData = value; }
    // Only the points that lie within the axis range are drawn (ordered X values only).
    bool VisibleRangeOnly = true;
    // The first point beyond the far edge is drawn too (lines leaving the chart).
    bool DrawOneBeyondEdge = false;
    // A function over all points gives one point in the middle, else two at the ends.
    bool FunctionSinglePoint = true;
    bool ExcludeFromZOrderTest = false;
    // The X values are the series' own (false: the point indexes), for the stored data.
    bool OwnXValues = true;
    // Events a dependent series follows (veRemove | veModify | veAdd | veClear); refills always.
    int ValueEventMask = 15;
    // Sample points of FillSampleValues(0); 0 takes NumSampleValues.
    int SampleCount = 0;
    // The points FillSampleValues(0) makes: SampleCount, else NumSampleValues; a type may ask
    // the chart instead.
    virtual int DefaultSampleCount() const { return SampleCount > 0 ? SampleCount : NumSampleValues; }
    // A flag the series types give meaning to; set by the constructor, copied by Assign.
    bool TypeFlag = true;

    // AxisSeriesView
    bool Active() const override { return TCustomChartElement::Active(); }
    // False for types whose points each have their own colour (a pie): editors show no series colour.
    virtual bool HasSingleSeriesColor() const { return true; }
    bool AssociatedToAxis(const TChartAxis &axis) const override;
    bool YMandatory() const override { return m_yMandatory; }
    int Count() const override { return m_xValues->Count(); }
    int FirstValueIndex() const override { return m_firstValueIndex; }
    int LastValueIndex() const override { return m_lastValueIndex; }
    TChartValueList *XValues() const override { return m_xValues; }
    TChartValueList *YValues() const override { return m_yValues; }
    QString PointLabel(int index) const override { return m_labels.GetLabel(index); }
    bool HasPointLabels() const override;
    QString MarkText(int index) const override { return GetMarkText(index); }
    bool HasZValues() const override { return false; }
    double MinZValue() const override;
    double MaxZValue() const override;
    int StartZ() const override { return m_startZ; }
    int MiddleZ() const override { return m_middleZ; }
    int EndZ() const override { return m_endZ; }

    // ValueListOwner
    void PermutePoints(const std::vector<int> &order) override;
    void NotifyValue(TValueEvent event, int index) override;
    void SetBooleanProperty(bool &variable, bool value) override { TCustomChartElement::SetBooleanProperty(variable, value); }
    void CheckDataSource() override;

    // Value lists: 0 is X, 1 is Y, 2 and up the extra lists of series types.
    const std::vector<TChartValueList *> &ValueLists() const { return m_valueLists; }
    TChartValueList *MandatoryValueList() const { return m_yMandatory ? m_yValues : m_xValues; }
    TChartValueList *NotMandatoryValueList() const { return m_yMandatory ? m_xValues : m_yValues; }
    // The extra list of that name (any case), else the Y list.
    TChartValueList *GetValueListByName(const QString &name) const;
    // Makes Y the not-mandatory list (ascending) and X the values (horizontal bars and lines).
    void SetHorizontal();
    TLabelsList &Labels() { return m_labels; }
    const TLabelsList &Labels() const { return m_labels; }
    // The per-point colours; empty while no point has a colour of its own.
    std::span<const TColor> ColorList() const { return m_colors; }

    // Point access; indexes are checked (ChartException).
    double GetXValue(int index) const { return m_xValues->Value(index); }
    double GetYValue(int index) const { return m_yValues->Value(index); }
    virtual TColor GetValueColor(int index) const;
    void SetValueColor(int index, TColor color);
    bool IsNull(int index) const;
    // Series types with per-point lists of their own swap them too.
    virtual void SwapValueIndex(int a, int b);
    // The point's value along the mandatory list.
    virtual double GetMarkValue(int index) const { return MandatoryValueList()->Value(index); }
    virtual double GetOriginValue(int index) const { return GetMarkValue(index); }

    // Adding: the new point's index, or -1 when OnBeforeAdd refused it.
    virtual int AddXY(double x, double y, const QString &label = {}, TColor color = clPlotColor);
    int Add(double value, const QString &label = {}, TColor color = clPlotColor);
    int AddNull(const QString &label = {}) { return Add(0.0, label, clNone); }
    int AddNullXY(double x, double y, const QString &label = {}) { return AddXY(x, y, label, clNone); }
    // Many points at once, in any X order: the same points as adding each, one notification.
    void AddXYArray(std::span<const double> x, std::span<const double> y);
    void AddArray(std::span<const double> values);

    // Deleting. Delete raises ChartException for an index outside the points; DeleteRange cuts
    // the quantity to the points there and ignores a negative start or no quantity.
    virtual void Delete(int index);
    void DeleteRange(int start, int quantity, bool removeGap = false);
    virtual void Clear();
    virtual void ClearLists();

    // Notifications are held while the update counter is above 0; the last EndUpdate refills
    // the dependents once and tells the chart.
    void BeginUpdate() { ++m_updateCount; }
    // An update bracket: end() sends the held notification; leaving by an exception only lowers
    // the counter, so a failed refill leaves no series stuck in updating.
    class UpdateScope
    {
    public:
        explicit UpdateScope(TChartSeries &series)
            : m_series(series)
        {
            series.BeginUpdate();
        }
        ~UpdateScope()
        {
            if (!m_ended)
                --m_series.m_updateCount;
        }
        UpdateScope(const UpdateScope &) = delete;
        UpdateScope &operator=(const UpdateScope &) = delete;
        void end()
        {
            m_ended = true;
            m_series.EndUpdate();
        }

    private:
        TChartSeries &m_series;
        bool m_ended = false;
    };
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }
    void RefreshSeries();
    // Tells the dependents of a new point and repaints; a series type may draw the point itself.
    virtual void NotifyNewValue(TChartSeries *sender, int index);

    // Data sources and dependents.
    TDataSourcesList &DataSources() { return m_dataSources; }
    const TDataSourcesList &DataSources() const { return m_dataSources; }
    const TCustomSeriesList &LinkedSeries() const { return m_linkedSeries; }
    // The checks of SetDataSource, then AddDataSource and a refill; the list is not cleared.
    void AddCheckedDataSource(QObject *component);
    int AddDataSource(QObject *component);
    void RemoveDataSource(QObject *component);
    void UnlinkFromSources();
    // True when the series is reachable from the component through data sources (or is it).
    static bool DependsOn(const QObject *component, const TChartSeries *series);
    // Whether the component may feed this series: a series that IsValidSeriesSource accepts.
    virtual bool IsValidComponentSource(const QObject *component) const;
    virtual bool IsValidSeriesSource(const TChartSeries *source) const { return source != this; }
    virtual int AddSourceValues(TChartSeries *source, int index);
    virtual void AddSourcePoint(TChartSeries *source, int index);
    virtual void AddValuesFrom(TChartSeries *source);
    void AssignValues(TChartSeries *source) { AddValuesFrom(source); }
    virtual void DeletedSourceValue(TChartSeries *source, int index);

    // The calculation that fills the series from its sources; owned. Attaching clears ManualData.
    TPlotFunction *FunctionType() const { return m_function; }
    void SetFunction(TPlotFunction *value);

    // Axes.
    TChartAxis *CustomHorizAxis() const { return m_customHorizAxis; }
    void SetCustomHorizAxis(TChartAxis *value);
    TChartAxis *CustomVertAxis() const { return m_customVertAxis; }
    void SetCustomVertAxis(TChartAxis *value);
    // The axis objects BindAxes chose; none without a chart.
    TChartAxis *GetHorizAxis() const { return m_horizAxisObject; }
    TChartAxis *GetVertAxis() const { return m_vertAxisObject; }
    TChartAxis *GetMandatoryAxis() const { return m_yMandatory ? GetVertAxis() : GetHorizAxis(); }
    void BindAxes();
    // The list the axis shows: X for a horizontal axis, Y for a vertical one; none when not associated.
    TChartValueList *GetAxisValueList(const TChartAxis &axis) const;
    virtual bool UseAxis() const { return true; }

    // Pixels of values and points through the bound axes.
    int CalcXPosValue(double value) const
    {
        const TChartAxis *axis = m_horizAxisObject.data();
        return axis ? axis->ValueToPixel(value) : 0;
    }
    int CalcYPosValue(double value) const
    {
        const TChartAxis *axis = m_vertAxisObject.data();
        return axis ? axis->ValueToPixel(value) : 0;
    }
    int CalcPosValue(double value) const { return m_yMandatory ? CalcYPosValue(value) : CalcXPosValue(value); }
    // Series types that move their points (stacking) override these.
    virtual int CalcXPos(int index) const { return CalcXPosValue(m_xValues->Values()[std::size_t(index)]); }
    virtual int CalcYPos(int index) const { return CalcYPosValue(m_yValues->Values()[std::size_t(index)]); }

    // Drawing, called by the chart's contents draw.
    void SetVisibleRange(int first, int last)
    {
        m_firstValueIndex = first;
        m_lastValueIndex = last;
    }
    virtual void CalcFirstLastVisibleIndex();
    void CalcFirstLastPage(int &first, int &last) const;
    virtual void DrawAllValues();
    virtual void DrawValue(int valueIndex) { Q_UNUSED(valueIndex); }
    virtual bool DrawValuesForward() const;
    virtual bool DrawSeriesForward(int valueIndex) const;
    int GetFirstDrawnIndex() const { return DrawValuesForward() ? m_firstValueIndex : m_lastValueIndex; }
    virtual void DoBeforeDrawValues();
    virtual void DoAfterDrawValues();
    // The marks of the visible points.
    virtual void DrawMarks();
    virtual void DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position);
    virtual void CalcZOrder();
    int ZOrder() const { return m_zOrder; }
    void SetZOrder(int value) { SetIntegerProperty(m_zOrder, value); }
    int GetZOrder() const { return m_zOrder == -1 ? m_computedZOrder : m_zOrder; }
    void SetComputedZOrder(int value) { m_computedZOrder = value; }
    virtual void CalcDepthPositions();
    virtual bool MoreSameZOrder() const;
    bool IsFirstInZOrder() const;
    // The point under a screen position; -1 in the base.
    virtual int Clicked(int x, int y) const;
    // Cursor and OnMouseEnter/OnMouseLeave over the points; whether a point is under the mouse.
    bool CheckMouse(int x, int y);

    // Legend.
    virtual int CountLegendItems() const { return Count(); }
    virtual int LegendToValueIndex(int legendIndex) const { return legendIndex; }
    virtual TColor LegendItemColor(int legendIndex) const { return GetValueColor(legendIndex); }
    virtual QString GetLegendText(int legendIndex, TLegendTextStyle style) const;
    // The legend symbol of a point (-1: the whole series) in the rectangle.
    void DrawLegend(int valueIndex, const TRect &rect);
    // The same for a series that belongs to no chart: it draws through this chart's canvas and
    // settings for the call, without joining its series list. A series with a chart uses its own.
    void DrawLegendThrough(TCustomAxisPanel &chart, int valueIndex, const TRect &rect);
    virtual void DrawLegendShape(int valueIndex, const TRect &rect);
    virtual void PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle);
    // The line of a legend symbol through the middle of its box, in the canvas' pen, clipped to the
    // box: a wide pen stays a band inside it.
    void DrawLegendLine(const TRect &rect);

    // Texts of values.
    QString ValueText(double value) const;
    QString PercentText(double value) const;
    QString XValueText(int index) const;
    virtual QString GetMarkText(int valueIndex) const;

    // Statistics along X, Y and the depth (the z order).
    virtual double MaxXValue() const { return m_xValues->MaxValue(); }
    virtual double MinXValue() const { return m_xValues->MinValue(); }
    virtual double MaxYValue() const { return m_yValues->MaxValue(); }
    virtual double MinYValue() const { return m_yValues->MinValue(); }

    // Colour the chart gave the series; its own SeriesColor wins when set.
    TColor DefaultColor() const { return m_defaultColor; }
    void SetDefaultColor(TColor value) { m_defaultColor = value; }
    TColor Color() const { return m_seriesColor == clPlotColor ? m_defaultColor : m_seriesColor; }

    // Sample data: replaces the points. A negative count raises ChartException.
    void FillSampleValues(int numValues = 0);
    virtual void AddSampleValues(int numValues, bool onlyMandatory);
    void CheckOrder();
    // A random integer 0..limit-1 from the library's generator.
    static int RandomInt(int limit);
    // A small gallery sample of the series.
    virtual void PrepareForGallery(bool enabled);
    // Sub-styles the series type offers a gallery; the base offers "Normal".
    virtual void CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const;
    virtual void SetSubGallery(int index) { Q_UNUSED(index); }

    // The chart adds and removes the series.
    void SetParentChart(TCustomAxisPanel *value) override;
    virtual void Added();
    virtual void Removed();

    void Assign(const TCustomChartElement &source) override;
    // "DataSources", "CustomHorizAxis", "CustomVertAxis" and "Data" after the series' own.
    void defineProperties(PropertyFiler &filer) override;
    void Loaded() override;
    // The "Data" block. Reading replaces the points; a bad block raises ChartException with the
    // wrong-format text and leaves the series empty. Labels longer than 255 UTF-8 bytes are cut.
    QByteArray WriteData() const;
    void ReadData(const QByteArray &data);
    // Whether WriteData writes the point; every point in the base (a pie leaves out the slice it
    // makes itself).
    virtual bool IsPointStored(int index) const
    {
        Q_UNUSED(index);
        return true;
    }
    bool IsDataStored() const { return ForceSaveData || (m_manualData && !NeverSaveData); }

protected:
    // A series type adds its extra lists (bar start, bubble radius...) from index 2 on.
    TChartValueList *addValueList(const QString &name);
    void setHorizAxisObject(TChartAxis *axis) { m_horizAxisObject = axis; }
    // Narrows the depth CalcDepthPositions gave (bars of less than the whole depth).
    void setDepthPositions(int startZ, int endZ)
    {
        m_startZ = startZ;
        m_endZ = endZ;
        m_middleZ = int((static_cast<long long>(startZ) + endZ) / 2);
        m_marks->SetZPosition(m_middleZ);
    }
    // The colour list with an entry for every point, created on demand.
    std::vector<TColor> &ensureColors();
    // Where samples of numValues points go: the first X, the X step, the first Y and the Y range,
    // from the axes when the chart shows active series, else from 0 (today for date-time X).
    struct RandomBounds
    {
        double startX = 0.0;
        double stepX = 0.0;
        double startY = 0.0;
        double rangeY = 0.0;
    };
    RandomBounds CalcRandomBounds(int numValues) const;

private:
    friend class TPlotFunction;

    void deletePointEntries(int index);
    void linkTo(TChartSeries *source) { source->m_linkedSeries.AddUnique(this); }
    void unlinkFrom(TChartSeries *source) { source->m_linkedSeries.Remove(this); }
    void checkCircular(QObject *component) const;
    void resolveStoredSources();
    int readAxisIndex(const QVariant &value, const QString &property) const;
    int customAxisIndex(const TChartAxis *axis) const;
    // The points of a "Data" block, list k's values in columns[k], added as AddXY would add them.
    void addReadPointsOneByOne(const std::vector<std::vector<double>> &columns, const std::vector<TColor> &colors,
                               const std::vector<QString> &labels);
    void appendReadPoints(std::vector<std::vector<double>> &columns, std::vector<TColor> &colors,
                          std::vector<QString> &labels);

    std::vector<TChartValueList *> m_valueLists;
    TChartValueList *m_xValues = nullptr;
    TChartValueList *m_yValues = nullptr;
    bool m_yMandatory = true;
    std::vector<TColor> m_colors;
    struct DrawValuesHooks
    {
        const void *owner = nullptr;
        std::function<void()> before;
        std::function<void()> after;
    };
    std::vector<DrawValuesHooks> m_drawValuesHooks;
    TLabelsList m_labels;
    TSeriesMarks *m_marks = nullptr;
    TDataSourcesList m_dataSources;
    TCustomSeriesList m_linkedSeries;
    QStringList m_storedSourceNames;
    QPointer<TPlotFunction> m_function;

    TColor m_seriesColor = clPlotColor;
    TColor m_defaultColor = clPlotColor;
    bool m_colorEachPoint = false;
    QString m_colorSource;
    int m_cursor = 0;
    int m_depth = -1;
    QString m_xLabelsSource;
    QString m_percentFormat;
    QString m_valueFormat;
    THorizAxis m_horizAxis = aBottomAxis;
    TVertAxis m_vertAxis = aLeftAxis;
    QPointer<TChartAxis> m_customHorizAxis;
    QPointer<TChartAxis> m_customVertAxis;
    QPointer<TChartAxis> m_horizAxisObject;
    QPointer<TChartAxis> m_vertAxisObject;
    int m_zOrder = -1;
    int m_computedZOrder = 0;
    int m_startZ = 0;
    int m_middleZ = 0;
    int m_endZ = 0;
    int m_firstValueIndex = -1;
    int m_lastValueIndex = -1;
    int m_updateCount = 0;
    bool m_manualData = false;
    bool m_mouseInside = false;
};
