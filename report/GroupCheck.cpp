#include "GroupCheck.h"

#include "FileKinds.h"
#include "NativeNames.h"
#include "QuantityTexts.h"
#include "TranslatedTexts.h"
#include "TypedInputs.h"

#include <QCoreApplication>

namespace kvr {

namespace {

InputKind KindAt(int slot) {
    if (slot == kChosenTimeSlot)
        return InputKind::Number;
    for (const InputField &field : kInputFields)
        if (field.slot == slot)
            return field.kind;
    return InputKind::List;
}

// A spreadsheet's number format with the text's decimals: "0.00" for "182.06", and for the
// exponent form "1.34E179" a mantissa's decimals, then "E-", which writes a minus sign only,
// and as many exponent digits as the text has.
std::string FormatCode(const std::string &pointed) {
    const std::size_t e = pointed.find_first_of("eE");
    const std::string mantissa = pointed.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : mantissa.size() - point - 1;
    std::string code = decimals == 0 ? "0" : "0." + std::string(decimals, '0');
    if (e == std::string::npos)
        return code;
    const std::string exponent = pointed.substr(e + 1);
    const std::size_t digits = exponent.find_first_of("0123456789");
    return code + "E-" +
           std::string(digits == std::string::npos ? 1 : exponent.size() - digits, '0');
}

TableCell NumberCell(const std::string &text, const NumberReading &reading) {
    if (reading.code != 0 || text.empty())
        return {text, std::nullopt, {}};
    return {text, reading.value,
            FormatCode(WithPoints(QString::fromStdString(text).trimmed().toStdString()))};
}

// A typed input as "Розрахувати" reads it; a result as the windows show it.
TableCell Cell(const QuantityValue &value, const std::string &text, bool commaGroupsThousands) {
    if (value.Typed()) {
        const int slot = value.Slot();
        const InputKind kind = slot == kNameSlot ? InputKind::List : KindAt(slot);
        if (kind == InputKind::List)
            return {text, std::nullopt, {}};
        return NumberCell(text, ReadTypedText(kind, text, commaGroupsThousands));
    }
    return NumberCell(text, ReadNumber(WithPoints(text)));
}

// A quantity per cutter without a symbol would repeat its caption over every cutter's column.
QString ColumnCaption(const QuantityValue &value) {
    if (value.cutter == 0 || !Symbol(value).isEmpty())
        return Caption(value);
    return QCoreApplication::translate("Check", "%1, інструмент %2, %3")
        .arg(Name(value))
        .arg(value.cutter)
        .arg(Unit(value.quantity->key));
}

// The counts say in words what the table's fixed status words say to a script.
const char *StatusCountWord(CheckStatus status) {
    switch (status) {
    case CheckStatus::Ok:
        return QT_TRANSLATE_NOOP("Check", "%1 без помилок");
    case CheckStatus::Warning:
        return QT_TRANSLATE_NOOP("Check", "%1 з попередженням");
    case CheckStatus::Fault:
        return QT_TRANSLATE_NOOP("Check", "%1 з помилкою обчислення");
    case CheckStatus::Input:
        return QT_TRANSLATE_NOOP("Check", "%1 з хибними даними");
    case CheckStatus::File:
        return QT_TRANSLATE_NOOP("Check", "%1 не відкрито");
    }
    return "%1";
}

} // namespace

Verdict VerdictNamingFile(const QString &shownFile, const FileRun &run) {
    Verdict verdict = Judge(run);
    if (verdict.status == CheckStatus::File)
        verdict.message =
            FailureText(FileKind::Experiment, FileAction::Open, shownFile, run.read.Error())
                .toStdString();
    return verdict;
}

GroupCheck::GroupCheck(LabLimits limits)
    : m_separator(DecimalSeparator()), m_limits(std::move(limits)) {}

CheckedFile GroupCheck::Check(const QByteArray &nativePath) {
    const QString shown = ReadableName(nativePath);
    std::unique_ptr<FileRun> run = RunExperimentFile(nativePath, m_separator);
    const Verdict verdict = VerdictNamingFile(shown, *run);
    QStringList notes = FileNotes(*run, m_limits);
    const ExperimentTexts *typed = run->read.IfValue();
    if (typed)
        notes << m_notes.Add(shown, *typed);
    const bool commaGroupsThousands = typed && CommaGroupsThousands(*typed);
    const std::vector<std::string> texts = CheckCells(shown, *run, verdict, notes);
    CheckedFile checked{verdict.status, {}, shown, std::move(run), verdict.message, notes.size()};
    const std::span<const TableColumn> columns = TableColumns();
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const QuantityValue &value = columns[k].value;
        if (value.quantity)
            checked.cells.push_back(Cell(value, texts[k], commaGroupsThousands));
        else if (columns[k].column->kind == CheckColumnKind::NoteCount)
            checked.cells.push_back({texts[k], double(notes.size()), "0"});
        else
            checked.cells.push_back({texts[k], std::nullopt, {}});
    }
    ++m_counts[std::size_t(verdict.status)];
    return checked;
}

// The source language counts in three forms ("1 файл", "2 файли", "5 файлів"), which a
// source text cannot carry; a translation brings its own forms.
QString CountedFiles(qsizetype n) {
    const QString translated = QCoreApplication::translate("Check", "%n файлів", nullptr, int(n));
    if (translated != QStringLiteral("%1 файлів").arg(n))
        return translated;
    const bool teens = n % 100 >= 11 && n % 100 <= 14;
    const char *form = !teens && n % 10 == 1                  ? "%1 файл"
                       : !teens && n % 10 >= 2 && n % 10 <= 4 ? "%1 файли"
                                                              : "%1 файлів";
    return QString::fromUtf8(form).arg(n);
}

QString FolderCountText(const QString &shownFolder, qsizetype files) {
    if (files == 0)
        return QCoreApplication::translate("Check", "У теці «%1» немає файлів дослідів (*.kvr).")
            .arg(shownFolder);
    return QCoreApplication::translate("Check", "У теці «%1» знайдено %2 (*.kvr).")
        .arg(shownFolder, CountedFiles(files));
}

std::vector<QString> CheckCaptions() {
    std::vector<QString> captions;
    for (const TableColumn &column : TableColumns())
        captions.push_back(column.value.quantity
                               ? ColumnCaption(column.value)
                               : QCoreApplication::translate("Check", column.column->caption));
    return captions;
}

QString SummaryText(const StatusCounts &counts) {
    qsizetype total = 0;
    QStringList parts;
    // The best first.
    for (auto row = std::rbegin(kCheckStatuses); row != std::rend(kCheckStatuses); ++row) {
        total += counts[std::size_t(row->status)];
        parts << QCoreApplication::translate("Check", StatusCountWord(row->status))
                     .arg(counts[std::size_t(row->status)]);
    }
    return QStringLiteral("%1: %2").arg(CountedFiles(total), parts.join(QLatin1String(", ")));
}

} // namespace kvr
