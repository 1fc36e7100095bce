// Value lists: ordered insertion, growth, deletion, sorting by permutation and lazy statistics.
#include "TChartValueList.h"

#include "PlotEngine.h"
#include "PlotExceptions.h"
#include "ValueListOwner.h"

#include "PlotConst.h"
#include "PlotProcs.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Blocks of 1000 while the list is small; beyond, half the capacity, so appends stay linear.
constexpr int kGrowth = 1000;
constexpr int kBlockGrowthLimit = 65536;

} // namespace

TChartValueList::TChartValueList(ValueListOwner *owner, const QString &name, QObject *parent)
    : QObject(parent)
    , m_owner(owner)
    , m_name(name)
{
}

void TChartValueList::SetDateTime(bool value)
{
    if (m_owner)
        m_owner->SetBooleanProperty(m_dateTime, value);
    else
        m_dateTime = value;
}

void TChartValueList::InitDateTime(bool value)
{
    m_dateTime = value;
    m_defaultDateTime = value;
}

void TChartValueList::SetValueSource(const QString &value)
{
    if (value == m_valueSource)
        return;
    m_valueSource = value;
    if (m_owner)
        m_owner->CheckDataSource();
}

void TChartValueList::checkIndex(int index, int last) const
{
    if (index < 0 || index > last)
        throw ChartException(PlotConst::plotFormat(QStringLiteral("Value list %s: index %d out of bounds (0 to %d)."),
                                                   {m_name, index, last}));
}

double TChartValueList::Value(int index) const
{
    checkIndex(index, Count() - 1);
    return m_values[std::size_t(index)];
}

void TChartValueList::SetValue(int index, double value)
{
    checkIndex(index, Count() - 1);
    m_values[std::size_t(index)] = value;
    changed();
}

void TChartValueList::reserveFor(int count)
{
    int capacity = Capacity();
    if (count <= capacity)
        return;
    while (capacity < count)
        capacity += capacity < kBlockGrowthLimit ? kGrowth : capacity / 2;
    m_values.reserve(std::size_t(capacity));
}

int TChartValueList::InsertSortedValue()
{
    const double v = m_tempValue;
    const int n = Count();
    const bool keepsOrder = m_orderState == OrderState::InOrder && !std::isnan(v);
    int index = n;
    // Data arriving in order is appended without a scan; equal values go after the last of them.
    if (m_order != loNone && n > 0) {
        const double last = m_values.back();
        const bool append = m_order == loAscending ? v >= last : v <= last;
        if (!append) {
            int i = n - 1;
            if (m_order == loAscending)
                while (i >= 0 && m_values[std::size_t(i)] > v)
                    --i;
            else
                while (i >= 0 && m_values[std::size_t(i)] < v)
                    --i;
            index = i + 1;
        }
    }
    reserveFor(n + 1);
    m_values.insert(m_values.begin() + index, v);
    changed();
    if (keepsOrder)
        m_orderState = OrderState::InOrder;
    return index;
}

int TChartValueList::AddValue(double value)
{
    m_tempValue = value;
    return InsertSortedValue();
}

void TChartValueList::InsertValue(int index, double value)
{
    checkIndex(index, Count());
    reserveFor(Count() + 1);
    m_values.insert(m_values.begin() + index, value);
    changed();
}

void TChartValueList::AppendValues(std::span<const double> values)
{
    reserveFor(Count() + int(values.size()));
    m_values.insert(m_values.end(), values.begin(), values.end());
    changed();
}

void TChartValueList::Delete(int index)
{
    checkIndex(index, Count() - 1);
    const OrderState order = m_orderState;
    m_values.erase(m_values.begin() + index);
    changed();
    if (order == OrderState::InOrder)
        m_orderState = order;
}

void TChartValueList::DeleteRange(int start, int quantity)
{
    // Quantity beyond the end used to move memory that was not there.
    if (start < 0 || quantity <= 0 || start >= Count())
        return;
    quantity = std::min(quantity, Count() - start);
    const OrderState order = m_orderState;
    m_values.erase(m_values.begin() + start, m_values.begin() + start + quantity);
    changed();
    if (order == OrderState::InOrder)
        m_orderState = order;
}

void TChartValueList::ClearValues()
{
    m_values = std::vector<double>();
    changed();
}

void TChartValueList::notifyModified(int index)
{
    if (m_owner)
        m_owner->NotifyValue(TValueEvent::Modified, index);
}

void TChartValueList::SwapValues(int a, int b)
{
    checkIndex(a, Count() - 1);
    checkIndex(b, Count() - 1);
    std::swap(m_values[std::size_t(a)], m_values[std::size_t(b)]);
    changed();
    notifyModified(a);
}

void TChartValueList::FillSequence()
{
    std::iota(m_values.begin(), m_values.end(), 0.0);
    changed();
    notifyModified(-1);
}

void TChartValueList::RotateFirstToEnd()
{
    if (!m_values.empty())
        std::rotate(m_values.begin(), m_values.begin() + 1, m_values.end());
    m_revision = ++s_lastRevision; // the statistics stay, the places of the values do not
    m_orderState = OrderState::Unknown;
    m_finiteAscending = OrderState::Unknown;
}

void TChartValueList::ApplyPermutation(const std::vector<int> &order)
{
    if (int(order.size()) != Count())
        return;
    std::vector<double> reordered(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        reordered[i] = m_values[std::size_t(order[i])];
    reordered.reserve(m_values.capacity());
    m_values.swap(reordered);
    changed();
}

int TChartValueList::CompareByIndex(int a, int b) const
{
    const double va = m_values[std::size_t(a)];
    const double vb = m_values[std::size_t(b)];
    const int result = va < vb ? -1 : (va > vb ? 1 : 0);
    return m_order == loDescending ? -result : result;
}

void TChartValueList::Sort()
{
    if (m_order == loNone || Count() < 2)
        return;
    // The quicksort runs on positions; the points move once, in the order point swaps would give.
    std::vector<int> order(static_cast<std::size_t>(Count()));
    std::iota(order.begin(), order.end(), 0);
    PlotProcs::PlotSort(
        0, Count() - 1,
        [&](int a, int b) { return CompareByIndex(order[std::size_t(a)], order[std::size_t(b)]); },
        [&](int a, int b) { std::swap(order[std::size_t(a)], order[std::size_t(b)]); });
    if (m_owner)
        m_owner->PermutePoints(order);
    else
        ApplyPermutation(order);
}

namespace {

// The order of values that, between NaNs, each stand in order or in reverse order (equal values
// side by side allowed): a reversed stretch is read group by group from its end, each group of
// equal values in file order. Empty when some stretch needs a real sort.
template <typename Before>
std::vector<int> orderOfMonotoneRuns(std::span<const double> values, const Before &before)
{
    const std::size_t n = values.size();
    std::vector<int> order;
    order.reserve(n);
    std::size_t from = 0;
    while (from < n) {
        std::size_t to = from;
        while (to < n && !std::isnan(values[to]))
            ++to;
        bool inOrder = true;
        bool reversed = true;
        for (std::size_t k = from + 1; k < to && (inOrder || reversed); ++k) {
            inOrder = inOrder && !before(values[k], values[k - 1]);
            reversed = reversed && !before(values[k - 1], values[k]);
        }
        if (inOrder) {
            for (std::size_t k = from; k < to; ++k)
                order.push_back(int(k));
        } else if (reversed) {
            for (std::size_t end = to; end > from;) {
                std::size_t start = end - 1;
                while (start > from && !before(values[start], values[start - 1]))
                    --start;
                for (std::size_t k = start; k < end; ++k)
                    order.push_back(int(k));
                end = start;
            }
        } else {
            return {};
        }
        if (to < n)
            order.push_back(int(to)); // the NaN stays where it was
        from = to + 1;
    }
    return order;
}

} // namespace

std::vector<int> TChartValueList::InsertionOrder(std::span<const double> values, TChartListOrder listOrder)
{
    if (listOrder == loNone)
        return {};
    const bool ascending = listOrder == loAscending;
    const auto before = [ascending](double a, double b) { return ascending ? a < b : a > b; };
    // A sorted insertion scans back past the greater values and stops at a NaN (no comparison
    // holds with it), which itself is always appended: the runs between NaNs sort on their own.
    const std::size_t n = values.size();
    std::size_t i = 1;
    while (i < n && !before(values[i], values[i - 1]))
        ++i;
    if (i >= n)
        return {};
    // A file written the other way round needs no sort, only its groups of equal values read forwards.
    if (std::vector<int> order = orderOfMonotoneRuns(values, before); !order.empty())
        return order;
    // Keys beside their positions: the sort reads memory in order, not through the indexes.
    using Keyed = std::pair<double, int>;
    std::vector<Keyed> keyed(n);
    for (std::size_t k = 0; k < n; ++k)
        keyed[k] = {values[k], int(k)};
    const auto keyBefore = [&before](const Keyed &a, const Keyed &b) { return before(a.first, b.first); };
    const auto at = [&keyed](std::size_t k) { return keyed.begin() + std::ptrdiff_t(k); };
    // Points come in runs (X restarting, a file written the other way round): a run in order
    // stays, a strictly reversed one is turned round (no equal values in it to swap), short runs
    // grow by insertion; then neighbouring runs merge, the earlier first among equal values.
    const auto sortRun = [&](std::size_t from, std::size_t to) {
        constexpr std::size_t kMinRun = 32;
        std::vector<std::size_t> bounds{from};
        for (std::size_t k = from; k < to;) {
            std::size_t end = k + 1;
            if (end < to && keyBefore(keyed[end], keyed[end - 1])) {
                while (end < to && keyBefore(keyed[end], keyed[end - 1]))
                    ++end;
                std::reverse(at(k), at(end));
            } else {
                while (end < to && !keyBefore(keyed[end], keyed[end - 1]))
                    ++end;
            }
            for (; end < to && end - k < kMinRun; ++end)
                std::rotate(std::upper_bound(at(k), at(end), keyed[end], keyBefore), at(end), at(end + 1));
            bounds.push_back(end);
            k = end;
        }
        while (bounds.size() > 2) {
            std::vector<std::size_t> merged{bounds.front()};
            for (std::size_t r = 0; r + 2 < bounds.size(); r += 2) {
                std::inplace_merge(at(bounds[r]), at(bounds[r + 1]), at(bounds[r + 2]), keyBefore);
                merged.push_back(bounds[r + 2]);
            }
            if (bounds.size() % 2 == 0)
                merged.push_back(bounds.back());
            bounds.swap(merged);
        }
    };
    std::size_t runStart = 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (std::isnan(values[k])) {
            sortRun(runStart, k);
            runStart = k + 1;
        }
    }
    sortRun(runStart, n);
    std::vector<int> order(n);
    for (std::size_t k = 0; k < n; ++k)
        order[k] = keyed[k].second;
    return order;
}

int TChartValueList::LocateInRange(double value, int fromIndex, int toIndex) const
{
    fromIndex = std::max(fromIndex, 0);
    toIndex = std::min(toIndex, Count() - 1);
    if (toIndex < fromIndex)
        return -1;
    const auto first = m_values.begin() + fromIndex;
    const auto last = m_values.begin() + toIndex + 1;
    auto found = last;
    if (m_order == loAscending && valuesInOrder())
        found = std::lower_bound(first, last, value);
    else if (m_order == loDescending && valuesInOrder())
        found = std::lower_bound(first, last, value, std::greater<double>());
    else
        found = std::find(first, last, value);
    return found != last && *found == value ? int(found - m_values.begin()) : -1;
}

bool TChartValueList::valuesInOrder() const
{
    if (m_orderState == OrderState::Unknown) {
        // A NaN is in order with nothing: a list holding one is searched by a scan.
        const bool ascending = m_order != loDescending;
        const auto outOfOrder = [ascending](double a, double b) { return ascending ? !(a <= b) : !(a >= b); };
        m_orderState = std::adjacent_find(m_values.begin(), m_values.end(), outOfOrder) == m_values.end()
                           ? OrderState::InOrder
                           : OrderState::OutOfOrder;
    }
    return m_orderState == OrderState::InOrder;
}

bool TChartValueList::FiniteAndAscending() const
{
    if (m_finiteAscending == OrderState::Unknown) {
        bool ok = true;
        for (std::size_t i = 0; ok && i < m_values.size(); ++i)
            ok = std::isfinite(m_values[i]) && (i == 0 || m_values[i - 1] <= m_values[i]);
        m_finiteAscending = ok ? OrderState::InOrder : OrderState::OutOfOrder;
    }
    return m_finiteAscending == OrderState::InOrder;
}

void TChartValueList::recalcStats() const
{
    if (!m_statsStale)
        return;
    m_minValue = m_maxValue = m_total = m_totalAbs = 0.0;
    if (!m_values.empty()) {
        m_minValue = m_maxValue = m_total = m_values.front();
        m_totalAbs = std::fabs(m_values.front());
        for (std::size_t i = 1; i < m_values.size(); ++i) {
            const double x = m_values[i];
            if (x < m_minValue)
                m_minValue = x;
            else if (x > m_maxValue)
                m_maxValue = x;
            m_total += x;
            m_totalAbs += std::fabs(x);
        }
    }
    m_statsStale = false;
}

double TChartValueList::MinValue() const
{
    recalcStats();
    return m_minValue;
}

double TChartValueList::MaxValue() const
{
    recalcStats();
    return m_maxValue;
}

double TChartValueList::Total() const
{
    recalcStats();
    return m_total;
}

double TChartValueList::TotalAbs() const
{
    recalcStats();
    return m_totalAbs;
}

void TChartValueList::Assign(const TChartValueList &source)
{
    SetOrder(source.m_order);
    m_dateTime = source.m_dateTime;
    m_valueSource = source.m_valueSource;
}

void TChartValueList::defineProperties(PropertyFiler &filer)
{
    filer.DefineProperty(QStringLiteral("Multiplier"), [this](const QVariant &value) {
        const int type = value.metaType().id();
        if (type != QMetaType::Double && type != QMetaType::Float && type != QMetaType::Int
            && type != QMetaType::LongLong)
            throw PlotException(QStringLiteral("Invalid value of property Multiplier"));
        if (value.toDouble() == 1.0 || m_multiplierReported)
            return;
        // Told once per list; the values stay as they were stored.
        m_multiplierReported = true;
        PlotEngine::ShowErrorBox(QStringLiteral("Error: Multiplier property is obsolete.\r"
                                                "Modify PlotDefs.inc (enable Multiplier) and recompile."));
    });
}
