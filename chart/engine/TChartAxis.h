// A chart axis: its range and scale, value-to-pixel conversion, increments, labels, ticks and grid.
#pragma once

#include "AxisScale.h"
#include "EngineTypes.h"
#include "TAxisGridPen.h"
#include "TAxisItems.h"
#include "TChartAxisPen.h"
#include "TChartAxisTitle.h"

#include "PlotTypes.h"
#include "TChartPen.h"
#include "TPlotFont.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QLocale>
#include <QString>

#include <functional>
#include <vector>

class AxisHost;
class AxisSeriesView;
class TCanvas3D;
class TChartAxis;
class TChartValueList;

// Called before a label is drawn; may move it, change its text or skip it (drawLabel False).
using TAxisDrawLabelEvent = std::function<void(TChartAxis *sender, int &x, int &y, int &z, QString &text, bool &drawLabel)>;

class TChartAxis : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Automatic READ Automatic WRITE SetAutomatic)
    Q_PROPERTY(bool AutomaticMaximum READ AutomaticMaximum WRITE SetAutomaticMaximum)
    Q_PROPERTY(bool AutomaticMinimum READ AutomaticMinimum WRITE SetAutomaticMinimum)
    Q_PROPERTY(double Maximum READ Maximum WRITE SetMaximum)
    Q_PROPERTY(double Minimum READ Minimum WRITE SetMinimum)
    Q_PROPERTY(double Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
    Q_PROPERTY(double LogarithmicBase READ LogarithmicBase WRITE SetLogarithmicBase)
    Q_PROPERTY(bool Inverted READ Inverted WRITE SetInverted)
    Q_PROPERTY(bool Horizontal READ Horizontal WRITE SetHorizontal)
    Q_PROPERTY(bool OtherSide READ OtherSide WRITE SetOtherSide)
    Q_PROPERTY(double StartPosition READ StartPosition WRITE SetStartPosition)
    Q_PROPERTY(double EndPosition READ EndPosition WRITE SetEndPosition)
    Q_PROPERTY(double PositionPercent READ PositionPercent WRITE SetPositionPercent)
    Q_PROPERTY(PlotEnums::TPlotUnits PositionUnits READ PositionUnits WRITE SetPositionUnits)
    Q_PROPERTY(int MinimumOffset READ MinimumOffset WRITE SetMinimumOffset)
    Q_PROPERTY(int MaximumOffset READ MaximumOffset WRITE SetMaximumOffset)
    Q_PROPERTY(double ZPosition READ ZPosition WRITE SetZPosition)
    Q_PROPERTY(int LabelsSeparation READ LabelsSeparation WRITE SetLabelsSeparation)
    Q_PROPERTY(bool LabelsAlternate READ LabelsAlternate WRITE SetLabelsAlternate)
    Q_PROPERTY(TChartAxisPen *Axis READ Axis)
    Q_PROPERTY(TAxisGridPen *Grid READ Grid)
    Q_PROPERTY(TDarkGrayPen *Ticks READ Ticks)
    Q_PROPERTY(TDarkGrayPen *TicksInner READ TicksInner)
    Q_PROPERTY(TDarkGrayPen *MinorTicks READ MinorTicks)
    Q_PROPERTY(TChartHiddenPen *MinorGrid READ MinorGrid)
    Q_PROPERTY(QString AxisValuesFormat READ AxisValuesFormat WRITE SetAxisValuesFormat)
    Q_PROPERTY(QString DateTimeFormat READ DateTimeFormat WRITE SetDateTimeFormat)
    Q_PROPERTY(bool ExactDateTime READ ExactDateTime WRITE SetExactDateTime)
    Q_PROPERTY(bool GridCentered READ GridCentered WRITE SetGridCentered)
    Q_PROPERTY(bool Labels READ Labels WRITE SetLabels)
    Q_PROPERTY(PlotEngineEnums::TAxisLabelAlign LabelsAlign READ LabelsAlign WRITE SetLabelsAlign)
    Q_PROPERTY(int LabelsAngle READ LabelsAngle WRITE SetLabelsAngle)
    Q_PROPERTY(bool LabelsExponent READ LabelsExponent WRITE SetLabelsExponent)
    Q_PROPERTY(TPlotFont *LabelsFont READ LabelsFont)
    Q_PROPERTY(bool LabelsMultiLine READ LabelsMultiLine WRITE SetLabelsMultiLine)
    Q_PROPERTY(bool LabelsOnAxis READ LabelsOnAxis WRITE SetLabelsOnAxis)
    Q_PROPERTY(int LabelsSize READ LabelsSize WRITE SetLabelsSize)
    Q_PROPERTY(PlotEngineEnums::TAxisLabelStyle LabelStyle READ LabelStyle WRITE SetLabelStyle)
    Q_PROPERTY(int MinorTickCount READ MinorTickCount WRITE SetMinorTickCount)
    Q_PROPERTY(int MinorTickLength READ MinorTickLength WRITE SetMinorTickLength)
    Q_PROPERTY(bool RoundFirstLabel READ RoundFirstLabel WRITE SetRoundFirstLabel)
    Q_PROPERTY(int TickInnerLength READ TickInnerLength WRITE SetTickInnerLength)
    Q_PROPERTY(int TickLength READ TickLength WRITE SetTickLength)
    Q_PROPERTY(bool TickOnLabelsOnly READ TickOnLabelsOnly WRITE SetTickOnLabelsOnly)
    Q_PROPERTY(TChartAxisTitle *Title READ Title)
    Q_PROPERTY(int TitleSize READ TitleSize WRITE SetTitleSize)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    // Smallest date-time step in days: one microsecond.
    static constexpr double kMinDateTimeIncrement = 1.0 / 86400000000.0;

    // The host (the panel, not owned, possibly none) gives the chart rectangle, the series and the canvas.
    explicit TChartAxis(AxisHost *host = nullptr, QObject *parent = nullptr);
    ~TChartAxis() override;

    AxisHost *Host() const { return m_host; }
    // Axes from index 6 on in the panel's list store their orientation and side.
    bool IsCustom() const { return m_custom; }
    void SetCustom(bool value) { m_custom = value; }
    bool IsDepthAxis() const { return m_depthAxis; }

    // Scale properties.
    bool Automatic() const { return m_automatic; }
    void SetAutomatic(bool value);
    bool AutomaticMaximum() const { return m_automaticMaximum; }
    void SetAutomaticMaximum(bool value);
    bool AutomaticMinimum() const { return m_automaticMinimum; }
    void SetAutomaticMinimum(bool value);
    double Maximum() const { return m_maximum; }
    void SetMaximum(double value);
    Q_INVOKABLE bool IsMaximumStored() const { return !m_automatic && !m_automaticMaximum; }
    double Minimum() const { return m_minimum; }
    void SetMinimum(double value);
    Q_INVOKABLE bool IsMinimumStored() const { return !m_automatic && !m_automaticMinimum; }
    double Increment() const { return m_increment; }
    void SetIncrement(double value);
    bool Logarithmic() const { return m_logarithmic; }
    void SetLogarithmic(bool value);
    double LogarithmicBase() const { return m_logarithmicBase; }
    void SetLogarithmicBase(double value);
    Q_INVOKABLE bool IsLogarithmicBaseStored() const { return m_logarithmicBase != 10.0; }
    bool Inverted() const { return m_inverted; }
    virtual void SetInverted(bool value);
    bool Horizontal() const { return m_horizontal; }
    void SetHorizontal(bool value);
    Q_INVOKABLE bool IsHorizontalStored() const { return m_custom; }
    bool OtherSide() const { return m_otherSide; }
    void SetOtherSide(bool value);
    Q_INVOKABLE bool IsOtherSideStored() const { return m_custom; }
    double StartPosition() const { return m_startPosition; }
    void SetStartPosition(double value);
    Q_INVOKABLE bool IsStartPositionStored() const { return m_startPosition != 0.0; }
    double EndPosition() const { return m_endPosition; }
    void SetEndPosition(double value);
    Q_INVOKABLE bool IsEndPositionStored() const { return m_endPosition != 100.0; }
    double PositionPercent() const { return m_positionPercent; }
    void SetPositionPercent(double value);
    Q_INVOKABLE bool IsPositionPercentStored() const { return m_positionPercent != 0.0; }
    TPlotUnits PositionUnits() const { return m_positionUnits; }
    void SetPositionUnits(TPlotUnits value);
    int MinimumOffset() const { return m_minimumOffset; }
    void SetMinimumOffset(int value);
    int MaximumOffset() const { return m_maximumOffset; }
    void SetMaximumOffset(int value);
    double ZPosition() const { return m_zPosition; }
    void SetZPosition(double value);
    Q_INVOKABLE bool IsZPositionStored() const;
    int LabelsSeparation() const { return m_labelsSeparation; }
    void SetLabelsSeparation(int value);
    bool LabelsAlternate() const { return m_labelsAlternate; }
    void SetLabelsAlternate(bool value);

    // Pens.
    TChartAxisPen *Axis() const { return m_axisPen; }
    TAxisGridPen *Grid() const { return m_grid; }
    TDarkGrayPen *Ticks() const { return m_ticks; }
    TDarkGrayPen *TicksInner() const { return m_ticksInner; }
    TDarkGrayPen *MinorTicks() const { return m_minorTicks; }
    TChartHiddenPen *MinorGrid() const { return m_minorGrid; }

    // Label and drawing properties.
    QString AxisValuesFormat() const { return m_axisValuesFormat; }
    void SetAxisValuesFormat(const QString &value);
    Q_INVOKABLE bool IsAxisValuesFormatStored() const;
    QString DateTimeFormat() const { return m_dateTimeFormat; }
    void SetDateTimeFormat(const QString &value);
    bool ExactDateTime() const { return m_exactDateTime; }
    void SetExactDateTime(bool value);
    bool GridCentered() const;
    void SetGridCentered(bool value);
    // The labels' visibility and font are those of the items' format shape.
    bool Labels() const { return m_items->Format()->Visible(); }
    void SetLabels(bool value) { m_items->Format()->SetVisible(value); }
    TPlotFont *LabelsFont() const { return m_items->Format()->Font(); }
    TAxisLabelAlign LabelsAlign() const { return m_labelsAlign; }
    void SetLabelsAlign(TAxisLabelAlign value);
    int LabelsAngle() const { return m_labelsAngle; }
    void SetLabelsAngle(int value);
    bool LabelsExponent() const { return m_labelsExponent; }
    void SetLabelsExponent(bool value);
    bool LabelsMultiLine() const { return m_labelsMultiLine; }
    void SetLabelsMultiLine(bool value);
    bool LabelsOnAxis() const { return m_labelsOnAxis; }
    void SetLabelsOnAxis(bool value);
    int LabelsSize() const { return m_labelsSize; }
    void SetLabelsSize(int value);
    TAxisLabelStyle LabelStyle() const { return m_labelStyle; }
    void SetLabelStyle(TAxisLabelStyle value);
    int MinorTickCount() const { return m_minorTickCount; }
    void SetMinorTickCount(int value);
    int MinorTickLength() const { return m_minorTickLength; }
    void SetMinorTickLength(int value);
    bool RoundFirstLabel() const { return m_roundFirstLabel; }
    void SetRoundFirstLabel(bool value);
    int TickInnerLength() const { return m_tickInnerLength; }
    void SetTickInnerLength(int value);
    int TickLength() const { return m_tickLength; }
    void SetTickLength(int value);
    bool TickOnLabelsOnly() const { return m_tickOnLabelsOnly; }
    void SetTickOnLabelsOnly(bool value);
    TChartAxisTitle *Title() const { return m_title; }
    // Custom labels: when there are any, nothing else is labelled.
    TAxisItems *Items() const { return m_items; }
    int TitleSize() const { return m_titleSize; }
    void SetTitleSize(int value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    Q_INVOKABLE bool IsVisibleStored() const { return m_visible != m_defaultVisible; }

    // Copies every published property, the pens, the title and the items.
    virtual void Assign(const TChartAxis &source);

    // The working range and pixel extent of the current draw.
    const AxisScale &Scale() const { return m_scale; }
    double WorkMinimum() const { return m_scale.workMinimum; }
    double WorkMaximum() const { return m_scale.workMaximum; }
    double WorkRange() const { return m_scale.workRange; }
    bool RangeIsZero() const { return m_scale.rangeIsZero; }
    int StartPixel() const { return m_scale.startPixel; }
    int EndPixel() const { return m_scale.endPixel; }
    int PixelSize() const { return m_scale.pixelSize; }
    int CenterPixel() const { return m_scale.centerPixel; }
    int DepthPixel() const { return m_depthPixel; }
    bool LabelsDateTime() const { return m_labelsDateTime; }
    // Takes the date-time flag from the series, as the space calculation and the draw do first.
    void UpdateLabelsDateTime() { m_labelsDateTime = IsDateTime(); }
    // Sets the working range directly, as the panel does when it fits the range itself.
    void SetWorkRange(double minimum, double maximum);
    // Moves the pixel extent for one drawing and back (a series' shadow); the range stays.
    void SetPixelExtent(int start, int end)
    {
        m_scale.setExtent(start, end);
        m_scale.recalc(m_logarithmic);
    }

    int ValueToPixel(double value) const { return m_scale.valueToPixel(value); }
    int HorizValueToPixel(double value) const { return m_scale.horizValueToPixel(value); }
    int VertValueToPixel(double value) const { return m_scale.vertValueToPixel(value); }
    void ValueToPixels(const double *values, int n, int *out) const { m_scale.valuesToPixels(values, n, out); }
    double PixelToValue(int pixel) const { return m_scale.pixelToValue(pixel); }
    int SizeToPixels(double size) const;

    void RecalcMinMax();
    void RecalcScales();
    void CalcPixelExtent();
    // The coordinate of the axis line: the chart rectangle's side moved by PositionPercent.
    int CalcPosAxis() const;
    void BindAxisPosFunctions();
    void SetMinMax(double minimum, double maximum);
    void Scroll(double offset, bool checkLimits);
    // Widens the range so that the former range fills the extent less the margins along the axis.
    void FitRangeToMargins(const TRect &margins);

    bool IsDateTime() const;
    double LogIncrement(double value) const;
    double CalcIncrementForLabelCount(int maxLabels) const;
    double CalcIncrementForLabelSize(double size) const;
    int LabelSizeOfValue(double value) const;
    double CalcDrawIncrement() const;

    virtual QString FormatLabelValue(double value) const;
    virtual TAxisLabelStyle CalcLabelStyle() const;
    TAxisLabelStyle GetLabelStyle() const;

    // Places title, labels and line inside the rectangle and shrinks it, or (insideRect False)
    // places labels and title outward from the axis line.
    void CalcSpace(TRect &rect, bool insideRect);
    // The whole axis: title, labels with their tick positions, then line, ticks and grids.
    void DrawTitleAndLabels(bool calcPosAxis);
    void DrawAxisLines();
    // A wall drawn over the axis after the series would hide its title and labels: while set, the
    // axis draw leaves them out, and DrawDeferredTexts draws them once, over that wall.
    void SetTextsDeferred(bool value) { m_textsDeferred = value; }
    bool TextsDeferred() const { return m_textsDeferred; }
    void DrawDeferredTexts();
    int MaxLabelsWidth() const;
    bool Clicked(int x, int y) const;
    static int LineCount(const QString &text);

    // Pixel positions of the last layout: the axis line, the labels' and the title's inner edges.
    int PosAxis() const { return m_posAxis; }
    int PosLabels() const { return m_posLabels; }
    int PosTitle() const { return m_posTitle; }
    // The tick pixels collected by the last label pass, in drawing order.
    std::vector<int> TickPositions() const;
    // Whether the panel shows the axis, as its layout found.
    bool IsShown() const { return m_shown; }
    void SetShown(bool value) { m_shown = value; }
    void SetOnDrawLabel(TAxisDrawLabelEvent handler) { m_onDrawLabel = std::move(handler); }
    // A custom axis takes the range its master axis is given (not stored; none by default).
    TChartAxis *MasterAxis() const { return m_masterAxis; }
    void SetMasterAxis(TChartAxis *axis) { m_masterAxis = axis; }
    // The grid-band tool's routine, run before the grid lines. One routine at a time: a second
    // owner's replaces the first's, and clearing takes away only the owner's own.
    void SetGridCallback(const void *owner, std::function<void(TChartAxis &)> callback)
    {
        m_gridCallbackOwner = owner;
        m_gridCallback = std::move(callback);
    }
    void ClearGridCallback(const void *owner)
    {
        if (owner != m_gridCallbackOwner)
            return;
        m_gridCallbackOwner = nullptr;
        m_gridCallback = nullptr;
    }

protected:
    void setDepthAxis(bool value) { m_depthAxis = value; }
    void setDefaultVisible(bool value)
    {
        m_visible = value;
        m_defaultVisible = value;
    }
    void Repaint();
    template <class T>
    void setAndRepaint(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        Repaint();
    }

private:
    struct Tick
    {
        int pixel;
        double value;
    };
    // The last label a loop drew, for the test that skips a label overlapping it.
    struct DrawnLabel
    {
        bool any = false;
        int pixel = 0;
        int half = 0;
        // Off for the value loop of a linear axis, whose increment alone keeps its labels apart.
        bool separated = true;
        TRect box{}; // on the screen, kept in rotated 3D views
    };
    // Where a label's lines start from (each steps by h from there) and how they are aligned.
    struct LabelPlacement
    {
        int x = 0;
        int y = 0;
        int h = 0;
        int align = 0;
    };

    double numericIncrement(int maxLabels) const;
    double dateTimeIncrement(int maxLabels) const;
    bool labelsRunAcrossAxis() const;
    int labelSizeOfText(const QString &text) const;
    double drawIncrementForSize(int size) const;
    bool drawsValueLoop() const;
    TChartValueList *seriesValueList(const AxisSeriesView &series) const;
    int ticksSize() const;
    int labelsSizeAcross() const;
    int titleSizeAcross() const;
    int outward(int position, int distance) const;
    int positionOffset() const;

    // The label pass.
    int timeStepIndex(double increment) const;
    // Whether the pass labels anything with this increment and time step.
    bool labelsDrawn(double increment, int stepIndex) const;
    bool usesLogLoop() const;
    void forEachValueLoopLabel(double increment, int stepIndex, const std::function<void(double)> &visit) const;
    std::vector<double> logLabelValues() const;
    bool onAxis(int pixel) const;
    bool clearsLastLabel(const DrawnLabel &last, int pixel, int size, int &half) const;
    // A rotated (not orthogonal) 3D view: labels are measured and kept apart on the screen.
    bool rotatedView() const;
    // In a rotated view: whether the label's screen box clears the last one's; box is set to it.
    bool clearsLastBox(const DrawnLabel &last, int pixel, const QString &text, TRect &box) const;
    int rotatedLabelSize(const QString &text) const;
    LabelPlacement placeAxisLabel(TCanvas3D &canvas, int x, int y, int angle, const QString &text,
                                  bool isTitle) const;
    TRect labelScreenBox(TCanvas3D &canvas, int x, int y, int z, int angle, const QString &text, bool isTitle) const;
    void labelAnchor(int pixel, int &x, int &y, int &z) const;
    int titleClearOfLabels(TCanvas3D &canvas, int along, int angle, const QString &caption) const;
    void drawTitleAndLabelTexts(bool calcPosAxis);
    void drawValueLoop(double increment, int stepIndex);
    void drawLogLoop();
    void drawEventLoop(double increment, int stepIndex);
    void drawPointLabels(TAxisLabelStyle style);
    void drawDepthTitles();
    void drawTitle();
    void drawItems();
    bool drawValue(double value, DrawnLabel *last = nullptr);
    void addTick(int pixel, double value);
    void drawLabelAt(int pixel, const QString &text, TPlotCustomShape *format = nullptr);
    void drawAxisLabel(int x, int y, int z, int angle, QString text, bool exponentForm, TPlotCustomShape *format);
    void drawLabelFrame(TCanvas3D &canvas, TPlotCustomShape &format, int x, int y, int z, int align,
                        const QString &text, int lines);
    void drawExponentLabel(TCanvas3D &canvas, int x, int y, int z, const QString &text);
    void drawLine(TCanvas3D &canvas, int position, int from, int to, int z);
    void drawGridLine(TCanvas3D &canvas, int pixel);
    std::vector<int> minorTickPositions() const;

    AxisHost *m_host = nullptr;
    bool m_custom = false;
    bool m_depthAxis = false;

    bool m_automatic = true;
    bool m_automaticMaximum = true;
    bool m_automaticMinimum = true;
    double m_maximum = 0.0;
    double m_minimum = 0.0;
    double m_increment = 0.0;
    bool m_logarithmic = false;
    double m_logarithmicBase = 10.0;
    bool m_inverted = false;
    bool m_horizontal = false;
    bool m_otherSide = false;
    double m_startPosition = 0.0;
    double m_endPosition = 100.0;
    double m_positionPercent = 0.0;
    TPlotUnits m_positionUnits = muPercent;
    int m_minimumOffset = 0;
    int m_maximumOffset = 0;
    double m_zPosition = 0.0;
    int m_labelsSeparation = 10;
    bool m_labelsAlternate = false;

    TChartAxisPen *m_axisPen = nullptr;
    TAxisGridPen *m_grid = nullptr;
    TDarkGrayPen *m_ticks = nullptr;
    TDarkGrayPen *m_ticksInner = nullptr;
    TDarkGrayPen *m_minorTicks = nullptr;
    TChartHiddenPen *m_minorGrid = nullptr;
    QString m_axisValuesFormat;
    // Label texts of values in m_valueTextsFormat and the separators, by the value's bits: a
    // redraw of an unchanged axis formats none of them again.
    mutable QHash<quint64, QString> m_valueTexts;
    mutable QString m_valueTextsFormat;
    mutable QLocale m_valueTextsLocale;
    QString m_dateTimeFormat;
    bool m_exactDateTime = true;
    TAxisLabelAlign m_labelsAlign = alDefault;
    int m_labelsAngle = 0;
    bool m_labelsExponent = false;
    bool m_labelsMultiLine = false;
    bool m_labelsOnAxis = true;
    int m_labelsSize = 0;
    TAxisLabelStyle m_labelStyle = talAuto;
    int m_minorTickCount = 3;
    int m_minorTickLength = 2;
    bool m_roundFirstLabel = true;
    int m_tickInnerLength = 0;
    int m_tickLength = 4;
    bool m_tickOnLabelsOnly = true;
    int m_titleSize = 0;
    bool m_visible = true;
    bool m_defaultVisible = true;
    TChartAxisTitle *m_title = nullptr;
    TAxisItems *m_items = nullptr;
    TAxisDrawLabelEvent m_onDrawLabel;
    QPointer<TChartAxis> m_masterAxis;
    std::function<void(TChartAxis &)> m_gridCallback;
    const void *m_gridCallbackOwner = nullptr;

    AxisScale m_scale;
    int m_depthPixel = 0;
    bool m_labelsDateTime = false;
    bool m_shown = true;
    int m_posAxis = 0;
    int m_posLabels = 0;
    int m_posTitle = 0;
    int m_layoutLabelsSize = 0;
    std::vector<Tick> m_tickMarks;
    std::vector<AxisSeriesView *> m_axisSeries;
    bool m_outerRow = false;
    // The widest label of the current draw, for alternate rows and the opposite alignment.
    int m_passLabelsWidth = 0;
    // The screen boxes of the labels drawn in a rotated view, which the title keeps clear of.
    std::vector<TRect> m_labelBoxes;
    mutable bool m_labelEventOff = false;
    bool m_textsDeferred = false;
    // Set while a pass collects the tick positions of texts deferred to a later draw.
    bool m_textsHidden = false;
};
