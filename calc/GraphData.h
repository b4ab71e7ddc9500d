// The points the graphs window plots, computed from the calculation record: plain C++,
// so that they are tested without a window. Points whose value is infinite or undefined
// are left out: they never reach a chart.
#pragma once

#include "CalculationState.h"

#include <cstddef>
#include <vector>

namespace kvr {

struct PlotPoint {
    double x = 0;
    double y = 0;
    bool operator==(const PlotPoint &) const = default;
};

// Above this many integer speeds a model curve is sampled: evenly spaced integer speeds,
// the first and last kept. The curve is monotonic, so between two samples less than a
// pixel apart the full polyline covers the same pixels as the one through the samples.
inline constexpr std::size_t kCurvePointCap = 1024;

// The measured dimensional wear of one cutter against its cumulative running time.
std::vector<PlotPoint> MeasuredWear(const CalculationState &state, int cutter);

// The fitted wear line of one cutter, from its first measurement to a tenth of the
// measured span plus 0.1 minute past its last.
std::vector<PlotPoint> WearLine(const CalculationState &state, int cutter);

// The three cutters' speeds against the given per-cutter values.
std::vector<PlotPoint> SpeedPoints(const CalculationState &state, const PerCutter &values);

struct SpeedRange {
    double lo = 0; // the slowest cutter's speed truncated
    double hi = 0; // the fastest cutter's speed rounded half to even
};
SpeedRange CurveSpeedRange(const CalculationState &state);

// coefficient · s^exponent for the integer speeds s from lo to hi (none when hi < lo).
std::vector<PlotPoint> ModelCurve(double coefficient, double exponent, SpeedRange range,
                                  std::size_t cap = kCurvePointCap);

// What a series of the graphs window shows, in the order the window fills them.
enum class SeriesRole {
    MeasuredWear,     // per cutter
    WearLine,         // per cutter
    WearAtChosenTime, // the three cutters against their speeds
    WearModel,        // h = C·V^k over the speed range
    ToolLife,         // the three cutters against their speeds
    LifeModel,        // T = C·V^z over the speed range
};
inline constexpr SeriesRole kSeriesRoles[] = {SeriesRole::MeasuredWear,     SeriesRole::WearLine,
                                              SeriesRole::WearAtChosenTime, SeriesRole::WearModel,
                                              SeriesRole::ToolLife,         SeriesRole::LifeModel};

// The points of a role; cutter counts only for the roles per cutter.
std::vector<PlotPoint> RolePoints(const CalculationState &state, SeriesRole role, int cutter);

} // namespace kvr
