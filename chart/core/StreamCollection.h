// A published list of like items that a chart file writes as one collection, each item by its
// published properties, and reads back by clearing the list and adding one item per entry.
#pragma once

class QObject;

class StreamCollection
{
public:
    virtual ~StreamCollection() = default;
    virtual int collectionCount() const = 0;
    virtual QObject *collectionItem(int index) const = 0;
    virtual void collectionClear() = 0;
    // A new item at the end, with its defaults.
    virtual QObject *collectionAdd() = 0;
};
