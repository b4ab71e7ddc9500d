#include "GraphicLayout.h"

namespace kvr {

namespace {

constexpr TColor kGreen = 0x00CA00;
constexpr TColor kDarkRed = 0x0000AA;
constexpr TColor kViolet = 0xFF0080;

const ChartDefinition kCharts[] = {
    {"Chart1", 8, 8, 441, 377, "", 0.0, 1, true},
    {"Chart2", 456, 8, 417, 377, "TChart", 50.0, 0, false},
    {"Chart3", 880, 8, 417, 377, "", 50.0, 0, false},
};

// In each chart's drawing order: later series paint over earlier ones.
const SeriesDefinition kSeries[] = {
    {1, 2, SeriesKind::Line, clRed, "V1", true, clDefault, 8},
    {1, 1, SeriesKind::Point, clRed, "", false, clRed, 0},
    {1, 4, SeriesKind::Line, clBlue, "V2", true, clDefault, 8},
    {1, 3, SeriesKind::Point, clYellow, "", false, clBlue, 0},
    {1, 6, SeriesKind::Line, kGreen, "V3", true, clDefault, 8},
    {1, 5, SeriesKind::Point, clWhite, "", false, kGreen, 0},
    {2, 8, SeriesKind::Line, kDarkRed, "", true, clDefault, 8},
    {2, 7, SeriesKind::Point, clRed, "", true, kDarkRed, 8},
    {3, 10, SeriesKind::Line, kViolet, "", true, clDefault, 8},
    {3, 9, SeriesKind::Point, clRed, "", true, kViolet, 0},
};

const ChartCaption kCaptions[] = {
    {1, "Label6", 121, 356, 179, 13, "Час експлуатації інструмента   , хв.", nullptr},
    {1, "Label7", 276, 356, 4, 14, "τ", nullptr},
    {1, "Image2", 8, 96, 17, 177, "", ":/wear_axis_title.png"},
    {2, "Label4", 161, 356, 136, 13, "Швидкість різання V, м/хв.", nullptr},
    {2, "Image1", 8, 96, 17, 177, "", ":/wear_axis_title.png"},
    {3, "Label5", 153, 356, 136, 13, "Швидкість різання V, м/хв.", nullptr},
    {3, "Image3", 8, 112, 17, 129, "", ":/life_axis_title.png"},
};

} // namespace

std::span<const ChartDefinition> GraphChartDefinitions() { return kCharts; }

std::span<const SeriesDefinition> GraphSeriesDefinitions() { return kSeries; }

std::span<const ChartCaption> GraphCaptions() { return kCaptions; }

} // namespace kvr
