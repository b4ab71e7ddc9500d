#include "CheckCommand.h"

#include "Console.h"
#include "FileKinds.h"
#include "FileList.h"
#include "GroupCheck.h"
#include "NativeNames.h"
#include "Translations.h"
#include "Workbook.h"

#include <QCoreApplication>
#include <QFile>

namespace kvr {

namespace {

std::string TableLine(const CheckedFile &checked) {
    std::vector<std::string> texts;
    std::vector<bool> numbers;
    for (const TableCell &cell : checked.cells) {
        texts.push_back(cell.text);
        numbers.push_back(cell.number.has_value());
    }
    return CheckLine(texts, numbers);
}

// Where the table goes: standard output as it is made, or a file once it is whole.
class TableOutput {
public:
    explicit TableOutput(const Command &command)
        : m_path(command.output.isEmpty() ? QString()
                                          : QFile::decodeName(NativeBytes(command.output))),
          m_workbook(command.WritesWorkbook()) {
        if (!m_workbook)
            Write(CheckLine(CheckColumns()));
    }

    void Add(const CheckedFile &checked) {
        if (m_workbook)
            m_book.Add(checked);
        else
            Write(TableLine(checked));
    }

    // Whether the table arrived whole, or why not.
    Expected<void> Finish() {
        if (m_path.isEmpty())
            return FinishOut() ? Expected<void>() : Failure(LostOutputText().trimmed());
        const Expected<void> saved =
            m_workbook ? m_book.Save(m_path) : WriteWholeFile(m_path, m_table);
        if (!saved)
            return Failure(FailureText(m_workbook ? FileKind::Workbook : FileKind::Table,
                                       FileAction::Save, m_path, saved.Error()));
        return {};
    }

private:
    void Write(const std::string &line) {
        if (m_path.isEmpty())
            WriteOut(QByteArray::fromStdString(line));
        else
            m_table += QByteArray::fromStdString(line);
    }

    QString m_path;
    bool m_workbook;
    Workbook m_book;
    QByteArray m_table;
};

} // namespace

int RunCheck(char *program, const Command &command) {
    // No display: the table needs the locale and the files only.
    int argc = 1;
    char *argv[] = {program, nullptr};
    SilenceToolkitMessages();
    QCoreApplication application(argc, argv);
    InstallTranslations(application);
    const std::optional<BatchInputs> batch = StartBatch(command);
    if (!batch)
        return kExitUsage;
    const FileList &list = batch->list;
    GroupCheck group(batch->limits);
    TableOutput output(command);
    {
        Progress progress(QT_TRANSLATE_NOOP("CommandLine", "Перевірено"), list.files.size());
        for (const QByteArray &path : list.files) {
            output.Add(group.Check(path));
            progress.Step();
        }
    }
    if (const Expected<void> finished = output.Finish(); !finished) {
        WriteError(finished.Error().Reason(FileAction::Save));
        return kExitUsage;
    }
    WriteError(SummaryText(group.Counts()));
    // A folder without experiments is no group that passed.
    const bool allOk =
        !list.files.isEmpty() && group.Counts()[std::size_t(CheckStatus::Ok)] == list.files.size();
    return allOk ? kExitAllOk : kExitNotAllOk;
}

} // namespace kvr
