// The chart's axis arithmetic for any working range, axis length and label size: the step
// search and the label loop end within their bounds, and value-to-pixel never leaves the
// axis for a value inside the range nor overflows for any other.
#include "FuzzCheck.h"
#include <kvrchart/AxisScale.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

using kvr::chart::AxisMapping;

// Qt keeps widgets below 2^24 pixels, so no axis starts or reaches further.
constexpr int kLargestWidget = 16777215;

template <typename T> T Take(const std::uint8_t *&data, std::size_t &size) {
    T value{};
    const std::size_t n = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

double FiniteOrZero(double v) { return std::isfinite(v) ? v : 0.0; }

struct Input {
    AxisMapping axis;
    int labelSize = 0;
    int labelsSeparation = 10;
    double increment = 0;
    double probe = 0;
    int pixel = 0;
    bool roundFirst = true;
};

Input Decode(const std::uint8_t *data, std::size_t size) {
    Input in;
    in.axis.minimum = FiniteOrZero(Take<double>(data, size));
    in.axis.maximum = FiniteOrZero(Take<double>(data, size));
    in.axis.start =
        int(Take<std::uint32_t>(data, size) % (2u * kLargestWidget + 1)) - kLargestWidget;
    in.axis.end = in.axis.start + int(Take<std::uint32_t>(data, size) % (kLargestWidget + 1u));
    in.labelSize = int(Take<std::uint16_t>(data, size)) - 1000; // a font height or a width
    const std::uint8_t flags = Take<std::uint8_t>(data, size);
    in.axis.horizontal = flags & 1;
    in.axis.inverted = flags & 2;
    in.roundFirst = !(flags & 4);
    in.labelsSeparation = Take<std::uint8_t>(data, size);
    in.increment = std::fabs(FiniteOrZero(Take<double>(data, size)));
    in.probe = FiniteOrZero(Take<double>(data, size));
    in.pixel = in.axis.start + int(Take<std::uint32_t>(data, size) % (2u * kLargestWidget + 1)) -
               kLargestWidget;
    return in;
}

double CheckStep(const Input &in) {
    const double step = kvr::chart::LabelStep(
        {in.axis.Length(), in.labelSize, in.labelsSeparation, in.increment, in.axis.Range()});
    FUZZ_CHECK(step >= 1e-12, "step %g for range %g", step, in.axis.Range());
    return step;
}

bool InsideAxis(const AxisMapping &axis, int pixel) {
    return pixel >= axis.start && pixel <= axis.end;
}

void CheckLabels(const Input &in, double step) {
    const AxisMapping &axis = in.axis;
    if (!(step > 0.0) || axis.maximum < axis.minimum)
        return;
    const std::vector<double> values =
        kvr::chart::LabelValues(axis.minimum, axis.maximum, step, in.roundFirst);
    // Fewer than 10000 steps in the range, but the lower bound's relative tolerance may
    // add more below a huge minimum: the loop's own bound holds.
    FUZZ_CHECK(values.size() <= 10002, "%zu labels for range %g, step %g", values.size(),
               axis.Range(), step);
    const double lower = (axis.minimum - 1e-12) / 1.000000000001;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double v = values[i];
        FUZZ_CHECK(v <= axis.maximum && v >= lower, "label %.17g outside %.17g … %.17g", v,
                   axis.minimum, axis.maximum);
        FUZZ_CHECK(i == 0 || v < values[i - 1], "label %.17g repeated or rising", v);
        const int p = axis.ValueToPixel(v);
        FUZZ_CHECK(InsideAxis(axis, p) || p == axis.Centre() || v < axis.minimum,
                   "label %.17g at pixel %d of %d … %d", v, p, axis.start, axis.end);
    }
}

// The pixel of a value in extended precision, where no product overflows.
long double ExactPixel(const AxisMapping &axis, double value) {
    const long double t = (static_cast<long double>(value) - axis.minimum) * axis.Length() /
                          (static_cast<long double>(axis.maximum) - axis.minimum);
    return axis.horizontal != axis.inverted ? axis.start + t : axis.end - t;
}

void CheckMapping(const Input &in) {
    const AxisMapping &axis = in.axis;
    const int p = axis.ValueToPixel(in.probe);
    const double range = axis.Range();
    if (std::isfinite(range) && range > 0 && in.probe >= axis.minimum && in.probe <= axis.maximum)
        FUZZ_CHECK(std::fabs(p - ExactPixel(axis, in.probe)) <= 1,
                   "%.17g in %.17g … %.17g at pixel %d of %d … %d", in.probe, axis.minimum,
                   axis.maximum, p, axis.start, axis.end);
    const double v = axis.PixelToValue(in.pixel);
    if (std::isfinite(range) && axis.Length() >= 1 && InsideAxis(axis, in.pixel))
        FUZZ_CHECK(std::isfinite(v), "pixel %d of %d … %d gave %g for %.17g … %.17g", in.pixel,
                   axis.start, axis.end, v, axis.minimum, axis.maximum);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const Input in = Decode(data, size);
    CheckLabels(in, CheckStep(in));
    CheckMapping(in);
    return 0;
}
