// A series drawn as one polyline with the least work per point: no pointers, areas or per-point
// colours, repeated pixels skipped, and on a flat chart with ascending X values only the points
// that set pixels of their pixel column converted and drawn. With AutoRepaint off, a new point is
// drawn at once as one more segment, without a full pass.
#pragma once

#include "PixelColumnCache.h"
#include "TCustomLineSeries.h"

#include <optional>
#include <span>
#include <vector>

class TCanvas3D;
class TPlotCanvas3D;

class TFastLineSeries : public TCustomLineSeries
{
    Q_OBJECT
    Q_PROPERTY(bool AutoRepaint READ AutoRepaint WRITE SetAutoRepaint)
    Q_PROPERTY(bool DrawAllPoints READ DrawAllPoints WRITE SetDrawAllPoints)
    Q_PROPERTY(bool FastPen READ FastPen WRITE SetFastPen)
    Q_PROPERTY(bool IgnoreNulls READ IgnoreNulls WRITE SetIgnoreNulls)
    Q_PROPERTY(bool InvertedStairs READ InvertedStairs WRITE SetInvertedStairs)
    Q_PROPERTY(bool Stairs READ Stairs WRITE SetStairs)
public:
    Q_INVOKABLE explicit TFastLineSeries(QObject *owner = nullptr);
    ~TFastLineSeries() override;

    // False: an added point draws its segment at once, and the chart is not repainted.
    bool AutoRepaint() const { return m_autoRepaint; }
    void SetAutoRepaint(bool value) { m_autoRepaint = value; }
    Q_INVOKABLE bool IsAutoRepaintStored() const { return !m_autoRepaint; }
    // False skips every point whose X pixel is the previous point's.
    bool DrawAllPoints() const { return m_drawAllPoints; }
    void SetDrawAllPoints(bool value) { SetBooleanProperty(m_drawAllPoints, value); }
    Q_INVOKABLE bool IsDrawAllPointsStored() const { return !m_drawAllPoints; }
    // Kept for copies and files; the picture is the same with it on or off.
    bool FastPen() const { return m_fastPen; }
    void SetFastPen(bool value) { m_fastPen = value; }
    Q_INVOKABLE bool IsFastPenStored() const { return m_fastPen; }
    // False breaks the line at null points.
    bool IgnoreNulls() const { return m_ignoreNulls; }
    void SetIgnoreNulls(bool value) { SetBooleanProperty(m_ignoreNulls, value); }
    Q_INVOKABLE bool IsIgnoreNullsStored() const { return !m_ignoreNulls; }
    bool InvertedStairs() const { return m_invertedStairs; }
    void SetInvertedStairs(bool value) { SetBooleanProperty(m_invertedStairs, value); }
    Q_INVOKABLE bool IsInvertedStairsStored() const { return m_invertedStairs; }
    bool Stairs() const { return m_stairs; }
    void SetStairs(bool value) { SetBooleanProperty(m_stairs, value); }
    Q_INVOKABLE bool IsStairsStored() const { return m_stairs; }

    // Off draws every pass point by point: the reference for the column paths (tests).
    void setColumnPaths(bool value) { m_columnPaths = value; }

    QString GetEditorClassName() const override { return QStringLiteral("TFastLineSeriesEditor"); }
    void Assign(const TCustomChartElement &source) override;
    void SetSeriesColor(TColor value) override;
    void SetPen(const TChartPen *value) override;
    void CalcHorizMargins(int &left, int &right) override;
    void CalcVerticalMargins(int &top, int &bottom) override;
    void PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle) override;
    void DrawLegendShape(int valueIndex, const TRect &rect) override;
    void DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position) override;
    void CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const override;
    void SetSubGallery(int index) override;

    void DoBeforeDrawValues() override;
    void DrawAllValues() override;
    void DrawValue(int valueIndex) override;
    void NotifyNewValue(TChartSeries *sender, int index) override;
    int Clicked(int x, int y) const override;

private:
    // The pen of one pass (or of one added segment) on the canvas, the pen lifted.
    void beginLine(TCanvas3D &canvas);
    // Whether the point breaks the line: a value that cannot be drawn, or a null kept as a gap.
    bool isBreak(int index) const;
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    // One drawable point: the pen moves there after a break, else draws to it unless the pixel
    // repeats (or, without DrawAllPoints, its column does).
    void stepTo(int x, int y);
    void lift() { m_lifted = true; }
    bool columnPathsApply(const TCanvas3D &canvas);
    void drawPointByPoint(int start, int last);
    void drawFirstOfColumns(int start, int last);
    void drawColumnExtremes(int start, int last);
    // The breaks among start..last, ascending.
    void collectBreaks(int start, int last);
    int nextBreakAfter(int index) const;
    void drawAdded(int index);

    bool m_autoRepaint = true;
    bool m_drawAllPoints = true;
    bool m_fastPen = false;
    bool m_ignoreNulls = true;
    bool m_invertedStairs = false;
    bool m_stairs = false;
    bool m_columnPaths = true;

    // The line being drawn.
    TCanvas3D *m_canvas = nullptr;
    bool m_is3D = false;
    int m_z = 0;
    int m_prevX = 0;
    int m_prevY = 0;
    bool m_lifted = true;
    // Buffers kept from pass to pass: no allocation per point or per draw.
    std::vector<int> m_xPixels;
    std::vector<int> m_yPixels;
    std::vector<int> m_breaks;
    // Every value that cannot be drawn, found once per change of the values: a zoom or scroll
    // does not read the whole curve again for them.
    std::vector<int> m_nonFinite;
    std::optional<TChartValueList::Stamp> m_nonFiniteStamp;
    PixelColumnCache m_columnCache;
};
