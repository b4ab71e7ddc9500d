#include "ChartValueList.h"

#include <cmath>

TChartValueList::TChartValueList(const QString &name, TChartListOrder order)
    : m_name(name), m_order(order) {}

void TChartValueList::SetMultiplier(double value) {
    if (Store(m_multiplier, value))
        m_statsStale = true;
}

void TChartValueList::Grow() {
    // Growing by half keeps the spare room of a long list at a third of what it holds.
    if (m_values.size() == m_values.capacity())
        m_values.reserve(m_values.capacity() + m_values.capacity() / 2 + 16);
}

int TChartValueList::AppendOrdered(double value) {
    Grow();
    m_statsStale = true;
    m_nanCount += std::isnan(value) ? 1 : 0;
    const int count = Count();
    if (m_order == TChartListOrder::loNone || count == 0) {
        m_values.push_back(value);
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
            return count;
        }
        while (t >= 0 && m_values[std::size_t(t)] < value)
            --t;
    }
    m_values.insert(m_values.begin() + (t + 1), value);
    return t + 1;
}

void TChartValueList::InsertAt(int index, double value) {
    Grow();
    m_statsStale = true;
    m_nanCount += std::isnan(value) ? 1 : 0;
    if (index == Count())
        m_values.push_back(value);
    else
        m_values.insert(m_values.begin() + index, value);
}

void TChartValueList::RemoveAllValues() {
    m_values.clear();
    m_nanCount = 0;
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
