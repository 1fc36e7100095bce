// One column of a series' point values (X, Y, ...), kept in order, with cached statistics.
#pragma once

#include "EngineTypes.h"

#include "PropertyFiler.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class ValueListOwner;

class TChartValueList : public QObject, public PropertyDefiner
{
    Q_OBJECT
    Q_PROPERTY(bool DateTime READ DateTime WRITE SetDateTime)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(PlotEngineEnums::TChartListOrder Order READ Order WRITE SetOrder)
    Q_PROPERTY(QString ValueSource READ ValueSource WRITE SetValueSource)
public:
    // The owner (not owned, possibly none) adds the list to its own list of value lists.
    TChartValueList(ValueListOwner *owner, const QString &name, QObject *parent = nullptr);

    bool DateTime() const { return m_dateTime; }
    void SetDateTime(bool value);
    // Qt 6 has no STORED functions: the streamer asks Is<Name>Stored through the meta-object.
    Q_INVOKABLE bool IsDateTimeStored() const { return m_dateTime != m_defaultDateTime; }
    // Sets the type's natural setting, which is then not stored.
    void InitDateTime(bool value);
    QString Name() const { return m_name; }
    void SetName(const QString &value) { m_name = value; }
    TChartListOrder Order() const { return m_order; }
    void SetOrder(TChartListOrder value)
    {
        m_order = value;
        m_orderState = OrderState::Unknown;
    }
    // The values follow an ascending or descending Order, so that a search may halve the list.
    bool IsOrdered() const { return m_order != loNone && valuesInOrder(); }
    QString ValueSource() const { return m_valueSource; }
    void SetValueSource(const QString &value);
    ValueListOwner *Owner() const { return m_owner; }

    int Count() const { return int(m_values.size()); }
    int Capacity() const { return int(m_values.capacity()); }
    // The values for loops that keep their indexes in range themselves.
    std::span<const double> Values() const { return m_values; }
    // Changes with every change of the values and is never the same for two lists, so that a
    // drawing kept for some values can tell that they are still the same.
    std::uint64_t Revision() const { return m_revision; }
    // What a drawing kept for these values compares to see that they are still the same: where
    // they are stored, how many there are and their revision.
    struct Stamp
    {
        const double *data = nullptr;
        std::size_t count = 0;
        std::uint64_t revision = 0;
        friend bool operator==(const Stamp &, const Stamp &) = default;
    };
    Stamp ValuesStamp() const { return {m_values.data(), m_values.size(), m_revision}; }
    // Checked access: an index outside 0..Count-1 raises ChartException.
    double Value(int index) const;
    void SetValue(int index, double value);
    double FirstValue() const { return Value(0); }
    double LastValue() const { return Value(Count() - 1); }

    double TempValue() const { return m_tempValue; }
    void SetTempValue(double value) { m_tempValue = value; }
    // Stores TempValue at its place by Order and returns the index.
    int InsertSortedValue();
    virtual int AddValue(double value);
    // Order is ignored; the index may be Count.
    virtual void InsertValue(int index, double value);
    // Appends in the order given, whatever the list's Order (the caller sorts the points after).
    void AppendValues(std::span<const double> values);
    virtual void Delete(int index);
    // Quantity is cut to what is there; a negative start or no quantity removes nothing.
    void DeleteRange(int start, int quantity);
    virtual void ClearValues();
    void SwapValues(int a, int b);
    void FillSequence();
    void RotateFirstToEnd();
    // Reorders the values: new value i is old value order[i]. Called by the owner's point permutation.
    void ApplyPermutation(const std::vector<int> &order);
    // Sorts every point of the owner by this list's Order, through one permutation.
    void Sort();
    // Where adding the present values one by one by Order would have put them: entry i is the
    // index of the value that would stand at i; empty when each would stay where it is (always
    // for loNone). Equal values keep their order, and so does a NaN, which no later value passes.
    std::vector<int> InsertionOrder() const { return InsertionOrder(m_values, m_order); }
    // The same for values not yet in a list (points read from a file, ordered before storing).
    static std::vector<int> InsertionOrder(std::span<const double> values, TChartListOrder order);
    // -1, 0 or 1 as value a is below, equal to or above value b; reversed for loDescending.
    int CompareByIndex(int a, int b) const;

    int Locate(double value) const { return LocateInRange(value, 0, Count() - 1); }
    // Whether every value is finite and none is below the one before it; noted until the next
    // change, so that a redraw by pixel column does not walk the values again.
    bool FiniteAndAscending() const;
    int LocateInRange(double value, int fromIndex, int toIndex) const;

    double MinValue() const;
    double MaxValue() const;
    double Total() const;
    double TotalAbs() const;
    double ValueRange() const { return MaxValue() - MinValue(); }
    // Replaces the absolute total until the next change: a series whose points stand for other
    // points (a pie's grouped slices) counts them once.
    void SetCachedTotalAbs(double value)
    {
        recalcStats();
        m_totalAbs = value;
    }

    // Copies Order, DateTime and ValueSource; neither the name nor the values.
    virtual void Assign(const TChartValueList &source);
    // The obsolete "Multiplier" of old streams: read, never written, never applied.
    void defineProperties(PropertyFiler &filer) override;

private:
    void checkIndex(int index, int last) const;
    void reserveFor(int count);
    // Any change may break the order; the operations that keep it say so after calling this.
    void changed()
    {
        m_revision = ++s_lastRevision;
        m_statsStale = true;
        m_orderState = OrderState::Unknown;
        m_finiteAscending = OrderState::Unknown;
    }
    // Whether the values follow Order, so that a search may halve the list.
    bool valuesInOrder() const;
    void recalcStats() const;
    void notifyModified(int index);

    static inline std::atomic<std::uint64_t> s_lastRevision = 0;

    ValueListOwner *m_owner = nullptr;
    std::vector<double> m_values;
    std::uint64_t m_revision = ++s_lastRevision;
    QString m_name;
    QString m_valueSource;
    double m_tempValue = 0.0;
    TChartListOrder m_order = loNone;
    bool m_dateTime = false;
    bool m_defaultDateTime = false;
    bool m_multiplierReported = false;
    mutable bool m_statsStale = true;
    // Values set one by one, swapped or given an Order afterwards need not follow that Order.
    enum class OrderState { Unknown, InOrder, OutOfOrder };
    mutable OrderState m_orderState = OrderState::InOrder;
    mutable OrderState m_finiteAscending = OrderState::Unknown;
    mutable double m_minValue = 0.0;
    mutable double m_maxValue = 0.0;
    mutable double m_total = 0.0;
    mutable double m_totalAbs = 0.0;
};
