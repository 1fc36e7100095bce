// One slice per point, in 2D or 3D: exploded slices, slice heights, a shadow, pattern brushes,
// marks around the rim, several pies of a chart in a grid, and the grouping of small values into
// one "other" slice with a legend of its own.
#pragma once

#include "PieSeriesTypes.h"
#include "PieSliceList.h"
#include "TCircledSeries.h"
#include "TPieOtherSlice.h"
#include "TPieShadow.h"

#include <optional>
#include <vector>

class TCanvas3D;

class TPieSeries : public TCircledSeries
{
    Q_OBJECT
    Q_PROPERTY(int AngleSize READ AngleSize WRITE SetAngleSize)
    Q_PROPERTY(bool AutoMarkPosition READ AutoMarkPosition WRITE SetAutoMarkPosition)
    Q_PROPERTY(TColor CircleBackColor READ CircleBackColor WRITE SetCircleBackColor)
    Q_PROPERTY(bool Dark3D READ Dark3D WRITE SetDark3D)
    Q_PROPERTY(int DarkPen READ DarkPen WRITE SetDarkPen)
    Q_PROPERTY(int ExplodeBiggest READ ExplodeBiggest WRITE SetExplodeBiggest)
    Q_PROPERTY(TPlotGradient *Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(PieSeriesEnums::TMultiPie MultiPie READ MultiPie WRITE SetMultiPie)
    Q_PROPERTY(TPieOtherSlice *OtherSlice READ OtherSlice WRITE SetOtherSlice)
    Q_PROPERTY(TChartPen *PiePen READ PiePen WRITE SetPiePen)
    Q_PROPERTY(TChartValueList *PieValues READ PieValues)
    Q_PROPERTY(int RotationAngle READ RotationAngle WRITE SetRotationAngle)
    Q_PROPERTY(TPieShadow *Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(bool UsePatterns READ UsePatterns WRITE SetUsePatterns)
public:
    // The X value of the point the grouping adds for the grouped slices.
    static constexpr double kOtherSliceX = 2147483647.0;
    // Sample points of a pie.
    static constexpr int kSampleCount = 8;

    // Start, middle and end angle of a slice in radians, before the rotation.
    struct SliceAngles
    {
        double start = 0.0;
        double middle = 0.0;
        double end = 0.0;
    };

    Q_INVOKABLE explicit TPieSeries(QObject *owner = nullptr);
    ~TPieSeries() override;

    int AngleSize() const { return m_angleSize; }
    void SetAngleSize(int value) { SetIntegerProperty(m_angleSize, value); }
    Q_INVOKABLE bool IsAngleSizeStored() const { return m_angleSize != 360; }
    bool AutoMarkPosition() const { return m_autoMarkPosition; }
    void SetAutoMarkPosition(bool value) { SetBooleanProperty(m_autoMarkPosition, value); }
    Q_INVOKABLE bool IsAutoMarkPositionStored() const { return !m_autoMarkPosition; }
    bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool value) { SetBooleanProperty(m_dark3D, value); }
    Q_INVOKABLE bool IsDark3DStored() const { return !m_dark3D; }
    // 0: PiePen as it is; otherwise the pen takes the slice colour darkened by 255 - DarkPen.
    int DarkPen() const { return m_darkPen; }
    void SetDarkPen(int value) { SetIntegerProperty(m_darkPen, value); }
    Q_INVOKABLE bool IsDarkPenStored() const { return m_darkPen != 0; }
    int ExplodeBiggest() const { return m_explodeBiggest; }
    void SetExplodeBiggest(int value) { SetIntegerProperty(m_explodeBiggest, value); }
    Q_INVOKABLE bool IsExplodeBiggestStored() const { return m_explodeBiggest != 0; }
    TMultiPie MultiPie() const { return m_multiPie; }
    void SetMultiPie(TMultiPie value) { setProperty(m_multiPie, value); }
    Q_INVOKABLE bool IsMultiPieStored() const { return m_multiPie != mpAutomatic; }
    TPieOtherSlice *OtherSlice() const { return m_otherSlice; }
    void SetOtherSlice(const TPieOtherSlice *value);
    TChartPen *PiePen() const { return Pen(); }
    void SetPiePen(const TChartPen *value) { SetPen(value); }
    TChartValueList *PieValues() const { return YValues(); }
    TPieShadow *Shadow() const { return m_shadow; }
    void SetShadow(const TPieShadow *value);
    bool UsePatterns() const { return m_usePatterns; }
    void SetUsePatterns(bool value) { SetBooleanProperty(m_usePatterns, value); }
    Q_INVOKABLE bool IsUsePatternsStored() const { return m_usePatterns; }
    // Ring slices with a hole of this percent of the radii; 0 draws whole slices.
    int DonutPercent() const { return m_donutPercent; }
    void SetDonutPercent(int value) { SetIntegerProperty(m_donutPercent, value); }

    // The explode percent and the height percent (of the depth, in 3D) of each slice.
    PieSliceList &ExplodedSlice() { return m_exploded; }
    PieSliceList &SliceHeight() { return m_heights; }
    // The slices of the last drawing, one per point.
    const std::vector<SliceAngles> &Angles() const { return m_angles; }
    // The index of the point the grouping made; -1 while there is none.
    int OtherSliceIndex() const { return m_otherIndex; }
    // Whether the grouping took the point into the "other" slice.
    bool IsGrouped(int valueIndex) const;
    // The explode offset of the slice: the slice is drawn moved by (x, -y).
    TPoint ExplodeOffset(int valueIndex) const;
    // Columns and rows of the grid that count pies share.
    static QSize PieGrid(int count);

    // Brush and pen of a slice.
    virtual void DrawPie(int valueIndex);

    QString GetEditorClassName() const override { return QStringLiteral("TPieSeriesEditor"); }
    bool HasSingleSeriesColor() const override { return false; }
    void Assign(const TCustomChartElement &source) override;
    void SetParentChart(TCustomAxisPanel *value) override;
    void Delete(int index) override;
    void ClearLists() override;
    void Clear() override;
    void PermutePoints(const std::vector<int> &order) override;
    void SwapValueIndex(int a, int b) override;
    bool IsPointStored(int index) const override;

    // A pie keeps the axes where they are and shares no depth with other series.
    double MaxXValue() const override;
    double MinXValue() const override;
    double MaxYValue() const override;
    double MinYValue() const override;
    int CalcXPos(int index) const override;
    bool MoreSameZOrder() const override { return false; }
    void CalcZOrder() override { SetComputedZOrder(-1); }
    void CalcFirstLastVisibleIndex() override;

    void PrepareForDraw() override;
    void DoBeforeDrawValues() override;
    void DoAfterDrawValues() override;
    void DrawAllValues() override;
    void DrawValue(int valueIndex) override;
    void DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position) override;
    int Clicked(int x, int y) const override;

    // The chart's legend leaves the grouped points out; the other-slice legend lists only them.
    int CountLegendItems() const override;
    int LegendToValueIndex(int legendIndex) const override;
    TColor LegendItemColor(int legendIndex) const override { return GetValueColor(LegendToValueIndex(legendIndex)); }
    void PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle) override;
    void DrawLegendShape(int valueIndex, const TRect &rect) override;

    void CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const override;
    void SetSubGallery(int index) override;
    void PrepareForGallery(bool enabled) override;
    int DefaultSampleCount() const override { return SampleCount > 0 ? SampleCount : kSampleCount; }
    void AddSampleValues(int numValues, bool onlyMandatory) override;

protected:
    void fitMarks() override;

private:
    bool isOwnOtherPoint(int index) const;
    void groupSmallSlices();
    void calcAngles();
    void explodeBiggest();
    void shrinkForExplode();
    void prepareSlicePen(TCanvas3D &canvas, TColor color) const;
    TBrushStyle sliceBrushStyle(int valueIndex) const;
    int sliceEndZ(int valueIndex) const;
    void drawOtherLegend();
    // The visible indexes in the order 3D slices are drawn: the farthest first.
    std::vector<int> drawingOrder() const;

    int m_angleSize = 360;
    bool m_autoMarkPosition = true;
    bool m_dark3D = true;
    int m_darkPen = 0;
    int m_explodeBiggest = 0;
    TMultiPie m_multiPie = mpAutomatic;
    TPieOtherSlice *m_otherSlice = nullptr; // children
    TPieShadow *m_shadow = nullptr;
    bool m_usePatterns = false;
    int m_donutPercent = 0;
    PieSliceList m_exploded;
    PieSliceList m_heights;
    std::vector<SliceAngles> m_angles;
    int m_otherIndex = -1;
    // Set while some slice is exploded or has a height of its own: slices are drawn one by one.
    bool m_individualSlices = false;
    // Set while the other-slice legend asks the legend hooks.
    bool m_otherLegendDrawing = false;
    std::optional<TRect> m_savedChartRect;
    TPoint m_previousRim;
    bool m_forceSides = false;
};
