// The components a series takes its points from: other series, series sources or other components.
// Entries are not owned; one that dies drops out of the list.
#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class TChartSeries;

class TDataSourcesList
{
public:
    explicit TDataSourcesList(TChartSeries &series);

    int Count() const;
    // Checked: an index outside the list raises ChartException.
    QObject *Item(int index) const;
    QObject *First() const;
    bool Contains(const QObject *component) const { return IndexOf(component) >= 0; }
    int IndexOf(const QObject *component) const;
    // The live entries, in order.
    std::vector<QObject *> Items() const;

    // Through the series' checks and adding, as setting its DataSource does, without clearing the list.
    void Add(QObject *component);
    // The series removes the entry as a data source.
    void Delete(int index);
    // The series unlinks itself from its source series, the list empties, and the series is cleared
    // unless it holds points of its own (ManualData).
    void Clear();

    // The plain list operations the series uses.
    int append(QObject *component);
    void remove(const QObject *component);
    void clearEntries() { m_items.clear(); }

private:
    void compact() const;

    TChartSeries &m_series;
    mutable std::vector<QPointer<QObject>> m_items;
};
