#include <kvrchart/ChartGeometry.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kvr::chart {

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t half = std::abs(std::int64_t(c)) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (std::abs(product) + half) / std::abs(std::int64_t(c));
    return int(negative ? -magnitude : magnitude);
}

ChartRect InitialPlotRect(const ChartRect &bounds, const ChartMargins &percent, int border) {
    const int w = bounds.Width();
    const int h = bounds.Height();
    return {bounds.Left + border + MulDiv(percent.Left, w, 100),
            bounds.Top + border + MulDiv(percent.Top, h, 100),
            bounds.Right - border - MulDiv(percent.Right, w, 100),
            bounds.Bottom - border - MulDiv(percent.Bottom, h, 100)};
}

ChartRect NormalisePlotRect(ChartRect r, const ChartRect &bounds, int panelWidth, int panelHeight) {
    r.Left = std::max(r.Left, bounds.Left);
    r.Top = std::max(r.Top, bounds.Top);
    if (r.Right < r.Left)
        r.Right = r.Left + 1;
    else if (r.Right == r.Left)
        r.Right = r.Left + panelWidth;
    if (r.Bottom < r.Top)
        r.Bottom = r.Top + 1;
    else if (r.Bottom == r.Top)
        r.Bottom = r.Top + panelHeight;
    return r;
}

ChartRect Intersect(const ChartRect &a, const ChartRect &b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

bool IsEmpty(const ChartRect &r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

int RoundEven(double value) {
    if (!std::isfinite(value))
        return 0;
    const double clamped = std::clamp(value, -2147483648.0, 2147483647.0);
    return int(std::nearbyint(clamped));
}

} // namespace kvr::chart
