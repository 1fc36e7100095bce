// Shared set-up of the chart engine tests: a stub panel and stub series behind the engine's seams.
#pragma once

#include "AxisHost.h"
#include "AxisSeriesView.h"
#include "TChartValueList.h"

#include "RecordingCanvas.h"
#include "ScopedLocale.h"

#include <QStringList>

#include <memory>
#include <set>
#include <vector>

// A series with X and Y values, optional labels, bound to the axes it is told.
class StubSeries : public AxisSeriesView
{
public:
    StubSeries();
    void add(double x, double y, const QString &label = QString());
    void bindTo(const TChartAxis *axis) { axes.insert(axis); }

    bool Active() const override { return active; }
    bool AssociatedToAxis(const TChartAxis &axis) const override { return axes.count(&axis) > 0; }
    bool YMandatory() const override { return yMandatory; }
    int Count() const override { return x.Count(); }
    int FirstValueIndex() const override { return x.Count() ? 0 : -1; }
    int LastValueIndex() const override { return x.Count() - 1; }
    TChartValueList *XValues() const override { return &x; }
    TChartValueList *YValues() const override { return &y; }
    QString PointLabel(int index) const override { return index < labels.size() ? labels.at(index) : QString(); }
    QString MarkText(int index) const override { return QString::number(y.Value(index)); }
    bool HasZValues() const override { return false; }
    double MinZValue() const override { return minZ; }
    double MaxZValue() const override { return maxZ; }
    int StartZ() const override { return startZ; }
    int MiddleZ() const override { return (startZ + endZ) / 2; }
    int EndZ() const override { return endZ; }

    mutable TChartValueList x;
    mutable TChartValueList y;
    QStringList labels;
    std::set<const TChartAxis *> axes;
    bool active = true;
    bool yMandatory = true;
    int startZ = 0;
    int endZ = 0;
    double minZ = 0;
    double maxZ = 0;
};

// The default 400 x 250 panel with a bevel: chart rectangle (13, 11, 387, 239), 2D, recording canvas
// with fake metrics (7 pixels a character, 12 high), or a screen canvas put in its place.
class StubAxisHost : public AxisHost
{
public:
    StubAxisHost();

    TCanvas3D *Canvas() const override { return screen ? screen : const_cast<RecordingCanvas *>(&canvas); }
    void Invalidate() override { ++invalidations; }
    TRect ChartRect() const override { return chartRect; }
    bool View3D() const override { return view3D; }
    int Width3D() const override { return width3D; }
    int Height3D() const override { return height3D; }
    int GetAxisWallSize(const TChartAxis &) const override { return wallSize; }
    int AxisLabelsSize(const TChartAxis &, int size) const override { return size; }
    bool IsLoading() const override { return loading; }
    int SeriesCount() const override { return int(series.size()); }
    AxisSeriesView *Series(int index) const override { return series.at(std::size_t(index)); }
    double AxisSeriesMinMax(const TChartAxis &axis, bool isMin, bool isX) const override;
    void SyncMinMax(TChartAxis &) override { ++syncs; }
    int MultiLineTextWidth(const QString &text, int &numLines) const override;
    int MaxMarkWidth() const override { return 0; }
    int MaxLabelsWidth() const override;
    QString SeriesTitleLegend(int index) const override
    {
        return index >= 0 && index < titles.size() ? titles.at(index) : QString();
    }
    const TAxisOnGetLabel &OnGetAxisLabel() const override { return onGetAxisLabel; }
    const TAxisOnGetNextLabel &OnGetNextAxisLabel() const override { return onGetNextAxisLabel; }

    TView3DOptions options;
    RecordingCanvas canvas;
    TCanvas3D *screen = nullptr; // draws here instead of the recording canvas when set
    TRect chartRect{13, 11, 387, 239};
    bool view3D = false;
    int width3D = 0;
    int height3D = 0;
    int wallSize = 0;
    bool loading = false;
    std::vector<AxisSeriesView *> series;
    QStringList titles;
    TAxisOnGetLabel onGetAxisLabel;
    TAxisOnGetNextLabel onGetNextAxisLabel;
    int invalidations = 0;
    int syncs = 0;
};
