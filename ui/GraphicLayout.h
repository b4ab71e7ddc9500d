// The graphs window's stored definition: charts, their series and the captions on them.
#pragma once

#include "ChartColor.h"

#include <span>

namespace kvr {

struct ChartDefinition {
    const char *name;
    int left, top, width, height;
    const char *titleText;
    double bottomMinimum;
    int leftTitleSize; // 0 keeps the default
    bool legendVisible;
};

enum class SeriesKind { Line, Point };

struct SeriesDefinition {
    int chart;  // 1..3
    int number; // SeriesN
    SeriesKind kind;
    TColor color;
    const char *title;
    bool showInLegend;
    TColor markerFill; // point series only
    int arrowLength;
};

// A text label or picture placed on a chart, relative to the chart.
struct ChartCaption {
    int chart;
    const char *name;
    int left, top, width, height;
    const char *text;    // a label's text, or empty for a picture
    const char *picture; // a resource path, or nullptr for a label
};

std::span<const ChartDefinition> GraphChartDefinitions();
std::span<const SeriesDefinition> GraphSeriesDefinitions();
std::span<const ChartCaption> GraphCaptions();

inline constexpr TColor kGraphBackColor = 0xC4FFFF;

} // namespace kvr
