#pragma once

#include <QLocale>
#include <QString>

#include <vector>

namespace kvr::chart {

// Axis arithmetic that needs no painting: the label step search, the number format of
// value labels and the value<->pixel mappings.
// The next label step: 1, 2, 5, 10, 20, 50 … and below 1 … 0.1, 0.2, 0.5.
double NextStep(double step);

struct StepQuery {
    int axisLength = 0;        // pixels
    int labelSize = 0;         // the larger label extent along the axis, pixels
    int labelsSeparation = 10; // percent of a label's size
    double increment = 0.0;    // smallest step wanted; 0 means none
    double range = 0.0;        // working maximum − working minimum
};

// The label step: the first of the steps, from Increment or 1 upward, whose label count
// fits on the axis.
double LabelStep(const StepQuery &query);

// The value labels from the highest down, the first on a multiple of the step when
// roundFirst is true; none when the range holds 10000 steps or more.
std::vector<double> LabelValues(double minimum, double maximum, double step, bool roundFirst);

// A number format of the "#,##0.###" family: a comma before the point groups the
// digits, each "0" after it is a decimal always shown, each "#" one shown unless zero.
struct NumberFormat {
    bool grouped = true;
    int minDecimals = 0;
    int maxDecimals = 3;
};

// Formats outside the family read as the default "#,##0.###".
NumberFormat ParseNumberFormat(const QString &format);

// v written by the format with the locale's separators.
QString AxisValueText(double value, const QLocale &locale, const NumberFormat &format = {});

// The working state of one axis that the value<->pixel mappings read.
struct AxisMapping {
    int start = 0;
    int end = 0;
    double minimum = 0.0;
    double maximum = 0.0;
    bool horizontal = true;
    bool inverted = false;

    int Length() const { return end - start; }
    int Centre() const { return (start + end) / 2; }
    double Range() const { return maximum - minimum; }

    // Far-off values land on the centre pixel, never on an overflowed integer. The exact
    // rule; PixelMapper gives the same pixels faster for many values.
    int ValueToPixel(double value) const;
    double PixelToValue(int pixel) const;
};

} // namespace kvr::chart
