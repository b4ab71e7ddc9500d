#include <kvrchart/ChartAxis.h>

#include "AxisSteps.h"
#include "ChartCanvas.h"
#include <kvrchart/ChartException.h>
#include <kvrchart/ChartLayout.h>

#include <QRegularExpression>
#include <algorithm>
#include <cfloat>
#include <cmath>

namespace kvr::chart {

void TChartAxisTitle::SetAngle(int value) {
    if (value < 0 || value > 359)
        throw ChartException("Axis Title Angle must be between 0 and 359 degrees");
    Store(m_angle, value);
}

TCustomChartAxis::TCustomChartAxis(AxisId side) : m_side(side) {
    Own({&m_labelsFont, &m_axisPen, &m_ticks, &m_ticksInner, &m_minorTicks, &m_grid, &m_minorGrid,
         &m_title});
    if (side == AxisId::Left)
        m_title.SetAngle(90);
    else if (side == AxisId::Right)
        m_title.SetAngle(270);
}

TChartDepthAxis::TChartDepthAxis() : TCustomChartAxis(AxisId::Depth) { SetVisible(false); }

std::span<const TChartSeries *const> TCustomChartAxis::AllSeries() const {
    const ChartHost *host = Host();
    return host ? host->SeriesList() : std::span<const TChartSeries *const>();
}

void TCustomChartAxis::SetAutomatic(bool value) {
    Store(m_automatic, value);
    if (!Loading()) {
        Store(m_automaticMinimum, value);
        Store(m_automaticMaximum, value);
    }
}

void TCustomChartAxis::SetAutomaticMinimum(bool value) {
    Store(m_automaticMinimum, value);
    if (!value)
        Store(m_automatic, false);
    else if (m_automaticMaximum)
        Store(m_automatic, true);
}

void TCustomChartAxis::SetAutomaticMaximum(bool value) {
    Store(m_automaticMaximum, value);
    if (!value)
        Store(m_automatic, false);
    else if (m_automaticMinimum)
        Store(m_automatic, true);
}

void TCustomChartAxis::SetMinimum(double value) {
    if (!Loading() && value > m_maximum)
        throw AxisException("Axis Minimum Value must be <= Maximum");
    Store(m_minimum, value);
}

void TCustomChartAxis::SetMaximum(double value) {
    if (!Loading() && value < m_minimum)
        throw AxisException("Axis Maximum Value must be >= Minimum");
    Store(m_maximum, value);
}

void TCustomChartAxis::SetIncrement(double value) {
    if (!(value >= 0.0))
        throw AxisException("Axis increment must be >= 0");
    Store(m_increment, value);
}

void TCustomChartAxis::SetLabelsAngle(int value) {
    if (value < 0 || value > 359)
        throw ChartException("Axis Labels Angle must be between 0 and 359 degrees");
    Store(m_labelsAngle, value);
}

void TCustomChartAxis::SetLabelsSeparation(int value) {
    if (value < 0)
        throw AxisException("Labels Separation % must be greater than 0");
    Store(m_labelsSeparation, value);
}

void TCustomChartAxis::SetLogarithmicBase(int value) {
    if (value < 2)
        throw AxisException("Axis Logarithmic Base should be >= 2");
    Store(m_logarithmicBase, value);
}

void TCustomChartAxis::SetLogarithmic(bool value) {
    if (value) {
        AxisLayout recomputed;
        CalcWorkingRange(Range(), recomputed);
        if (recomputed.mapping.minimum < 0.0 || recomputed.mapping.maximum < 0.0)
            throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
    }
    Store(m_logarithmic, value);
}

AxisRange AxisRange::Fixed(double a, double b) {
    AxisRange range{false, false, false, std::min(a, b), std::max(a, b)};
    if (range.maximum - range.minimum < 1e-10)
        range.maximum = range.minimum + 1e-10;
    return range;
}

void TCustomChartAxis::SetMinMax(double a, double b) {
    const AxisRange fixed = AxisRange::Fixed(a, b);
    m_automatic = m_automaticMinimum = m_automaticMaximum = false;
    m_minimum = fixed.minimum;
    m_maximum = fixed.maximum;
    Changed();
}

AxisRange TCustomChartAxis::Range() const {
    return {m_automatic, m_automaticMinimum, m_automaticMaximum, m_minimum, m_maximum};
}

void TCustomChartAxis::SetRange(const AxisRange &range) {
    if (!range.automatic)
        SetMinMax(range.minimum, range.maximum);
    SetAutomatic(range.automatic);
    SetAutomaticMinimum(range.automaticMinimum);
    SetAutomaticMaximum(range.automaticMaximum);
}

void TCustomChartAxis::Scroll(double delta) {
    m_automatic = m_automaticMinimum = m_automaticMaximum = false;
    m_minimum += delta;
    m_maximum += delta;
    Changed();
}

bool TCustomChartAxis::IsAssociated(const TChartSeries &series) const {
    switch (m_side) {
    case AxisId::Bottom:
        return series.HorizAxis() == THorizAxis::aBottomAxis ||
               series.HorizAxis() == THorizAxis::aBothHorizAxis;
    case AxisId::Top:
        return series.HorizAxis() == THorizAxis::aTopAxis ||
               series.HorizAxis() == THorizAxis::aBothHorizAxis;
    case AxisId::Left:
        return series.VertAxis() == TVertAxis::aLeftAxis ||
               series.VertAxis() == TVertAxis::aBothVertAxis;
    case AxisId::Right:
        return series.VertAxis() == TVertAxis::aRightAxis ||
               series.VertAxis() == TVertAxis::aBothVertAxis;
    case AxisId::Depth:
        break;
    }
    return false;
}

std::vector<const TChartSeries *> TCustomChartAxis::RangeSeries() const {
    std::vector<const TChartSeries *> associated;
    bool anyActive = false;
    for (const TChartSeries *s : AllSeries()) {
        if (IsAssociated(*s)) {
            associated.push_back(s);
            anyActive = anyActive || s->Active();
        }
    }
    std::vector<const TChartSeries *> counting;
    for (const TChartSeries *s : associated) {
        if ((s->Active() || !anyActive) && s->Count() > 0)
            counting.push_back(s);
    }
    return counting;
}

double TCustomChartAxis::SeriesExtreme(bool highest) const {
    const auto series = RangeSeries();
    if (series.empty())
        return 0.0;
    auto value = [&](const TChartSeries *s) {
        if (Horizontal())
            return highest ? s->HighestX() : s->LowestX();
        return highest ? s->HighestY() : s->LowestY();
    };
    double result = value(series.front());
    for (const TChartSeries *s : series)
        result = highest ? std::max(result, value(s)) : std::min(result, value(s));
    return result;
}

void TCustomChartAxis::CalcWorkingRange(const AxisRange &range, AxisLayout &layout) const {
    layout.range = range;
    layout.maximum =
        range.automatic || range.automaticMaximum ? SeriesExtreme(true) : range.maximum;
    layout.minimum =
        range.automatic || range.automaticMinimum ? SeriesExtreme(false) : range.minimum;
    layout.mapping.horizontal = Horizontal();
    layout.mapping.minimum = layout.minimum;
    layout.mapping.maximum = layout.maximum;
}

bool TCustomChartAxis::IsShown(bool axisVisible) const {
    if (!axisVisible || !m_visible || m_side == AxisId::Depth)
        return false;
    bool anyActive = false;
    for (const TChartSeries *s : AllSeries()) {
        if (!s->Active())
            continue;
        anyActive = true;
        if (IsAssociated(*s))
            return true;
    }
    return !anyActive;
}

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const {
    if (m_labelStyle != TAxisLabelStyle::talAuto)
        return m_labelStyle;
    bool associated = false;
    for (const TChartSeries *s : AllSeries()) {
        if (!s->Active() || !IsAssociated(*s))
            continue;
        associated = true;
        // Line and point series carry their texts along X, so only a horizontal axis
        // shows them.
        if (Horizontal() && s->Count() > 0 && !s->PointLabel(0).isEmpty())
            return TAxisLabelStyle::talText;
    }
    return associated ? TAxisLabelStyle::talValue : TAxisLabelStyle::talNone;
}

QString TCustomChartAxis::LabelText(double value) const {
    const ChartHost *host = Host();
    const QLocale locale = host ? host->LabelLocale() : QLocale::system();
    // Every drawing writes the same labels again: keep the texts while what writes them
    // stays the same.
    const std::lock_guard lock(m_labelTextsMutex);
    LabelTexts &known = m_labelTexts;
    if (known.locale != locale || known.format != m_axisValuesFormat ||
        known.multiLine != m_labelsMultiLine || known.texts.size() >= 1024) {
        known = {locale, m_axisValuesFormat, m_labelsMultiLine, {}};
    }
    const auto found = known.texts.constFind(value);
    if (found != known.texts.cend())
        return *found;
    QString text = AxisValueText(value, locale, ParseNumberFormat(m_axisValuesFormat));
    if (m_labelsMultiLine)
        text.replace(QLatin1Char(' '), QLatin1Char('\n'));
    known.texts.insert(value, text);
    return text;
}

QStringList TCustomChartAxis::LabelLines(const QString &text) const {
    return text.split(QLatin1Char('\n'));
}

int AxisSteps::LabelWidth(const TCustomChartAxis &self, ChartCanvas &canvas, const QString &text) {
    const QStringList lines = self.LabelLines(text);
    if (self.m_labelsAngle == 90 || self.m_labelsAngle == 270)
        return canvas.FontHeight() * int(lines.size());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, canvas.TextWidth(line));
    return widest;
}

int AxisSteps::LabelHeight(const TCustomChartAxis &self, ChartCanvas &canvas, const QString &text) {
    const QStringList lines = self.LabelLines(text);
    if (self.m_labelsAngle == 0 || self.m_labelsAngle == 180)
        return canvas.FontHeight() * int(lines.size());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, canvas.TextWidth(line));
    return widest;
}

double AxisSteps::CalcLabelStep(const TCustomChartAxis &self, ChartCanvas &canvas,
                                const AxisMapping &mapping) {
    const QString low = self.LabelText(mapping.minimum);
    const QString high = self.LabelText(mapping.maximum);
    const int size =
        self.Horizontal()
            ? std::max(LabelWidth(self, canvas, low), LabelWidth(self, canvas, high))
            : std::max(LabelHeight(self, canvas, low), LabelHeight(self, canvas, high));
    return LabelStep(
        {mapping.Length(), size, self.m_labelsSeparation, self.m_increment, mapping.Range()});
}

int AxisSteps::WidestSeriesText(const TCustomChartAxis &self, ChartCanvas &canvas) {
    int widest = 0;
    for (const TChartSeries *s : self.AllSeries()) {
        if (!s->Active() || !self.IsAssociated(*s) || !s->HasPointLabels())
            continue;
        for (int p = 0; p < s->Count(); ++p)
            widest = std::max(widest, LabelWidth(self, canvas, s->PointLabel(p)));
    }
    return widest;
}

// The ends of this drawing come later: the label step is measured with the axis
// length of the drawing before.
int AxisSteps::WidestLabel(const TCustomChartAxis &self, ChartCanvas &canvas,
                           const AxisMapping &previous) {
    switch (self.EffectiveLabelStyle()) {
    case TAxisLabelStyle::talValue: {
        double low = previous.minimum;
        double high = previous.maximum;
        if (self.m_roundFirstLabel) {
            const double step = CalcLabelStep(self, canvas, previous);
            low = std::trunc(low / step) * step;
            high = std::trunc(high / step) * step;
        }
        return std::max(LabelWidth(self, canvas, self.LabelText(high)),
                        LabelWidth(self, canvas, self.LabelText(low))) +
               canvas.TextWidth(QStringLiteral(" "));
    }
    case TAxisLabelStyle::talMark:
    case TAxisLabelStyle::talText:
        return WidestSeriesText(self, canvas);
    case TAxisLabelStyle::talAuto:
    case TAxisLabelStyle::talNone:
        break;
    }
    return 0;
}

bool TCustomChartAxis::TextRunsAlong(int angle) const {
    return Horizontal() ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

void AxisSteps::TakeRoom(const TCustomChartAxis &self, ChartCanvas &canvas, ChartRect &rect,
                         const ChartRect &plot, int previousLength, AxisLayout &layout) {
    auto take = [&](int size) {
        switch (self.m_side) {
        case AxisId::Left:
            return rect.Left += size;
        case AxisId::Bottom:
            return rect.Bottom -= size;
        case AxisId::Right:
            return rect.Right -= size;
        case AxisId::Top:
            return rect.Top += size;
        case AxisId::Depth:
            break;
        }
        return 0;
    };
    if (!self.m_title.Caption().isEmpty()) {
        canvas.SetFont(self.m_title.Font());
        const int size = self.m_titleSize != 0 ? self.m_titleSize
                         : self.TextRunsAlong(self.m_title.Angle())
                             ? canvas.FontHeight()
                             : canvas.TextWidth(self.m_title.Caption());
        layout.titlePos = take(size);
    }
    if (self.m_labels) {
        canvas.SetFont(self.m_labelsFont);
        AxisMapping previous = layout.mapping;
        previous.start = 0;
        previous.end = previousLength;
        const int size = self.m_labelsSize != 0 ? self.m_labelsSize
                         : self.TextRunsAlong(self.m_labelsAngle)
                             ? canvas.FontHeight()
                             : WidestLabel(self, canvas, previous);
        layout.labelsPos = take(size);
    }
    int tickRoom = (self.m_axisPen.Visible() ? self.m_axisPen.Width() : 0) +
                   (self.m_ticks.Visible() ? self.m_tickLength : 0);
    if (self.m_minorTicks.Visible())
        tickRoom = std::max(tickRoom, self.m_minorTickLength);
    if (tickRoom > 0)
        take(tickRoom);
    const int shift = self.LabelsShift(plot);
    layout.titlePos += shift;
    layout.labelsPos += shift;
}

int TCustomChartAxis::ShiftIntoPlot(const ChartRect &plot) const {
    if (m_positionPercent == 0.0)
        return 0;
    const int across = Horizontal() ? plot.Height() : plot.Width();
    return RoundEven(m_positionPercent * 0.01 * across);
}

// Moving into the plot is +x for the left axis, −y for the bottom one, and so on.
int TCustomChartAxis::LabelsShift(const ChartRect &plot) const {
    const int shift = ShiftIntoPlot(plot);
    return (m_side == AxisId::Left || m_side == AxisId::Top) ? shift : -shift;
}

void TCustomChartAxis::CalcPixelEnds(const ChartRect &plot, AxisLayout &layout) const {
    const int origin = Horizontal() ? plot.Left : plot.Top;
    const int size = Horizontal() ? plot.Width() : plot.Height();
    layout.mapping.start = origin + RoundEven(size * 0.01 * m_startPosition);
    layout.mapping.end = origin + RoundEven(size * 0.01 * m_endPosition);
    layout.mapping.inverted = m_inverted;
    layout.linePos = LinePosition(plot);
}

void TCustomChartAxis::AdjustMarginsFromSeries(AxisLayout &layout) const {
    int a = 0;
    int b = 0;
    for (const TChartSeries *series : AllSeries()) {
        const TChartSeries &s = *series;
        if (!s.Active() || !IsAssociated(s))
            continue;
        int first = 0;
        int second = 0;
        if (Horizontal()) {
            s.HorizontalMargins(first, second);
            if (layout.range.automaticMinimum)
                a = std::max(a, first);
            if (layout.range.automaticMaximum)
                b = std::max(b, second);
        } else {
            s.VerticalMargins(first, second);
            if (layout.range.automaticMaximum)
                a = std::max(a, first);
            if (layout.range.automaticMinimum)
                b = std::max(b, second);
        }
    }
    AxisMapping &mapping = layout.mapping;
    AxisMapping shortened = mapping;
    shortened.start += a;
    shortened.end -= b;
    // Data at the largest doubles leaves no room for a margin beyond them: the axis ends
    // there rather than at infinity, which would map every point onto one pixel.
    double low = std::clamp(shortened.PixelToValue(mapping.start), -DBL_MAX, DBL_MAX);
    double high = std::clamp(shortened.PixelToValue(mapping.end), -DBL_MAX, DBL_MAX);
    if (low > high)
        std::swap(low, high);
    mapping.minimum = low;
    mapping.maximum = high;
}

ChartRect TCustomChartAxis::HitRect(const AxisLayout &layout) const {
    if (!layout.shown)
        return {};
    const AxisMapping &m = layout.mapping;
    const int labelsPos = layout.labelsPos;
    const int linePos = layout.linePos;
    const int along0 = std::min(m.start, m.end);
    const int along1 = std::max(m.start, m.end);
    const int across0 = labelsPos < linePos ? labelsPos : linePos - 3;
    const int across1 = labelsPos < linePos ? linePos + 3 : labelsPos;
    if (Horizontal())
        return {along0, across0, along1, across1};
    return {across0, along0, across1, along1};
}

} // namespace kvr::chart
