// What a value list asks of the series that owns it. The series base implements it.
#pragma once

#include <vector>

// Value notifications a series passes on to the series that depend on it.
enum class TValueEvent { Clear = 0, Add = 1, Delete = 2, Refresh = 3, Modified = 4 };

class ValueListOwner
{
public:
    virtual ~ValueListOwner() = default;

    // Reorders every point of the series at once: new point i is old point order[i], in every value
    // list, the colours and the labels. Sort computes the order and calls this once.
    virtual void PermutePoints(const std::vector<int> &order) = 0;
    // Tells the dependent series that values changed (index -1: more than one).
    virtual void NotifyValue(TValueEvent event, int index) = 0;
    // Stores a Boolean property of the list and repaints when it changed.
    virtual void SetBooleanProperty(bool &variable, bool value) = 0;
    // Refills the series from its data source after a list's ValueSource changed.
    virtual void CheckDataSource() = 0;
};
