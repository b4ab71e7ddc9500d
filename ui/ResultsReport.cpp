#include "ResultsReport.h"

#include "AccessibleNames.h"
#include "Handler.h"
#include "InputControls.h"
#include "InputFields.h"
#include "InputTable.h"
#include "ResultLabels.h"
#include "ResultLayout.h"
#include "ResultTexts.h"

#include <QLocale>

namespace kvr {

namespace {

// Inputs one per row, captioned by their spoken names, by slot.
constexpr int kInputRows[] = {kMaterialSlot,
                              kDiameterSlot,
                              0,
                              1,
                              2,
                              3,
                              6,
                              7,
                              SpindleSpeedSlot(1),
                              SpindleSpeedSlot(2),
                              SpindleSpeedSlot(3),
                              kAllowableFlankWearSlot};

struct ModelRow {
    const char *formula;
    std::optional<ModelText> ModelsRecord::*model;
};
const ModelRow kModelRows[] = {
    {"hр = C·V^k", &ModelsRecord::wear},
    {"Tр = C·V^z", &ModelsRecord::life},
};

QString Text(const std::string &text) { return QString::fromStdString(text); }

// "Перевірив: Тарвилко Н. Г. " as two cells.
QStringList CaptionAndValue(const char *line) {
    const QStringList parts = QString::fromUtf8(line).split(QLatin1String(": "));
    return {parts.value(0).trimmed(), parts.value(1).trimmed()};
}

// A typed number reads with a point; the report writes it as the windows write numbers.
QString TypedNumber(const std::string &text) {
    return Text(text).replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

QList<QStringList> InputRows(const CalculationRecord &read) {
    QList<QStringList> rows{{QString::fromUtf8("Вихідні дані")}};
    for (int slot : kInputRows)
        rows.append({SpokenNameOf(InputControl(slot)),
                     TypedNumber(read.texts[static_cast<std::size_t>(slot)])});
    rows.append(
        QString::fromUtf8("Інструмент\tτ1, хв.\tτ2, хв.\tτ3, хв.\thз1, мкм\thз2, мкм\thз3, мкм")
            .split(QLatin1Char('\t')));
    for (int i = 1; i <= kCutters; ++i) {
        QStringList cells{QString::number(i)};
        for (auto slot : {RunningTimeSlot, FlankWearSlot})
            for (int j = 1; j <= kIntervals; ++j)
                cells << TypedNumber(read.texts[static_cast<std::size_t>(slot(i, j))]);
        rows.append(cells);
    }
    return rows;
}

QList<QStringList> ResultRows(const CalculationState &state) {
    const std::string sep = DecimalSeparator();
    QList<QStringList> rows{
        {QString::fromUtf8("Результати розрахунків")},
        QString::fromUtf8("Інструмент\tV, м/хв.\tτΣ, хв.\thр1, мкм\thр2, мкм\thр3, мкм")
            .split(QLatin1Char('\t'))};
    for (int i = 1; i <= kCutters; ++i) {
        QStringList cells{QString::number(i), Text(SpeedText(state, i, sep)),
                          Text(TotalTimeText(state, i, sep))};
        for (int j = 1; j <= kIntervals; ++j)
            cells << Text(DimensionalWearText(state, i, j, sep));
        rows.append(cells);
    }
    rows.append({QString::fromUtf8("Допустиме розмірне зношування [hр], мкм"),
                 Text(AllowableWearText(state, sep))});
    return rows;
}

QList<QStringList> ModelRows(const ModelsRecord &models) {
    QList<QStringList> rows{
        {QString::fromUtf8("Математичні моделі")},
        {QString::fromUtf8("Тривалість роботи τд, хв."), TypedNumber(models.chosenTime)},
        {QString::fromUtf8("Модель"), QStringLiteral("C"), QString::fromUtf8("Показник степеня")}};
    for (const ModelRow &row : kModelRows)
        if (const std::optional<ModelText> &model = models.*row.model)
            rows.append(
                {QString::fromUtf8(row.formula), Text(model->coefficient), Text(model->exponent)});
    return rows;
}

} // namespace

QList<QStringList> ReportRows(const RunStatus &status, const CalculationState &state) {
    QList<QStringList> rows{
        {QString::fromUtf8(kApplicationTitle) + QString::fromUtf8(". Результати розрахунків")},
        {QString::fromUtf8("Виконав"), Text(status.calculation.userName)},
        CaptionAndValue(ResultWindowRow(kInstructorLabel).text),
        {}};
    rows << InputRows(status.calculation) << QStringList() << ResultRows(state);
    if (ModelsCurrent(status))
        rows << QStringList() << ModelRows(status.models);
    return rows;
}

QString ResultsReport(const RunStatus &status, const CalculationState &state) {
    QString text;
    for (const QStringList &row : ReportRows(status, state)) {
        QStringList cells;
        for (const QString &cell : row)
            cells << Text(OneCell(cell.toStdString()));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

} // namespace kvr
