// The point labels of a series: entry i is the label of point i. Points without a label cost
// nothing: the list may be shorter than the point count, and an empty text is no entry.
#pragma once

#include <QString>

#include <functional>
#include <span>
#include <vector>

class TLabelsList
{
public:
    // changed runs after every change (the series repaints).
    explicit TLabelsList(std::function<void()> changed = {});

    int Count() const { return int(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    std::span<const QString> Items() const { return m_items; }

    // Empty beyond the list.
    QString GetLabel(int index) const;
    // A non-empty text is stored at the index (the list growing); an empty one only clears it.
    void SetLabel(int index, const QString &text);
    // Inserts at the index after growing the list to it; an empty text on an empty list does nothing.
    void InsertLabel(int index, const QString &text);
    void DeleteLabel(int index);
    // Quantity is cut to what is there.
    void DeleteRange(int start, int quantity);
    void Swap(int a, int b);
    // New label i is old label order[i]; the list is first grown to the order's size.
    void Permute(const std::vector<int> &order);
    void Assign(const TLabelsList &source);
    void Clear();

private:
    void notify() const;

    std::function<void()> m_changed;
    std::vector<QString> m_items;
};
