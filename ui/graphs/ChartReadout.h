// What a tooltip over a graph reads out: the meaning of a series and both values with
// their units, written as the results window writes numbers, or a hint on the gestures.
#pragma once

#include <QString>

namespace kvr {

class Experiment;
struct SeriesDefinition;

// "<meaning>\n<x symbol> = <x> <unit>\n<y symbol> = <y> <unit>" for a point of the graphs
// window's `series`, which shows `experiment`'s run; a measured point adds the flank wear
// typed for it.
QString SeriesReadout(const Experiment &experiment, const SeriesDefinition &series, double x,
                      double y);

// What chart `chart` (1..3) of the graphs window plots of `experiment`'s run, for a screen
// reader: each series' meaning and its points, a line by its two ends.
QString ChartValues(const Experiment &experiment, int chart);

// How to zoom, undo, pan and scroll, for the empty plot.
QString PlotHint();

} // namespace kvr
