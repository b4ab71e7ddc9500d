// The graphs window's stored definition, in one place: its three charts, their ten series
// with their roles, and the captions placed on them. The window builds its charts from it.
#pragma once

#include "GraphData.h"
#include <kvrchart/ChartGeometry.h>
#include <kvrchart/ChartPen.h>

#include <span>

namespace kvr::chart {
class ChartModel;
class TCustomSeries;
} // namespace kvr::chart

namespace kvr {

struct AxisDefinition {
    bool automatic;
    bool automaticMinimum;
    double minimum;
    int titleSize;       // 0 keeps the default
    bool speeds = false; // an axis of the cutters' speeds
};

struct LegendDefinition {
    bool visible;
    int colorWidth;
    int shadowSize;
};

struct ChartDefinition {
    const char *name;
    int left, top, width, height;
    chart::ChartMargins margins; // percent of the panel
    chart::TColor backWallBrushColor;
    chart::TBrushStyle backWallBrushStyle;
    bool titleVisible;
    const char *titleText;
    AxisDefinition bottomAxis;
    AxisDefinition leftAxis;
    LegendDefinition legend;
};

enum class SeriesKind { Line, Point };

struct SeriesDefinition {
    int chart;  // 1..3
    int number; // SeriesN
    SeriesKind kind;
    SeriesRole role;
    int cutter; // 1..3 for the roles per cutter, else 0
    chart::TColor color;
    const char *title;
    bool showInLegend;
    chart::TColor markerFill; // point series only
    int arrowLength;
};

// A text label or picture placed on a chart, relative to the chart.
struct ChartCaption {
    int chart;
    const char *name;
    int left, top, width, height;
    const char *text;    // a label's text, or what a picture shows
    const char *picture; // a resource path, or nullptr for a label; each language has its own
};

std::span<const ChartDefinition> GraphChartDefinitions();
// In each chart's drawing order: later series paint over earlier ones.
std::span<const SeriesDefinition> GraphSeriesDefinitions();
std::span<const ChartCaption> GraphCaptions();
const ChartDefinition &GraphChartDefinition(int chart);
const SeriesDefinition &GraphSeriesDefinition(SeriesRole role, int cutter = 0);

inline constexpr chart::TColor kGraphBackColor = 0xC4FFFF;

// The automatic flags and minimum of every axis as stored: the window gives them back on
// each showing, whatever a zoom, panning or the wheel made of them. Given the run, a speed
// axis starts at the ten below its slowest measured speed where that lies under the stored
// minimum, so that no measurement is left off the graph.
void ApplyAxesDefinition(chart::ChartModel &chart, const ChartDefinition &definition,
                         const CalculationState *run = nullptr);
// The stored panel, walls, title and axes of a chart, as a form loads them.
void ApplyPanelDefinition(chart::ChartModel &chart, const ChartDefinition &definition);
// The panel and the legend.
void ApplyChartDefinition(chart::ChartModel &chart, const ChartDefinition &definition);
// A new series at the end of the chart's list, named and styled as stored.
chart::TCustomSeries &AddDefinedSeries(chart::ChartModel &chart,
                                       const SeriesDefinition &definition);
// Each series, indexed by its number, gets its role's points of the record, role by role.
void FillDefinedSeries(std::span<chart::TCustomSeries *const> byNumber,
                       const CalculationState &state);

} // namespace kvr
