#include <kvrchart/AxisScale.h>

#include <kvrchart/ChartGeometry.h>

#include <QRegularExpression>

#include <climits>
#include <cmath>

namespace kvr::chart {

namespace {

constexpr double kMaxPixelOffset = 2147483647.0;
constexpr double kSmallestStep = 1e-12;
// Bounds the search for absurd ranges (around 1e308 the steps need ~900 rounds).
constexpr int kMaxStepRounds = 4000;

// With fewer than 10000 steps the label loop ends after about that many rounds; the
// bound also stops it where v − step == v for lack of precision.
constexpr int kMaxLabelRounds = 10002;
constexpr double kMaxLabelSteps = 10000.0;

// a·b/c; near the limit of a double a·b overflows although the quotient does not.
double MulDivReal(double a, double b, double c) {
    const double t = a * b / c;
    return std::isinf(t) ? a / c * b : t;
}

} // namespace

double NextStep(double step) {
    if (!std::isfinite(step) || step <= 0.0)
        return step;
    double mantissa = step;
    double scale = 1.0;
    while (mantissa >= 10.0) {
        mantissa *= 0.1;
        scale *= 10.0;
    }
    while (mantissa < 1.0) {
        mantissa *= 10.0;
        scale *= 0.1;
    }
    // Scaling by tenths drifts (1e-12 comes out as 9.99…e-13): take the first of the
    // 1-2-5 steps that is really above the given one, so the search always climbs.
    for (double candidate : {2.0, 5.0, 10.0, 20.0}) {
        if (candidate * scale > step * (1.0 + 1e-9))
            return candidate * scale;
    }
    return 50.0 * scale;
}

double LabelStep(const StepQuery &q) {
    int fits = 1;
    if (q.labelSize > 0) {
        const int spaced = q.labelsSeparation > 0
                               ? q.labelSize + RoundEven(q.labelsSeparation * 0.01 * q.labelSize)
                               : q.labelSize;
        fits = RoundEven(double(q.axisLength) / spaced);
    }
    if (fits < 1)
        return kSmallestStep;
    double step = q.increment > 0.0 ? q.increment : std::fabs(q.range) >= 1.0 ? 1.0 : kSmallestStep;
    if (q.labelsSeparation > 0 && std::isfinite(q.range) && std::isfinite(step)) {
        long long count = LLONG_MAX;
        for (int round = 0; round < kMaxStepRounds; ++round) {
            const double quotient = q.range / step;
            if (std::fabs(quotient) < kMaxPixelOffset) {
                count = std::llrint(quotient);
                if (count <= fits)
                    break;
            } else if (count <= fits) {
                break;
            }
            step = NextStep(step);
        }
    }
    return step < kSmallestStep ? kSmallestStep : step;
}

std::vector<double> LabelValues(double low, double high, double step, bool roundFirst) {
    std::vector<double> values;
    if (!(std::fabs((high - low) / step) < kMaxLabelSteps))
        return values;
    double v = low == high ? high : (roundFirst ? std::trunc(high / step) * step : high);
    for (int round = 0; v > high && round < kMaxLabelRounds; ++round)
        v -= step;
    // Where the step is below v's precision the loop above cannot bring v down.
    if (v > high)
        v = high;
    const double lower = (low - 1e-12) / 1.000000000001;
    for (int round = 0; v >= lower && round < kMaxLabelRounds; ++round) {
        values.push_back(v);
        const double next = v - step;
        // A step below v's precision would write the same label thousands of times.
        if (next == v)
            break;
        v = next;
    }
    return values;
}

NumberFormat ParseNumberFormat(const QString &format) {
    static const QRegularExpression family(QStringLiteral("^[#,0]*0(\\.0*#*)?$"));
    if (!family.match(format).hasMatch())
        return {};
    const qsizetype point = format.indexOf(QLatin1Char('.'));
    const QString fraction = point < 0 ? QString() : format.mid(point + 1);
    return {format.left(point < 0 ? format.size() : point).contains(QLatin1Char(',')),
            int(fraction.count(QLatin1Char('0'))), int(fraction.size())};
}

QString AxisValueText(double value, const QLocale &locale, const NumberFormat &format) {
    if (!std::isfinite(value))
        return QString();
    QLocale writer = locale;
    writer.setNumberOptions(format.grouped ? QLocale::DefaultNumberOptions
                                           : QLocale::OmitGroupSeparator);
    QString text = writer.toString(value, 'f', format.maxDecimals);
    const QString decimal = locale.decimalPoint();
    const qsizetype point = text.lastIndexOf(decimal);
    if (point >= 0) {
        const qsizetype kept = point + decimal.size() + format.minDecimals;
        qsizetype end = text.size();
        while (end > kept && text[end - 1] == QLatin1Char('0'))
            --end;
        if (end == point + decimal.size())
            end = point;
        text.truncate(end);
    }
    // A value that rounds to zero is shown without a sign.
    const QString negative = locale.negativeSign();
    if (text.startsWith(negative) &&
        text.mid(negative.size()).remove(locale.zeroDigit()).remove(decimal).isEmpty())
        return text.mid(negative.size());
    return text;
}

int AxisMapping::ValueToPixel(double value) const {
    const double range = Range();
    if (range == 0.0)
        return Centre();
    // In extended precision, so that only a quotient at a true half is a tie.
    const long double t = (static_cast<long double>(value) - minimum) * Length() / range;
    if (!(std::fabs(t) < kMaxPixelOffset))
        return Centre();
    const long long offset = std::llrint(t);
    const bool fromStart = horizontal != inverted;
    const long long pixel = fromStart ? start + offset : end - offset;
    // start + offset can leave the int range although the offset itself is below 2^31.
    if (pixel > INT_MAX || pixel < INT_MIN)
        return Centre();
    return int(pixel);
}

double AxisMapping::PixelToValue(int pixel) const {
    if (Length() < 1)
        return 0.0;
    const double offset = inverted ? double(end) - pixel : double(pixel) - start;
    const double t = MulDivReal(offset, Range(), Length());
    return horizontal ? minimum + t : maximum - t;
}

} // namespace kvr::chart
