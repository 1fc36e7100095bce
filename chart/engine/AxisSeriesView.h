// A series as an axis or a series pointer sees it. The series base implements it.
#pragma once

#include <QString>

class TChartAxis;
class TChartValueList;

class AxisSeriesView
{
public:
    virtual ~AxisSeriesView() = default;

    virtual bool Active() const = 0;
    // The axis is the series' horizontal or vertical axis (or both of that orientation).
    virtual bool AssociatedToAxis(const TChartAxis &axis) const = 0;
    // True for ordinary series (Y is the value), False for horizontal ones.
    virtual bool YMandatory() const = 0;
    virtual int Count() const = 0;
    // The visible index range of the last draw; -1 when nothing is drawn.
    virtual int FirstValueIndex() const = 0;
    virtual int LastValueIndex() const = 0;
    virtual TChartValueList *XValues() const = 0;
    virtual TChartValueList *YValues() const = 0;
    // Point label and mark text of a point; empty when it has none.
    virtual QString PointLabel(int index) const = 0;
    // Whether any point has a label; series that know it without a scan answer directly.
    virtual bool HasPointLabels() const
    {
        for (int i = 0; i < Count(); ++i)
            if (!PointLabel(i).isEmpty())
                return true;
        return false;
    }
    virtual QString MarkText(int index) const = 0;
    // Z values of the series' own (3D series types), and their range.
    virtual bool HasZValues() const = 0;
    virtual double MinZValue() const = 0;
    virtual double MaxZValue() const = 0;
    // Depth positions in pixels of the last draw.
    virtual int StartZ() const = 0;
    virtual int MiddleZ() const = 0;
    virtual int EndZ() const = 0;
};
