#include "GroupCheck.h"

#include "ExperimentDialogs.h"
#include "InputFields.h"
#include "NativeNames.h"
#include "QuantityTexts.h"

#include <QCoreApplication>
#include <QLocale>

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

// The decimals a number is written with, or -1 where it is not written as digits and one
// decimal sign ("1e3").
int Decimals(const std::string &pointed) {
    if (pointed.find_first_of("eE") != std::string::npos)
        return -1;
    const std::size_t point = pointed.find('.');
    return point == std::string::npos ? 0 : int(pointed.size() - point - 1);
}

TableCell NumberCell(const std::string &text, const NumberReading &reading) {
    if (reading.code != 0 || text.empty())
        return {text, std::nullopt, -1};
    const std::string pointed = WithPoints(QString::fromStdString(text).trimmed().toStdString());
    return {text, reading.value, Decimals(pointed)};
}

// A typed input as "Розрахувати" reads it; a result as the windows show it.
TableCell Cell(const QuantityValue &value, const std::string &text, bool commaGroupsThousands) {
    if (value.Typed()) {
        const int slot = value.Slot();
        const InputKind kind = slot == kNameSlot ? InputKind::List : KindAt(slot);
        if (kind == InputKind::List)
            return {text, std::nullopt, -1};
        return NumberCell(text, ReadTypedText(kind, text, commaGroupsThousands));
    }
    return NumberCell(text, ReadNumber(WithPoints(text)));
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

} // namespace

Verdict ShownVerdict(const QString &shownFile, const FileRun &run) {
    Verdict verdict = Judge(run);
    if (verdict.status == CheckStatus::File)
        verdict.message =
            FailureText(FileKind::Experiment, FileAction::Open, shownFile, verdict.message)
                .toStdString();
    return verdict;
}

GroupCheck::GroupCheck()
    : m_separator(DecimalSeparator()),
      m_commaGroupsThousands(QLocale::system().groupSeparator() == QLatin1String(",")) {}

CheckedFile GroupCheck::Check(const QByteArray &nativePath) {
    const QString shown = ShownName(nativePath);
    const std::unique_ptr<FileRun> run = RunExperimentFile(nativePath, m_separator);
    const Verdict verdict = ShownVerdict(shown, *run);
    QStringList notes = FileNotes(*run, m_commaGroupsThousands);
    if (const auto *texts = std::get_if<ExperimentTexts>(&run->read))
        notes << m_notes.Add(shown, *texts);
    const std::vector<std::string> texts = CheckCells(shown, *run, verdict, notes);
    CheckedFile checked{verdict.status, {}};
    const std::vector<QuantityValue> values = QuantityValues();
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const bool quantity = k >= 3 && k < 3 + values.size();
        checked.cells.push_back(quantity ? Cell(values[k - 3], texts[k], m_commaGroupsThousands)
                                         : TableCell{texts[k], std::nullopt, -1});
    }
    ++m_counts[std::size_t(verdict.status)];
    return checked;
}

std::vector<QString> CheckCaptions() {
    std::vector<QString> captions{QCoreApplication::translate("Check", "Файл"),
                                  QCoreApplication::translate("Check", "Стан"),
                                  QCoreApplication::translate("Check", "Повідомлення")};
    for (const QuantityValue &value : QuantityValues())
        captions.push_back(Caption(value));
    captions.push_back(QCoreApplication::translate("Check", "Примітки"));
    return captions;
}

QString SummaryText(const StatusCounts &counts) {
    qsizetype total = 0;
    QStringList parts;
    for (CheckStatus status : {CheckStatus::Ok, CheckStatus::Warning, CheckStatus::Fault,
                               CheckStatus::Input, CheckStatus::File}) {
        total += counts[std::size_t(status)];
        parts << QStringLiteral("%1 %2")
                     .arg(counts[std::size_t(status)])
                     .arg(QLatin1String(StatusWord(status)));
    }
    return QStringLiteral("%1: %2").arg(CountedFiles(total), parts.join(QLatin1String(", ")));
}

} // namespace kvr
