#include "GraphData.h"

#include "ArithmeticFault.h"
#include "ModelFit.h"

#include <algorithm>
#include <cmath>

namespace kvr {

namespace {

void AddFinite(std::vector<PlotPoint> &points, long double x, long double y) {
    const double storedX = static_cast<double>(x);
    const double storedY = static_cast<double>(y);
    if (std::isfinite(storedX) && std::isfinite(storedY))
        points.push_back({storedX, storedY});
}

std::vector<long double> CurveSpeeds(SpeedRange range, std::size_t cap) {
    std::vector<long double> speeds;
    if (!(range.hi >= range.lo) || cap < 2)
        return speeds;
    const long double span = static_cast<long double>(range.hi) - range.lo;
    if (span + 1 <= static_cast<long double>(cap)) {
        // Counted, not stepped: far out, adding 1 to a speed may not change it.
        const auto count = static_cast<std::size_t>(span) + 1;
        for (std::size_t k = 0; k < count; ++k)
            speeds.push_back(range.lo + static_cast<long double>(k));
        return speeds;
    }
    const long double last = static_cast<long double>(cap - 1);
    for (std::size_t k = 0; k < cap; ++k)
        speeds.push_back(range.lo + std::floor(span * static_cast<long double>(k) / last + 0.5L));
    speeds.back() = range.hi;
    return speeds;
}

} // namespace

std::vector<PlotPoint> MeasuredWear(const CalculationState &state, int cutter) {
    std::vector<PlotPoint> points;
    for (int j = 1; j <= kIntervals; ++j)
        AddFinite(points, state.cumulative_time[cutter][j], state.dimensional_wear[cutter][j]);
    return points;
}

std::vector<PlotPoint> WearLine(const CalculationState &state, int cutter) {
    const long double first = state.cumulative_time[cutter][1];
    const long double last = state.cumulative_time[cutter][3];
    const double runOn = static_cast<double>(0.1L * (last - first + 1));
    const double end = static_cast<double>(last + runOn);
    const long double rate = state.wear_rate[cutter];
    const long double initial = state.initial_wear[cutter];
    std::vector<PlotPoint> points;
    AddFinite(points, first, rate * first + initial);
    if (std::isfinite(end))
        AddFinite(points, end, rate * end + initial);
    return points;
}

std::vector<PlotPoint> SpeedPoints(const CalculationState &state, const PerCutter &values) {
    std::vector<PlotPoint> points;
    for (int i = 1; i <= kCutters; ++i)
        AddFinite(points, state.cutting_speed[i], values[i]);
    return points;
}

SpeedRange CurveSpeedRange(const CalculationState &state) {
    // Whichever cutter turned fastest: numbered slowest first, the curves still span them all.
    const auto [slowest, fastest] =
        std::minmax({state.cutting_speed[1], state.cutting_speed[2], state.cutting_speed[3]});
    // nearbyint rounds in the default mode: to nearest, halves to the even neighbour.
    return {std::trunc(slowest), std::nearbyint(fastest)};
}

std::vector<PlotPoint> ModelCurve(double coefficient, double exponent, SpeedRange range,
                                  std::size_t cap) {
    std::vector<PlotPoint> points;
    const std::vector<long double> speeds = CurveSpeeds(range, cap);
    points.reserve(speeds.size());
    for (long double s : speeds) {
        try {
            AddFinite(points, s, static_cast<double>(coefficient * Power(s, exponent)));
        } catch (const ArithmeticFault &) {
            // A speed where the model is undefined (0 to a negative power) is not drawn.
        }
    }
    return points;
}

std::vector<PlotPoint> RolePoints(const CalculationState &state, SeriesRole role, int cutter) {
    switch (role) {
    case SeriesRole::MeasuredWear:
        return MeasuredWear(state, cutter);
    case SeriesRole::WearLine:
        return WearLine(state, cutter);
    case SeriesRole::WearAtChosenTime:
        return SpeedPoints(state, state.wear_at_chosen_time);
    case SeriesRole::WearModel:
        return ModelCurve(state.wear_model_coefficient, state.wear_model_exponent,
                          CurveSpeedRange(state));
    case SeriesRole::ToolLife:
        return SpeedPoints(state, state.tool_life);
    case SeriesRole::LifeModel:
        return ModelCurve(state.life_model_coefficient, state.life_model_exponent,
                          CurveSpeedRange(state));
    }
    return {};
}

} // namespace kvr
