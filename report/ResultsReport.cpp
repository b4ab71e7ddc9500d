#include "ResultsReport.h"

#include "ExperimentFile.h"
#include "MainLayout.h"
#include "ResultTexts.h"
#include "Titles.h"
#include "TranslatedTexts.h"

#include <QCoreApplication>
#include <QLocale>

#include <vector>

namespace kvr {

namespace {

// In the order the main window shows them, the allowable flank wear last.
std::vector<QuantityValue> InputsOnePerRow() {
    std::vector<QuantityValue> values;
    for (int slot : ConditionSlots())
        values.push_back(TypedValueAt(slot));
    return values;
}

const CutterColumn kMeasuredColumns[] = {{"running_time", true}, {"flank_wear", true}};
const CutterColumn kResultColumns[] = {
    {"cutting_speed", false}, {"total_time", false}, {"dimensional_wear", true}};

struct ModelRow {
    const char *formula;
    const char *coefficient;
    const char *exponent;
};
const ModelRow kModelRows[] = {
    {QT_TRANSLATE_NOOP("Report", "hр = C·V^k"), "wear_model_c", "wear_model_k"},
    {QT_TRANSLATE_NOOP("Report", "Tр = C·V^z"), "life_model_c", "life_model_z"},
};

QString Tr(const char *text) { return QCoreApplication::translate("Report", text); }
QString Text(const std::string &text) { return QString::fromStdString(text); }

// "Перевірив: Тарвилко Н. Г. " as two cells.
QStringList CaptionAndValue(const QString &line) {
    const QStringList parts = line.split(QLatin1String(": "));
    return {parts.value(0).trimmed(), parts.value(1).trimmed()};
}

QList<QStringList> InputRows(const RunReport &report) {
    QList<QStringList> rows{{Tr(QT_TRANSLATE_NOOP("Report", "Вихідні дані"))}};
    for (const QuantityValue &value : ListedInputs())
        rows.append({Caption(value), Reported(report, value)});
    rows.append(CutterHeader(kMeasuredColumns));
    for (int i = 1; i <= kCutters; ++i)
        rows.append(CutterCells(report, i, kMeasuredColumns));
    return rows;
}

QList<QStringList> ResultRows(const RunReport &report) {
    QList<QStringList> rows{{Tr(QT_TRANSLATE_NOOP("Report", "Результати розрахунків"))},
                            CutterHeader(kResultColumns)};
    for (int i = 1; i <= kCutters; ++i)
        rows.append(CutterCells(report, i, kResultColumns));
    const QuantityValue allowable = ValueOf("allowable_dimensional_wear");
    rows.append({Caption(allowable), Reported(report, allowable)});
    return rows;
}

QList<QStringList> ModelRows(const RunReport &report) {
    const QuantityValue time = ValueOf("chosen_time");
    QList<QStringList> rows{{Tr(QT_TRANSLATE_NOOP("Report", "Математичні моделі"))},
                            {Caption(time), Reported(report, time)},
                            {Tr(QT_TRANSLATE_NOOP("Report", "Модель")), QStringLiteral("C"),
                             Tr(QT_TRANSLATE_NOOP("Report", "Показник степеня"))}};
    for (const ModelRow &row : kModelRows)
        if (const std::string &c = report.At(row.coefficient); !c.empty())
            rows.append({Tr(row.formula), Text(c), Text(report.At(row.exponent))});
    return rows;
}

} // namespace

RunReport WindowReport(const RunStatus &status, const CalculationState &state) {
    return RunReport(status, state, DecimalSeparator());
}

QString Reported(const RunReport &report, const QuantityValue &value) {
    if (value.Typed() && value.Slot() >= 0 && value.Slot() < kMainWindowSlots &&
        !ListItems(value.Slot()).empty())
        return ListItemText(report.At(value));
    const QString text = Text(report.At(value));
    // A typed number reads with a point; the report writes it as the windows write numbers.
    return value.Typed() && value.quantity->source != Source::Name
               ? QString(text).replace(QLatin1Char('.'), QLocale::system().decimalPoint())
               : text;
}

std::span<const QuantityValue> ListedInputs() {
    static const std::vector<QuantityValue> values = InputsOnePerRow();
    return values;
}

QStringList CutterHeader(std::span<const CutterColumn> columns) {
    QStringList header{Tr(QT_TRANSLATE_NOOP("Report", "Інструмент"))};
    for (const CutterColumn &column : columns)
        for (int j = 1; j <= (column.perInterval ? kIntervals : 1); ++j)
            header << ColumnHeader(column.key, column.perInterval ? j : 0);
    return header;
}

QStringList CutterCells(const RunReport &report, int cutter,
                        std::span<const CutterColumn> columns) {
    QStringList cells{QString::number(cutter)};
    for (const CutterColumn &column : columns)
        for (int j = 1; j <= (column.perInterval ? kIntervals : 1); ++j)
            cells << Reported(report, ValueOf(column.key, cutter, column.perInterval ? j : 0));
    return cells;
}

QList<QStringList> ReportRows(const RunReport &report) {
    QList<QStringList> rows{{WindowTitle(kResultWindowWords)},
                            {Tr(QT_TRANSLATE_NOOP("Report", "Виконав")), Text(report.At("name"))},
                            CaptionAndValue(InstructorLine()),
                            {}};
    rows << InputRows(report) << QStringList() << ResultRows(report);
    if (report.Determined())
        rows << QStringList() << ModelRows(report);
    return rows;
}

QString ResultsReport(const RunReport &report) {
    QString text;
    for (const QStringList &row : ReportRows(report)) {
        QStringList cells;
        for (const QString &cell : row)
            cells << Text(OneCell(cell.toStdString()));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString ResultsReport(const RunStatus &status, const CalculationState &state) {
    return ResultsReport(WindowReport(status, state));
}

} // namespace kvr
