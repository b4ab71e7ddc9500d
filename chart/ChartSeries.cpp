#include "ChartSeries.h"

#include "ChartCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

// The colours that ColorEachPoint hands out by point index.
constexpr TColor kPointPalette[] = {clRed,    0x00FF00, 0x00FFFF, clBlue,   clWhite,
                                    clGray,   0xFF00FF, 0x008000, 0x000080, 0x808000,
                                    0x800080, 0x008080, clBlack,  0x00FF00, 0xC0C0C0};

} // namespace

TChartSeries::TChartSeries(const QString &name) : m_name(name) {
    Own({&m_xValues, &m_yValues, &m_marks});
}

void TChartSeries::InvalidateIfActive() {
    if (m_active)
        Changed();
}

int TChartSeries::AddPoint(double x, double y, const QString &label, TColor color) {
    if (OnBeforeAdd && !OnBeforeAdd(*this, x, y))
        return -1;
    const int index = m_xValues.AppendOrdered(x);
    m_yValues.InsertAt(index, y);
    // The other points had no own colour or label: fill them in on first need.
    const std::size_t others = std::size_t(Count() - 1);
    if (color != clDefault || !m_colors.empty()) {
        m_colors.resize(others, clDefault);
        m_colors.insert(m_colors.begin() + index, color);
    }
    if (!label.isEmpty() || !m_labels.empty()) {
        m_labels.resize(others);
        m_labels.insert(m_labels.begin() + index, label);
    }
    if (OnAfterAdd)
        OnAfterAdd(*this, index);
    InvalidateIfActive();
    return index;
}

void TChartSeries::AddPoints(std::span<const double> xs, std::span<const double> ys) {
    const std::size_t count = std::min(xs.size(), ys.size());
    // The events see every point on its own.
    const std::size_t inOrder =
        OnBeforeAdd || OnAfterAdd ? 0 : m_xValues.AppendInOrder(xs.first(count));
    if (inOrder > 0) {
        m_yValues.AppendValues(ys.first(inOrder));
        if (!m_colors.empty())
            m_colors.resize(std::size_t(Count()), clDefault);
        if (!m_labels.empty())
            m_labels.resize(std::size_t(Count()));
        InvalidateIfActive();
    }
    for (std::size_t i = inOrder; i < count; ++i)
        AddPoint(xs[i], ys[i]);
}

void TChartSeries::RemoveAllPoints() {
    m_xValues.RemoveAllValues();
    m_yValues.RemoveAllValues();
    m_colors = {};
    m_labels = {};
    if (OnClearValues)
        OnClearValues(*this);
    InvalidateIfActive();
}

std::size_t TChartSeries::CapacityBytes() const {
    return m_xValues.CapacityBytes() + m_yValues.CapacityBytes() +
           m_colors.capacity() * sizeof(TColor) + m_labels.capacity() * sizeof(QString);
}

TColor TChartSeries::PointColor(int index) const {
    if (index < 0 || index >= Count())
        return m_seriesColor;
    // An empty colour list stands for clDefault at every point.
    const TColor own = index < int(m_colors.size()) ? m_colors[std::size_t(index)] : clDefault;
    if (own != clDefault)
        return own;
    if (m_colorEachPoint)
        return kPointPalette[std::size_t(index) % std::size(kPointPalette)];
    return m_seriesColor;
}

QString TChartSeries::PointLabel(int index) const {
    return index < int(m_labels.size()) ? m_labels[std::size_t(index)] : QString();
}

int TChartSeries::XPixel(int index) const {
    return m_frame.horizontal.ValueToPixel(m_xValues.ValueAt(index));
}

int TChartSeries::YPixel(int index) const {
    return m_frame.vertical.ValueToPixel(m_yValues.ValueAt(index));
}

bool TChartSeries::PointIsFinite(int index) const {
    return std::isfinite(m_xValues.ValueAt(index)) && std::isfinite(m_yValues.ValueAt(index));
}

void TChartSeries::HorizontalMargins(int &left, int &right) const { left = right = 0; }

void TChartSeries::VerticalMargins(int &top, int &bottom) const { top = bottom = 0; }

int TChartSeries::FirstIndexNotBelow(double value, int from) const {
    const int count = Count();
    // An ascending list searched by halving gives the same index as a scan from the
    // front; a NaN stored or a multiplier not above 0 leaves the list unsorted.
    if (m_xValues.Order() == TChartListOrder::loAscending && m_xValues.Multiplier() > 0.0 &&
        m_xValues.AllNumbers()) {
        int low = from;
        int high = count;
        while (low < high) {
            const int mid = low + (high - low) / 2;
            if (m_xValues.ValueAt(mid) < value)
                low = mid + 1;
            else
                high = mid;
        }
        return low < count ? low : -1;
    }
    for (int i = from; i < count; ++i) {
        if (!(m_xValues.ValueAt(i) < value))
            return i;
    }
    return -1;
}

void TChartSeries::FindShownRange(const PlotFrame &frame) {
    m_frame = frame;
    m_firstShown = m_lastShown = -1;
    const int count = Count();
    if (count == 0)
        return;
    if (!RangeLimited() || m_xValues.Order() == TChartListOrder::loNone) {
        m_firstShown = 0;
        m_lastShown = count - 1;
        return;
    }
    const kvr::chart::AxisMapping &axis = frame.horizontal;
    const ChartRect &plot = frame.plot;
    const double xmin = axis.PixelToValue(axis.inverted ? plot.Right : plot.Left);
    m_firstShown = FirstIndexNotBelow(xmin, 0);
    if (m_firstShown < 0)
        return;
    const double xmax = axis.PixelToValue(axis.inverted ? plot.Left : plot.Right);
    if (!(m_xValues.LastValue() > xmax)) {
        m_lastShown = count - 1;
        return;
    }
    const int beyond = FirstIndexNotBelow(xmax, m_firstShown);
    m_lastShown = beyond < 0 ? count - 1 : beyond;
    if (!ReachBeyondEdge() && m_xValues.ValueAt(m_lastShown) > xmax)
        --m_lastShown;
}

void TChartSeries::Draw(ChartCanvas &canvas, const kvr::chart::AxisMapping &horizontal,
                        const kvr::chart::AxisMapping &vertical, const ChartRect &plot) {
    DrawShownPoints(canvas, {horizontal, vertical, plot});
}

void TChartSeries::DrawShownPoints(ChartCanvas &canvas, const PlotFrame &frame) {
    for (int i = m_firstShown; i <= m_lastShown; ++i)
        PaintPoint(canvas, frame, i);
}

void TChartSeries::PaintPoint(ChartCanvas &, const PlotFrame &, int) {}

int TChartSeries::Clicked(int x, int y) const {
    constexpr int kReach = 3;
    for (int i = 0; i < Count(); ++i) {
        if (PointIsFinite(i) && std::abs(XPixel(i) - x) <= kReach &&
            std::abs(YPixel(i) - y) <= kReach)
            return i;
    }
    return -1;
}

void TChartSeries::PrepareLegendCanvas(ChartCanvas &, TColor &, TBrushStyle &) const {}

void TChartSeries::PaintLegendSymbol(ChartCanvas &canvas, const ChartRect &rect, TColor legendColor,
                                     TColor panelColor) const {
    if (m_colorEachPoint)
        return;
    canvas.SetBrushColor(m_seriesColor);
    if (m_seriesColor == clNone)
        return;
    TColor back = legendColor;
    TBrushStyle style = TBrushStyle::bsSolid;
    PrepareLegendCanvas(canvas, back, style);
    if (back == clDefault)
        back = legendColor != clDefault ? legendColor : panelColor;
    TColor brushColor = canvas.BrushColor();
    canvas.SetBrushStyle(style);
    if (style == TBrushStyle::bsSolid) {
        canvas.SetBackOpaque(false);
    } else {
        canvas.SetBackOpaque(true);
        canvas.SetBackColor(back);
        if (brushColor == back)
            canvas.SetBrushColor(back == clBlack ? clWhite : clBlack);
    }
    PaintLegendShape(canvas, rect, m_seriesColor, legendColor);
}

void TChartSeries::PaintLegendBox(ChartCanvas &canvas, const ChartRect &rect,
                                  TColor legendColor) const {
    canvas.Rectangle(rect);
    if (canvas.BrushColor() != legendColor)
        return;
    const TBrushStyle style = canvas.BrushStyle();
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    if (legendColor == clBlack)
        canvas.SetPenColor(clWhite);
    canvas.Rectangle(rect);
    canvas.SetPenColor(clBlack);
    canvas.SetBrushStyle(style);
}

void TChartSeries::PaintLegendShape(ChartCanvas &canvas, const ChartRect &rect, TColor,
                                    TColor legendColor) const {
    PaintLegendBox(canvas, rect, legendColor);
}
