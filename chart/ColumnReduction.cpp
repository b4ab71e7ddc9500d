#include "ColumnReduction.h"

namespace kvr::chart {

void ColumnReducer::Open(int x, int y) {
    m_open = true;
    m_x = x;
    m_entry = m_last = m_low = m_high = y;
    m_lowLeft = m_highLeft = false;
}

void ColumnReducer::Close() {
    if (m_open)
        m_runs.push_back({m_x, m_entry, m_last, m_lowLeft ? m_low : m_low + 1,
                          m_highLeft ? m_high : m_high - 1});
    m_open = false;
}

void ColumnReducer::Add(int x, int y) {
    if (!m_open || x != m_x) {
        Close();
        Open(x, y);
        return;
    }
    if (y == m_last)
        return;
    // The segment from the last point covers it; a new extreme is its end, not covered.
    m_lowLeft = m_lowLeft || m_last == m_low;
    m_highLeft = m_highLeft || m_last == m_high;
    if (y < m_low) {
        m_low = y;
        m_lowLeft = false;
    } else if (y > m_high) {
        m_high = y;
        m_highLeft = false;
    }
    m_last = y;
}

void ColumnReducer::AddRun(int x, int entry, int exit, int low, int high, bool lowLeft,
                           bool highLeft) {
    Add(x, entry);
    if (low < m_low) {
        m_low = low;
        m_lowLeft = lowLeft;
    } else if (low == m_low) {
        m_lowLeft = m_lowLeft || lowLeft;
    }
    if (high > m_high) {
        m_high = high;
        m_highLeft = highLeft;
    } else if (high == m_high) {
        m_highLeft = m_highLeft || highLeft;
    }
    m_last = exit;
}

std::vector<ColumnRun> ColumnReducer::Finish() {
    Close();
    return std::move(m_runs);
}

std::vector<ColumnRun> ReduceToColumns(std::span<const MappedPoint> points) {
    ColumnReducer reducer;
    for (const MappedPoint &p : points) {
        if (p.drawn)
            reducer.Add(p.x, p.y);
    }
    return reducer.Finish();
}

} // namespace kvr::chart
