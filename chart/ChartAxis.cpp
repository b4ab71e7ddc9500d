#include "ChartAxis.h"

#include "ChartCanvas.h"
#include "ChartException.h"
#include "TChart.h"

#include <QRegularExpression>
#include <algorithm>
#include <cfloat>
#include <cmath>

using kvr::chart::RoundEven;

void TChartAxisTitle::SetAngle(int value) {
    if (value < 0 || value > 359)
        throw ChartException("Axis Title Angle must be between 0 and 359 degrees");
    Store(m_angle, value);
}

TCustomChartAxis::TCustomChartAxis(TChart &chart, AxisSide side) : m_chart(chart), m_side(side) {
    if (side == AxisSide::Left)
        m_title.SetAngle(90);
    else if (side == AxisSide::Right)
        m_title.SetAngle(270);
    m_mapping.horizontal = Horizontal();
}

TChartDepthAxis::TChartDepthAxis(TChart &chart) : TCustomChartAxis(chart, AxisSide::Depth) {
    SetVisible(false);
}

void TCustomChartAxis::SetAxisSink(ChangeSink *sink) {
    SetSink(sink);
    for (ChartPart *part :
         std::initializer_list<ChartPart *>{&m_labelsFont, &m_axisPen, &m_ticks, &m_ticksInner,
                                            &m_minorTicks, &m_grid, &m_minorGrid})
        part->SetSink(sink);
    m_title.SetTitleSink(sink);
}

bool TCustomChartAxis::Loading() const { return m_chart.IsLoading(); }

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
        CalcWorkingRange();
        if (WorkingMinimum() < 0.0 || WorkingMaximum() < 0.0)
            throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
    }
    Store(m_logarithmic, value);
}

void TCustomChartAxis::SetMinMax(double a, double b) {
    m_automatic = m_automaticMinimum = m_automaticMaximum = false;
    m_minimum = std::min(a, b);
    m_maximum = std::max(a, b);
    if (m_maximum - m_minimum < 1e-10)
        m_maximum = m_minimum + 1e-10;
    Changed();
}

void TCustomChartAxis::Scroll(double delta) {
    m_automatic = m_automaticMinimum = m_automaticMaximum = false;
    m_minimum += delta;
    m_maximum += delta;
    Changed();
}

bool TCustomChartAxis::IsAssociated(const TChartSeries &series) const {
    switch (m_side) {
    case AxisSide::Bottom:
        return series.HorizAxis() == aBottomAxis || series.HorizAxis() == aBothHorizAxis;
    case AxisSide::Top:
        return series.HorizAxis() == aTopAxis || series.HorizAxis() == aBothHorizAxis;
    case AxisSide::Left:
        return series.VertAxis() == aLeftAxis || series.VertAxis() == aBothVertAxis;
    case AxisSide::Right:
        return series.VertAxis() == aRightAxis || series.VertAxis() == aBothVertAxis;
    case AxisSide::Depth:
        break;
    }
    return false;
}

std::vector<const TChartSeries *> TCustomChartAxis::RangeSeries() const {
    std::vector<const TChartSeries *> associated;
    bool anyActive = false;
    for (int i = 0; i < m_chart.SeriesCount(); ++i) {
        const TChartSeries &s = m_chart.Series(i);
        if (IsAssociated(s)) {
            associated.push_back(&s);
            anyActive = anyActive || s.Active();
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

void TCustomChartAxis::CalcWorkingRange() {
    if (m_automatic || m_automaticMaximum)
        m_maximum = SeriesExtreme(true);
    if (m_automatic || m_automaticMinimum)
        m_minimum = SeriesExtreme(false);
    m_mapping.minimum = m_minimum;
    m_mapping.maximum = m_maximum;
}

bool TCustomChartAxis::IsShown() const {
    if (!m_chart.AxisVisible() || !m_visible || m_side == AxisSide::Depth)
        return false;
    bool anyActive = false;
    for (int i = 0; i < m_chart.SeriesCount(); ++i) {
        const TChartSeries &s = m_chart.Series(i);
        if (!s.Active())
            continue;
        anyActive = true;
        if (IsAssociated(s))
            return true;
    }
    return !anyActive;
}

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const {
    if (m_labelStyle != talAuto)
        return m_labelStyle;
    bool associated = false;
    for (int i = 0; i < m_chart.SeriesCount(); ++i) {
        const TChartSeries &s = m_chart.Series(i);
        if (!s.Active() || !IsAssociated(s))
            continue;
        associated = true;
        // Line and point series carry their texts along X, so only a horizontal axis
        // shows them.
        if (Horizontal() && s.Count() > 0 && !s.PointLabel(0).isEmpty())
            return talText;
    }
    return associated ? talValue : talNone;
}

QString TCustomChartAxis::LabelText(double value) const {
    QString text = kvr::chart::AxisValueText(value, m_chart.LabelLocale(),
                                             kvr::chart::ParseNumberFormat(m_axisValuesFormat));
    if (m_labelsMultiLine)
        text.replace(QLatin1Char(' '), QLatin1Char('\n'));
    return text;
}

QStringList TCustomChartAxis::LabelLines(const QString &text) const {
    return text.split(QLatin1Char('\n'));
}

int TCustomChartAxis::LabelWidth(ChartCanvas &canvas, const QString &text) const {
    const QStringList lines = LabelLines(text);
    if (m_labelsAngle == 90 || m_labelsAngle == 270)
        return canvas.FontHeight() * int(lines.size());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, canvas.TextWidth(line));
    return widest;
}

int TCustomChartAxis::LabelHeight(ChartCanvas &canvas, const QString &text) const {
    const QStringList lines = LabelLines(text);
    if (m_labelsAngle == 0 || m_labelsAngle == 180)
        return canvas.FontHeight() * int(lines.size());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, canvas.TextWidth(line));
    return widest;
}

double TCustomChartAxis::CalcLabelStep(ChartCanvas &canvas, int axisLength) const {
    const QString low = LabelText(WorkingMinimum());
    const QString high = LabelText(WorkingMaximum());
    const int size = Horizontal() ? std::max(LabelWidth(canvas, low), LabelWidth(canvas, high))
                                  : std::max(LabelHeight(canvas, low), LabelHeight(canvas, high));
    return kvr::chart::LabelStep(
        {axisLength, size, m_labelsSeparation, m_increment, WorkingRange()});
}

int TCustomChartAxis::WidestSeriesText(ChartCanvas &canvas) const {
    int widest = 0;
    for (int i = 0; i < m_chart.SeriesCount(); ++i) {
        const TChartSeries &s = m_chart.Series(i);
        if (!s.Active() || !IsAssociated(s) || !s.HasPointLabels())
            continue;
        for (int p = 0; p < s.Count(); ++p)
            widest = std::max(widest, LabelWidth(canvas, s.PointLabel(p)));
    }
    return widest;
}

int TCustomChartAxis::WidestLabel(ChartCanvas &canvas) const {
    switch (EffectiveLabelStyle()) {
    case talValue: {
        double low = WorkingMinimum();
        double high = WorkingMaximum();
        if (m_roundFirstLabel) {
            // The length is still the one of the previous drawing: the ends come later.
            const double step = CalcLabelStep(canvas, m_mapping.Length());
            low = std::trunc(low / step) * step;
            high = std::trunc(high / step) * step;
        }
        return std::max(LabelWidth(canvas, LabelText(high)), LabelWidth(canvas, LabelText(low))) +
               canvas.TextWidth(QStringLiteral(" "));
    }
    case talMark:
    case talText:
        return WidestSeriesText(canvas);
    case talAuto:
    case talNone:
        break;
    }
    return 0;
}

bool TCustomChartAxis::TextRunsAlong(int angle) const {
    return Horizontal() ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

void TCustomChartAxis::TakeRoom(ChartCanvas &canvas, ChartRect &rect) {
    auto take = [&](int size) {
        switch (m_side) {
        case AxisSide::Left:
            return rect.Left += size;
        case AxisSide::Bottom:
            return rect.Bottom -= size;
        case AxisSide::Right:
            return rect.Right -= size;
        case AxisSide::Top:
            return rect.Top += size;
        case AxisSide::Depth:
            break;
        }
        return 0;
    };
    if (!m_title.Caption().isEmpty()) {
        canvas.SetFont(m_title.Font());
        const int size = m_titleSize != 0                 ? m_titleSize
                         : TextRunsAlong(m_title.Angle()) ? canvas.FontHeight()
                                                          : canvas.TextWidth(m_title.Caption());
        m_titlePos = take(size);
    }
    if (m_labels) {
        canvas.SetFont(m_labelsFont);
        const int size = m_labelsSize != 0              ? m_labelsSize
                         : TextRunsAlong(m_labelsAngle) ? canvas.FontHeight()
                                                        : WidestLabel(canvas);
        m_labelsPos = take(size);
    }
    int tickRoom =
        (m_axisPen.Visible() ? m_axisPen.Width() : 0) + (m_ticks.Visible() ? m_tickLength : 0);
    if (m_minorTicks.Visible())
        tickRoom = std::max(tickRoom, m_minorTickLength);
    if (tickRoom > 0)
        take(tickRoom);
    const int shift = LabelsShift();
    m_titlePos += shift;
    m_labelsPos += shift;
}

int TCustomChartAxis::ShiftIntoPlot() const {
    if (m_positionPercent == 0.0)
        return 0;
    const int across = Horizontal() ? m_chart.PlotHeight() : m_chart.PlotWidth();
    return RoundEven(m_positionPercent * 0.01 * across);
}

// Moving into the plot is +x for the left axis, −y for the bottom one, and so on.
int TCustomChartAxis::LabelsShift() const {
    const int shift = ShiftIntoPlot();
    return (m_side == AxisSide::Left || m_side == AxisSide::Top) ? shift : -shift;
}

void TCustomChartAxis::CalcPixelEnds(const ChartRect &plot) {
    const int origin = Horizontal() ? plot.Left : plot.Top;
    const int size = Horizontal() ? plot.Width() : plot.Height();
    m_mapping.start = origin + RoundEven(size * 0.01 * m_startPosition);
    m_mapping.end = origin + RoundEven(size * 0.01 * m_endPosition);
    m_mapping.inverted = m_inverted;
    m_linePos = LinePosition(plot);
}

void TCustomChartAxis::AdjustMarginsFromSeries() {
    int a = 0;
    int b = 0;
    for (int i = 0; i < m_chart.SeriesCount(); ++i) {
        const TChartSeries &s = m_chart.Series(i);
        if (!s.Active() || !IsAssociated(s))
            continue;
        int first = 0;
        int second = 0;
        if (Horizontal()) {
            s.HorizontalMargins(first, second);
            if (m_automaticMinimum)
                a = std::max(a, first);
            if (m_automaticMaximum)
                b = std::max(b, second);
        } else {
            s.VerticalMargins(first, second);
            if (m_automaticMaximum)
                a = std::max(a, first);
            if (m_automaticMinimum)
                b = std::max(b, second);
        }
    }
    kvr::chart::AxisMapping shortened = m_mapping;
    shortened.start += a;
    shortened.end -= b;
    // Data at the largest doubles leaves no room for a margin beyond them: the axis ends
    // there rather than at infinity, which would put every point on its line.
    double low = std::clamp(shortened.PixelToValue(m_mapping.start), -DBL_MAX, DBL_MAX);
    double high = std::clamp(shortened.PixelToValue(m_mapping.end), -DBL_MAX, DBL_MAX);
    if (low > high)
        std::swap(low, high);
    m_mapping.minimum = low;
    m_mapping.maximum = high;
}

ChartRect TCustomChartAxis::HitRect() const {
    if (!IsShown())
        return {};
    const int along0 = std::min(m_mapping.start, m_mapping.end);
    const int along1 = std::max(m_mapping.start, m_mapping.end);
    const int across0 = m_labelsPos < m_linePos ? m_labelsPos : m_linePos - 3;
    const int across1 = m_labelsPos < m_linePos ? m_linePos + 3 : m_labelsPos;
    if (Horizontal())
        return {along0, across0, along1, across1};
    return {across0, along0, across1, along1};
}
