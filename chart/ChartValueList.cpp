#include "ChartValueList.h"

#include <algorithm>
#include <cmath>

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
    if (m_order == loNone || count == 0) {
        m_values.push_back(value);
        NoteOrderAt(std::size_t(count));
        return count;
    }
    int t = count - 1;
    if (m_order == loAscending) {
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

std::size_t TChartValueList::InOrderCount(std::span<const double> values) const {
    if (m_order == loNone)
        return values.size();
    // A value goes to the end unless the last one is beyond it in the list's order;
    // NaN compares false, so it is appended and lets the next value be appended too.
    const bool ascending = m_order == loAscending;
    std::size_t count = 0;
    if (m_values.empty() && !values.empty())
        count = 1;
    double last = count == 1 ? values[0] : m_values.empty() ? 0.0 : m_values.back();
    for (; count < values.size(); ++count) {
        const double value = values[count];
        if (ascending ? last > value : last < value)
            break;
        last = value;
    }
    return count;
}

void TChartValueList::AppendValues(std::span<const double> values) {
    Grow(values.size());
    int nans = 0;
    bool ascending = m_values.empty() || values.empty() || m_values.back() <= values.front();
    for (std::size_t i = 0; i < values.size(); ++i) {
        nans += values[i] != values[i] ? 1 : 0;
        ascending = ascending && (i == 0 || values[i - 1] <= values[i]);
    }
    m_values.insert(m_values.end(), values.begin(), values.end());
    m_nanCount += nans;
    m_storedAscending = m_storedAscending && ascending && nans == 0;
    m_statsStale = true;
}

void TChartValueList::RemoveAllValues() {
    m_values.clear();
    m_nanCount = 0;
    m_storedAscending = true;
    m_values.shrink_to_fit();
    m_statsStale = true;
}

void TChartValueList::Recalculate() const {
    m_highest = m_lowest = m_sum = m_sumOfMagnitudes = 0.0;
    bool first = true;
    for (int i = 0; i < Count(); ++i) {
        const double v = ValueAt(i);
        if (!std::isfinite(v))
            continue;
        if (first) {
            m_highest = m_lowest = v;
            first = false;
        } else if (v < m_lowest) {
            m_lowest = v;
        } else if (v > m_highest) {
            m_highest = v;
        }
        m_sum += v;
        m_sumOfMagnitudes += std::fabs(v);
    }
    m_statsStale = false;
}

double TChartValueList::HighestValue() const {
    if (m_statsStale)
        Recalculate();
    return m_highest;
}

double TChartValueList::LowestValue() const {
    if (m_statsStale)
        Recalculate();
    return m_lowest;
}

double TChartValueList::SumOfValues() const {
    if (m_statsStale)
        Recalculate();
    return m_sum;
}

double TChartValueList::SumOfMagnitudes() const {
    if (m_statsStale)
        Recalculate();
    return m_sumOfMagnitudes;
}
