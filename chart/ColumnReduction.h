#pragma once

#include <span>
#include <utility>
#include <vector>

namespace kvr::chart {

// A line point in pixels. A point the line series leaves out (undefined, or too far off
// the plot to draw) has drawn false; the line then goes on from the point before it.
struct MappedPoint {
    int x = 0;
    int y = 0;
    bool drawn = true;
};

// What a line shows in one pixel column that a run of its points shares: it arrives at
// (x, entry), leaves from (x, exit), and its segments inside the column cover the pixels
// coverFrom … coverTo of that column (none when coverFrom > coverTo).
struct ColumnRun {
    int x = 0;
    int entry = 0;
    int exit = 0;
    int coverFrom = 0;
    int coverTo = -1;

    bool operator==(const ColumnRun &) const = default;
};

// A segment covers its start pixel and not its end, so within a column the segments
// cover every pixel between the lowest and the highest point, and an extreme itself only
// when a segment leaves from it. Collects the runs of one line, point after point.
class ColumnReducer {
public:
    void Add(int x, int y);
    // A run of points of one column known by its ends and extremes: low and high are its
    // extreme pixels, lowLeft and highLeft whether a segment inside the run leaves them.
    void AddRun(int x, int entry, int exit, int low, int high, bool lowLeft, bool highLeft);
    std::vector<ColumnRun> Finish();

private:
    void Open(int x, int y);
    void Close();

    std::vector<ColumnRun> m_runs;
    bool m_open = false;
    int m_x = 0;
    int m_entry = 0;
    int m_last = 0;
    int m_low = 0;
    int m_high = 0;
    bool m_lowLeft = false;
    bool m_highLeft = false;
};

// The runs of a line through the points, in order; points not drawn are passed over.
std::vector<ColumnRun> ReduceToColumns(std::span<const MappedPoint> points);

} // namespace kvr::chart
