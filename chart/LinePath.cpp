#include "LinePath.h"

#include "ChartCanvas.h"

namespace kvr::chart {

void DrawColumnRuns(ChartCanvas &canvas, std::span<const ColumnRun> runs) {
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const ColumnRun &run = runs[i];
        if (i > 0)
            canvas.Line(runs[i - 1].x, runs[i - 1].exit, run.x, run.entry);
        if (run.coverFrom <= run.coverTo)
            canvas.Line(run.x, run.coverFrom, run.x, run.coverTo + 1);
    }
}

} // namespace kvr::chart
