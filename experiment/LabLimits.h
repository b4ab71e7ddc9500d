// What a lab's lathe, tools and stopwatch can give for each typed number. A value outside
// its range is still calculated as typed: the check and the results window only note it, so
// that a teacher sees a spindle speed of 1e300 or wear typed in millimetres before grading.
#pragma once

#include "Expected.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <iterator>
#include <optional>
#include <string_view>

namespace kvr {

struct LimitRange {
    double low;
    double high;
};

struct LabLimit {
    const char *key; // the input's key, as the experiment file and the check's columns name it
    LimitRange range;
};

// Wide enough for any lathe and tool of a teaching lab, narrow enough to catch a slipped
// decimal sign or unit. Flank wear has no lower limit here: wear that is not positive gets a
// note of its own.
inline constexpr LabLimit kLabLimits[] = {
    {"diameter", {5, 500}},
    {"depth_of_cut", {0.05, 10}},
    {"feed", {0.01, 3}},
    {"spindle_speed", {10, 4000}},
    {"running_time", {0.1, 240}},
    {"flank_wear", {0, 3000}},
    {"allowable_flank_wear", {10, 3000}},
};

class LabLimits {
public:
    // The built-in ranges.
    LabLimits();

    // The range of the input `key`, or none for an input without one (the angles).
    std::optional<LimitRange> Of(std::string_view key) const;

    // A teacher's file: a line "key low high" replaces that input's range; "#" starts a
    // comment. Numbers take a point or a comma.
    static Expected<LabLimits> Parse(const QByteArray &text);
    // The built-in ranges for an empty path; otherwise that file's, or why it cannot be
    // read, in a sentence naming it.
    static Expected<LabLimits> Read(const QString &path);

private:
    std::array<LimitRange, std::size(kLabLimits)> m_ranges;
};

} // namespace kvr
