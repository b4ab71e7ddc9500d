#include <kvrchart/ChartValueList.h>

#include "ValueExtremes.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace kvr::chart {

TChartValueList::TChartValueList(const QString &name, TChartListOrder order)
    : m_name(name), m_order(order) {}

void TChartValueList::SetMultiplier(double value) {
    if (Store(m_multiplier, value))
        m_statsStale = true;
}

void TChartValueList::Grow(std::size_t added) {
    // Growing by half keeps the spare room of a long list at a third of what it holds.
    const std::size_t needed = m_values.size() + added;
    if (needed > m_values.capacity())
        m_values.reserve(std::max(needed, m_values.capacity() + m_values.capacity() / 2 + 16));
}

int TChartValueList::AppendOrdered(double value) {
    Grow();
    m_statsStale = true;
    m_nanCount += std::isnan(value) ? 1 : 0;
    const int count = Count();
    if (m_order == TChartListOrder::loNone || count == 0) {
        m_values.push_back(value);
        NoteOrderAt(std::size_t(count));
        return count;
    }
    int t = count - 1;
    if (m_order == TChartListOrder::loAscending) {
        if (m_values[std::size_t(t)] <= value) {
            m_values.push_back(value);
            return count;
        }
        while (t >= 0 && m_values[std::size_t(t)] > value)
            --t;
    } else {
        if (m_values[std::size_t(t)] >= value) {
            m_values.push_back(value);
            NoteOrderAt(std::size_t(count));
            return count;
        }
        while (t >= 0 && m_values[std::size_t(t)] < value)
            --t;
    }
    m_values.insert(m_values.begin() + (t + 1), value);
    NoteOrderAt(std::size_t(t + 1));
    return t + 1;
}

void TChartValueList::NoteOrderAt(std::size_t index) {
    const double value = m_values[index];
    const bool afterPrevious = index == 0 || m_values[index - 1] <= value;
    const bool beforeNext = index + 1 == m_values.size() || value <= m_values[index + 1];
    m_storedAscending = m_storedAscending && afterPrevious && beforeNext;
}

void TChartValueList::InsertAt(int index, double value) {
    Grow();
    m_statsStale = true;
    m_nanCount += std::isnan(value) ? 1 : 0;
    if (index == Count())
        m_values.push_back(value);
    else
        m_values.insert(m_values.begin() + index, value);
    NoteOrderAt(std::size_t(index));
}

std::size_t TChartValueList::Append(std::span<const double> values, bool keepOrder) {
    // A value goes to the end unless the last one is beyond it in the list's order;
    // NaN compares false, so it is appended and lets the next value be appended too.
    const bool ascendingOrder = m_order == TChartListOrder::loAscending;
    const bool ordered = keepOrder && m_order != TChartListOrder::loNone;
    bool ascending = true;
    int nans = 0;
    std::size_t count = 0;
    bool first = m_values.empty();
    for (double last = first ? 0.0 : m_values.back(); count < values.size(); ++count) {
        const double value = values[count];
        if (!first) {
            if (ordered && (ascendingOrder ? last > value : last < value))
                break;
            ascending &= last <= value;
        }
        first = false;
        nans += value != value ? 1 : 0;
        last = value;
    }
    Grow(count);
    m_values.insert(m_values.end(), values.begin(), values.begin() + std::ptrdiff_t(count));
    m_nanCount += nans;
    m_storedAscending = m_storedAscending && ascending && nans == 0;
    m_statsStale = true;
    return count;
}

std::size_t TChartValueList::AppendInOrder(std::span<const double> values) {
    return Append(values, true);
}

void TChartValueList::AppendValues(std::span<const double> values) { Append(values, false); }

void TChartValueList::RemoveAllValues() {
    m_values.clear();
    m_nanCount = 0;
    m_storedAscending = true;
    m_values.shrink_to_fit();
    m_statsStale = true;
}

// The extremes come first and alone: the axes ask for them on every drawing after a
// change, the sums hardly ever.
void TChartValueList::RecalculateExtremes() const {
    m_statsStale = false;
    m_sumsStale = true;
    m_highest = m_lowest = 0.0;
    if (m_values.empty() || (m_storedAscending && m_multiplier > 0.0 && SortedExtremes()))
        return;
    // Plain finite numbers without a zero at either end, where the first of equal values
    // would have to win, can go the quick way.
    if (m_multiplier == 1.0) {
        const auto quick = FindExtremes(m_values);
        if (!quick.anyNaN && std::isfinite(quick.lowest) && std::isfinite(quick.highest) &&
            quick.lowest != 0.0 && quick.highest != 0.0) {
            m_lowest = quick.lowest;
            m_highest = quick.highest;
            return;
        }
    }
    const double multiplier = m_multiplier;
    std::size_t i = 0;
    while (i < m_values.size() && !std::isfinite(m_values[i] * multiplier))
        ++i;
    if (i == m_values.size())
        return;
    // A value that is not finite stands in as the first finite one, which changes nothing.
    const double first = m_values[i] * multiplier;
    double lowest = first;
    double highest = first;
    for (; i < m_values.size(); ++i) {
        const double v = m_values[i] * multiplier;
        const double w = std::fabs(v) <= DBL_MAX ? v : first;
        lowest = w < lowest ? w : lowest;
        highest = w > highest ? w : highest;
    }
    m_lowest = lowest;
    m_highest = highest;
}

// In an ascending list the extremes are the finite values nearest its two ends.
bool TChartValueList::SortedExtremes() const {
    const int count = Count();
    int low = 0;
    while (low < count && !std::isfinite(ValueAt(low)))
        ++low;
    if (low == count)
        return true;
    int high = count - 1;
    while (!std::isfinite(ValueAt(high)))
        --high;
    // A pass from the front keeps the first of equal values: -0 before +0 stays.
    while (ValueAt(high) == 0.0 && high > low && ValueAt(high - 1) == 0.0)
        --high;
    m_lowest = ValueAt(low);
    m_highest = ValueAt(high);
    return true;
}

void TChartValueList::RecalculateSums() const {
    double sum = 0.0;
    double magnitudes = 0.0;
    for (int i = 0; i < Count(); ++i) {
        const double v = ValueAt(i);
        if (!std::isfinite(v))
            continue;
        sum += v;
        magnitudes += std::fabs(v);
    }
    m_sum = sum;
    m_sumOfMagnitudes = magnitudes;
    m_sumsStale = false;
}

double TChartValueList::HighestValue() const {
    const std::lock_guard lock(m_statsMutex);
    if (m_statsStale)
        RecalculateExtremes();
    return m_highest;
}

double TChartValueList::LowestValue() const {
    const std::lock_guard lock(m_statsMutex);
    if (m_statsStale)
        RecalculateExtremes();
    return m_lowest;
}

double TChartValueList::SumOfValues() const {
    const std::lock_guard lock(m_statsMutex);
    if (m_statsStale)
        RecalculateExtremes();
    if (m_sumsStale)
        RecalculateSums();
    return m_sum;
}

double TChartValueList::SumOfMagnitudes() const {
    const std::lock_guard lock(m_statsMutex);
    if (m_statsStale)
        RecalculateExtremes();
    if (m_sumsStale)
        RecalculateSums();
    return m_sumOfMagnitudes;
}

} // namespace kvr::chart
