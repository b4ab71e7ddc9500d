#include <kvrchart/ChartSeries.h>

#include "ChartCanvas.h"
#include "SeriesSteps.h"
#include <kvrchart/ChartLayout.h>

#include <QMetaMethod>
#include <QPointF>

#include <algorithm>
#include <cmath>

namespace kvr::chart {

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

void TChartSeries::connectNotify(const QMetaMethod &) { NoteAddListeners(); }

void TChartSeries::disconnectNotify(const QMetaMethod &) { NoteAddListeners(); }

void TChartSeries::NoteAddListeners() {
    static const QMetaMethod before = QMetaMethod::fromSignal(&TChartSeries::BeforeAdd);
    static const QMetaMethod after = QMetaMethod::fromSignal(&TChartSeries::AfterAdd);
    m_addListened = isSignalConnected(before) || isSignalConnected(after);
}

int TChartSeries::AddPoint(double x, double y, const QString &label, TColor color) {
    bool accepted = true;
    if (m_addListened)
        emit BeforeAdd(x, y, &accepted);
    if (!accepted)
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
    if (m_addListened)
        emit AfterAdd(index);
    InvalidateIfActive();
    return index;
}

void TChartSeries::AddPoints(std::span<const double> xs, std::span<const double> ys) {
    const std::size_t count = std::min(xs.size(), ys.size());
    // The events see every point on its own.
    const std::size_t inOrder = m_addListened ? 0 : m_xValues.AppendInOrder(xs.first(count));
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
    emit ValuesCleared();
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

int TChartSeries::XPixel(const PlotFrame &frame, int index) const {
    return frame.horizontal.ValueToPixel(m_xValues.ValueAt(index));
}

int TChartSeries::YPixel(const PlotFrame &frame, int index) const {
    return frame.vertical.ValueToPixel(m_yValues.ValueAt(index));
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

PlotFrame TChartSeries::FindShownRange(PlotFrame frame) const {
    frame.first = frame.last = -1;
    const int count = Count();
    if (count == 0)
        return frame;
    if (!RangeLimited() || m_xValues.Order() == TChartListOrder::loNone) {
        frame.first = 0;
        frame.last = count - 1;
        return frame;
    }
    const AxisMapping &axis = frame.horizontal;
    const ChartRect &plot = frame.plot;
    const double xmin = axis.PixelToValue(axis.inverted ? plot.Right : plot.Left);
    frame.first = FirstIndexNotBelow(xmin, 0);
    if (frame.first < 0)
        return frame;
    const double xmax = axis.PixelToValue(axis.inverted ? plot.Left : plot.Right);
    if (!(m_xValues.LastValue() > xmax)) {
        frame.last = count - 1;
        return frame;
    }
    // The last point lies beyond xmax, so some point from frame.first on is not below it.
    frame.last = FirstIndexNotBelow(xmax, frame.first);
    if (!ReachBeyondEdge() && m_xValues.ValueAt(frame.last) > xmax)
        --frame.last;
    return frame;
}

void SeriesSteps::Draw(const TChartSeries &self, ChartCanvas &canvas, const PlotFrame &frame) {
    DrawShownPoints(self, canvas, frame);
}

void SeriesSteps::DrawShownPoints(const TChartSeries &self, ChartCanvas &canvas,
                                  const PlotFrame &frame) {
    if (const auto *custom = dynamic_cast<const TCustomSeries *>(&self))
        DrawCustomPoints(*custom, canvas, frame);
}

int TChartSeries::PointAt(const PlotFrame &frame, int x, int y) const {
    for (int i = 0; i < Count(); ++i) {
        if (PointIsFinite(i) &&
            std::abs(frame.horizontal.ValueToPixel(m_xValues.ValueAt(i)) - x) <= kMarkerReach &&
            std::abs(frame.vertical.ValueToPixel(m_yValues.ValueAt(i)) - y) <= kMarkerReach)
            return i;
    }
    return -1;
}

namespace {

double SegmentDistance(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

} // namespace

bool TChartSeries::NearLine(const PlotFrame &frame, int x, int y) const {
    auto pixel = [&](int k) {
        return QPointF(frame.horizontal.ValueToPixel(m_xValues.ValueAt(k)),
                       frame.vertical.ValueToPixel(m_yValues.ValueAt(k)));
    };
    for (int k = 1; k < Count(); ++k) {
        if (SegmentDistance(QPointF(x, y), pixel(k - 1), pixel(k)) <= kLineReach)
            return true;
    }
    return false;
}

bool TChartSeries::LineValueAt(double x, double &y) const {
    for (int k = 1; k < Count(); ++k) {
        const long double x0 = m_xValues.ValueAt(k - 1), x1 = m_xValues.ValueAt(k);
        if (x < x0 || x > x1)
            continue;
        const long double y0 = m_yValues.ValueAt(k - 1), y1 = m_yValues.ValueAt(k);
        y = static_cast<double>(x1 > x0 ? y0 + (y1 - y0) * (x - x0) / (x1 - x0) : y0);
        return true;
    }
    return false;
}

void SeriesSteps::PrepareLegendCanvas(const TChartSeries &self, ChartCanvas &canvas,
                                      TColor &backColor, TBrushStyle &brushStyle) {
    if (const auto *line = dynamic_cast<const TLineSeries *>(&self))
        PrepareLineLegendCanvas(*line, canvas, backColor, brushStyle);
}

void SeriesSteps::PaintLegendSymbol(const TChartSeries &self, ChartCanvas &canvas,
                                    const ChartRect &rect, TColor legendColor, TColor panelColor) {
    if (self.m_colorEachPoint)
        return;
    canvas.SetBrushColor(self.m_seriesColor);
    if (self.m_seriesColor == clNone)
        return;
    TColor back = legendColor;
    TBrushStyle style = TBrushStyle::bsSolid;
    PrepareLegendCanvas(self, canvas, back, style);
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
    PaintLegendShape(self, canvas, rect, self.m_seriesColor, legendColor);
}

void SeriesSteps::PaintLegendBox(ChartCanvas &canvas, const ChartRect &rect, TColor legendColor) {
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

void SeriesSteps::PaintLegendShape(const TChartSeries &self, ChartCanvas &canvas,
                                   const ChartRect &rect, TColor color, TColor legendColor) {
    if (const auto *custom = dynamic_cast<const TCustomSeries *>(&self))
        PaintCustomLegendShape(*custom, canvas, rect, color, legendColor);
    else
        PaintLegendBox(canvas, rect, legendColor);
}

} // namespace kvr::chart
