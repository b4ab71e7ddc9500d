#include "ChartReadout.h"

#include "CalculationState.h"
#include "Experiment.h"
#include "FormatFixed.h"
#include "GraphicDefinition.h"
#include "InputTable.h"
#include "QuantityTexts.h"
#include "RunStatus.h"
#include "TranslatedTexts.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace kvr {

namespace {

// A quantity as the results window writes it: by its key in the table of quantities.
struct ReadoutQuantity {
    const char *key;
    int precision;
    int decimals;
};

constexpr ReadoutQuantity kTime{"running_time", 3, 2};
constexpr ReadoutQuantity kWear{"dimensional_wear", 3, 2};
constexpr ReadoutQuantity kSpeed{"cutting_speed", 10, 2};
constexpr ReadoutQuantity kToolLife{"tool_life", 3, 2};

struct SeriesMeaning {
    SeriesRole role;
    int cutter;
    const char *meaning;
    ReadoutQuantity x;
    ReadoutQuantity y;
};

using R = SeriesRole;
const SeriesMeaning kMeanings[] = {
    {R::MeasuredWear, 1, QT_TRANSLATE_NOOP("Readout", "Розмірне зношування, інструмент 1"), kTime,
     kWear},
    {R::MeasuredWear, 2, QT_TRANSLATE_NOOP("Readout", "Розмірне зношування, інструмент 2"), kTime,
     kWear},
    {R::MeasuredWear, 3, QT_TRANSLATE_NOOP("Readout", "Розмірне зношування, інструмент 3"), kTime,
     kWear},
    {R::WearLine, 1, QT_TRANSLATE_NOOP("Readout", "Лінія зношування V1, інструмент 1"), kTime,
     kWear},
    {R::WearLine, 2, QT_TRANSLATE_NOOP("Readout", "Лінія зношування V2, інструмент 2"), kTime,
     kWear},
    {R::WearLine, 3, QT_TRANSLATE_NOOP("Readout", "Лінія зношування V3, інструмент 3"), kTime,
     kWear},
    {R::WearAtChosenTime, 0, QT_TRANSLATE_NOOP("Readout", "Розмірне зношування у вибраний час τд"),
     kSpeed, kWear},
    {R::WearModel, 0, QT_TRANSLATE_NOOP("Readout", "Модель зношування hр = C·V^k"), kSpeed, kWear},
    {R::ToolLife, 0, QT_TRANSLATE_NOOP("Readout", "Період стійкості інструмента"), kSpeed,
     kToolLife},
    {R::LifeModel, 0, QT_TRANSLATE_NOOP("Readout", "Модель стійкості Tр = C·V^z"), kSpeed,
     kToolLife},
};

QString Reading(const ReadoutQuantity &quantity, double value) {
    // A model far outside its data may overflow; the read-out says so instead of failing.
    const QString number =
        std::isfinite(value)
            ? QString::fromStdString(
                  FormatFixed(value, quantity.precision, quantity.decimals, DecimalSeparator()))
            : QStringLiteral("—");
    return SymbolOf(quantity.key) + QStringLiteral(" = ") + number + QLatin1Char(' ') +
           Unit(quantity.key);
}

// The flank wear the student measured, as its field showed it when the run read it.
QString MeasuredFlankWearText(const RunStatus &runs, int cutter, int interval) {
    const std::string &text = runs.calculation.texts[FlankWearSlot(cutter, interval)];
    return text.empty() ? QStringLiteral("—") : QString::fromStdString(text);
}

// "\nhз = <measured> мкм" for the measured point of `cutter` at (time, wear), none for
// another.
QString MeasuredLine(const Experiment &experiment, int cutter, double time, double wear) {
    const CalculationState &state = experiment.State();
    for (int j = 1; j <= kIntervals; ++j)
        if (state.cumulative_time[cutter][j] == time && state.dimensional_wear[cutter][j] == wear)
            return QLatin1Char('\n') + SymbolOf("flank_wear") + QStringLiteral(" = ") +
                   MeasuredFlankWearText(experiment.Status(), cutter, j) + QLatin1Char(' ') +
                   Unit("flank_wear");
    return QString();
}

const SeriesMeaning *MeaningOf(const SeriesDefinition &series) {
    for (const SeriesMeaning &entry : kMeanings)
        if (entry.role == series.role && entry.cutter == series.cutter)
            return &entry;
    return nullptr;
}

// What ends a sentence before the next: none before the first, no second point after a unit's.
QString SentenceBreak(const QString &before) {
    if (before.isEmpty())
        return QString();
    return before.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ");
}

} // namespace

QString ChartValues(const Experiment &experiment, int chart) {
    QString described;
    // The measured points first, as the legend names them.
    for (SeriesRole role : kSeriesRoles)
        for (const SeriesDefinition &series : GraphSeriesDefinitions()) {
            const SeriesMeaning *meaning = MeaningOf(series);
            if (series.chart != chart || series.role != role || !meaning)
                continue;
            std::vector<PlotPoint> points =
                RolePoints(experiment.State(), series.role, series.cutter);
            if (points.empty())
                continue;
            // A curve's hundreds of points say no more than where it starts and ends.
            if (series.kind == SeriesKind::Line && points.size() > 2)
                points = {points.front(), points.back()};
            QStringList values;
            for (const PlotPoint &point : points)
                values << Reading(meaning->x, point.x) + QStringLiteral(", ") +
                              Reading(meaning->y, point.y);
            described += SentenceBreak(described) +
                         QCoreApplication::translate("Readout", meaning->meaning) +
                         QStringLiteral(": ") + values.join(QStringLiteral("; "));
        }
    return described;
}

QString SeriesReadout(const Experiment &experiment, const SeriesDefinition &series, double x,
                      double y) {
    const SeriesMeaning *entry = MeaningOf(series);
    if (!entry)
        return QString();
    return QCoreApplication::translate("Readout", entry->meaning) + QLatin1Char('\n') +
           Reading(entry->x, x) + QLatin1Char('\n') + Reading(entry->y, y) +
           (entry->role == R::MeasuredWear ? MeasuredLine(experiment, entry->cutter, x, y)
                                           : QString());
}

QString PlotHint() {
    return QCoreApplication::translate(
        "Readout", "Збільшити: протягніть лівою кнопкою вправо-вниз або натисніть +.\n"
                   "Зменшити: натисніть -.\n"
                   "Скасувати збільшення: протягніть вліво-вгору, Home або Esc.\n"
                   "Зсунути: протягніть правою кнопкою або стрілками.\n"
                   "Прокрутити по вертикалі: коліщатко миші.\n"
                   "Копіювати: права кнопка без руху або Ctrl+C.");
}

} // namespace kvr
