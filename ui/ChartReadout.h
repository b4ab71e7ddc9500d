// What a tooltip over a graph reads out: the meaning of a series and both values with
// their units, written as the results window writes numbers, or a hint on the gestures.
#pragma once

#include <QString>

namespace kvr {

// "<meaning>\n<x symbol> = <x> <unit>\n<y symbol> = <y> <unit>" for the graphs window's
// series `seriesName` ("Series1" .. "Series10"); empty for any other series.
QString SeriesReadout(const QString &seriesName, double x, double y);

// How to zoom, undo, pan and scroll, for the empty plot.
QString PlotHint();

} // namespace kvr
