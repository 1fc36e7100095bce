// What an axis asks of the panel that shows it. The axis panel implements it.
#pragma once

#include "PlotPanelHost.h"
#include "PlotTypes.h"

#include <QString>

#include <functional>

class AxisSeriesView;
class TChartAxis;

// The panel's label events: the text of a label (series none and index -1 for value labels), and
// the next value of an event-driven label pass (leave stop True to end it).
using TAxisOnGetLabel =
    std::function<void(const TChartAxis *sender, AxisSeriesView *series, int valueIndex, QString &labelText)>;
using TAxisOnGetNextLabel = std::function<void(TChartAxis *sender, int labelIndex, double &labelValue, bool &stop)>;

// Beyond the panel's canvas and repaint request (PlotPanelHost), which the title and label shapes
// take as their ParentChart.
class AxisHost : public PlotPanelHost
{
public:
    // The chart rectangle the axes lie on (right and bottom exclusive).
    virtual TRect ChartRect() const = 0;
    virtual bool View3D() const = 0;
    // Total depth of the 3D chart in pixels, and its vertical projection.
    virtual int Width3D() const = 0;
    virtual int Height3D() const = 0;
    // Size of the wall behind the axis, 0 without walls.
    virtual int GetAxisWallSize(const TChartAxis &axis) const = 0;
    // The size the axes list's labels-size callback gives for the axis; size when none is set.
    virtual int AxisLabelsSize(const TChartAxis &axis, int size) const = 0;
    virtual bool IsLoading() const = 0;

    // Every series of the panel, in list order.
    virtual int SeriesCount() const = 0;
    virtual AxisSeriesView *Series(int index) const = 0;
    // Smallest or largest X (isX) or Y value of the series on the axis; 0 without series.
    virtual double AxisSeriesMinMax(const TChartAxis &axis, bool isMin, bool isX) const = 0;
    // Applies the axis' new range to the custom axes that follow it.
    virtual void SyncMinMax(TChartAxis &axis) = 0;

    // Widest line of a text split at character 13, with the number of lines.
    virtual int MultiLineTextWidth(const QString &text, int &numLines) const = 0;
    // Widest mark text and widest point label over the series.
    virtual int MaxMarkWidth() const = 0;
    virtual int MaxLabelsWidth() const = 0;
    // Title of the index-th active series shown in the legend; empty beyond them.
    virtual QString SeriesTitleLegend(int index) const = 0;

    virtual const TAxisOnGetLabel &OnGetAxisLabel() const = 0;
    virtual const TAxisOnGetNextLabel &OnGetNextAxisLabel() const = 0;
};
