#include "Workbook.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <xlsxwriter.h>

#include <cerrno>
#include <clocale>
#include <locale.h>

namespace kvr {

namespace {

// A spreadsheet cell holds at most 32,767 characters; a longer text is cut, not lost whole.
constexpr qsizetype kMaxCellCharacters = 32767;
// Five lines of the default 11-point font.
constexpr double kHeaderPoints = 75;

struct StatusColours {
    lxw_color_t fill;
    lxw_color_t text;
};

// File, input and fault red, warning amber, ok green.
constexpr StatusColours Colours(CheckStatus status) {
    switch (status) {
    case CheckStatus::File:
    case CheckStatus::Input:
    case CheckStatus::Fault:
        return {0xFFC7CE, 0x9C0006};
    case CheckStatus::Warning:
        return {0xFFEB9C, 0x9C5700};
    case CheckStatus::Ok:
        break;
    }
    return {0xC6EFCE, 0x006100};
}

// Notes violet: neither the warning's amber nor good work's green.
constexpr StatusColours kNotedColours{0xE4DFEC, 0x5B2C83};

// Spreadsheets read "_x0041_" in a cell as the character it codes; a name typed so is
// written with its underscore coded, "_x005F_x0041_", which every reader shows as typed.
QString WithCodesKept(QString text) {
    static const QRegularExpression code(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    return text.replace(code, QStringLiteral("_x005F_\\1"));
}

std::string CellText(const std::string &text) {
    const QString whole = QString::fromStdString(text);
    return WithCodesKept(whole.size() > kMaxCellCharacters ? whole.left(kMaxCellCharacters) : whole)
        .toStdString();
}

lxw_format *ColouredFormat(lxw_workbook *book, StatusColours colours) {
    lxw_format *format = workbook_add_format(book);
    format_set_bg_color(format, colours.fill);
    format_set_font_color(format, colours.text);
    return format;
}

// The library writes its numbers with printf, which follows the process's locale: under
// uk_UA it would write "0,25" into the XML, and no spreadsheet would open the file. Each
// call into it runs with the C locale's numbers on this thread.
class CNumbers {
public:
    CNumbers()
        : m_c(::newlocale(LC_NUMERIC_MASK, "C", ::duplocale(LC_GLOBAL_LOCALE))),
          m_previous(::uselocale(m_c)) {}
    ~CNumbers() {
        ::uselocale(m_previous);
        ::freelocale(m_c);
    }
    CNumbers(const CNumbers &) = delete;
    CNumbers &operator=(const CNumbers &) = delete;

private:
    locale_t m_c;
    locale_t m_previous;
};

} // namespace

Workbook::Workbook()
    : m_file(QFile::encodeName(m_folder.filePath(QStringLiteral("group.xlsx")))),
      m_tmpdir(QFile::encodeName(m_folder.path())) {
    const CNumbers numbers;
    lxw_workbook_options options{};
    // Each row goes to disk as it is written.
    options.constant_memory = LXW_TRUE;
    options.tmpdir = m_tmpdir.data();
    m_book = workbook_new_opt(m_file.constData(), &options);
    if (!m_book)
        return;
    m_sheet = workbook_add_worksheet(
        m_book, QCoreApplication::translate("Check", "Перевірка").toUtf8().constData());
    m_header = workbook_add_format(m_book);
    format_set_bold(m_header);
    format_set_text_wrap(m_header);
    format_set_align(m_header, LXW_ALIGN_VERTICAL_TOP);
    for (const StatusRow &row : kCheckStatuses)
        m_statuses[std::size_t(row.status)] = ColouredFormat(m_book, Colours(row.status));
    m_noted = ColouredFormat(m_book, kNotedColours);
    WriteHeader();
}

Workbook::~Workbook() {
    const CNumbers numbers;
    if (m_book)
        workbook_close(m_book);
}

void Workbook::WriteHeader() {
    const std::vector<QString> captions = CheckCaptions();
    const std::span<const TableColumn> columns = TableColumns();
    // Tall enough for a caption wrapped in its column; spreadsheets do not grow it on opening.
    worksheet_set_row(m_sheet, 0, kHeaderPoints, m_header);
    for (std::size_t k = 0; k < captions.size(); ++k) {
        worksheet_set_column(m_sheet, lxw_col_t(k), lxw_col_t(k), columns[k].column->width,
                             nullptr);
        worksheet_write_string(m_sheet, 0, lxw_col_t(k), captions[k].toUtf8().constData(),
                               m_header);
    }
    worksheet_freeze_panes(m_sheet, 1, 1);
}

lxw_format *Workbook::NumberFormat(const std::string &code) {
    auto [format, added] = m_numbers.try_emplace(code, nullptr);
    if (added) {
        format->second = workbook_add_format(m_book);
        format_set_num_format(format->second, code.c_str());
    }
    return format->second;
}

void Workbook::Add(const CheckedFile &file) {
    if (!m_sheet)
        return;
    const CNumbers numbers;
    const lxw_row_t row = m_rows++;
    const std::span<const TableColumn> columns = TableColumns();
    for (std::size_t k = 0; k < file.cells.size(); ++k) {
        const TableCell &cell = file.cells[k];
        const auto column = lxw_col_t(k);
        if (cell.number)
            worksheet_write_number(m_sheet, row, column, *cell.number, NumberFormat(cell.format));
        else if (!cell.text.empty())
            worksheet_write_string(m_sheet, row, column, CellText(cell.text).c_str(),
                                   Colour(file, columns[k].column->kind));
    }
}

lxw_format *Workbook::Colour(const CheckedFile &file, CheckColumnKind kind) const {
    // A file's notes may say the work is not valid: its row is never green, but a red
    // status says more than a note.
    const bool noted =
        file.notes > 0 && (file.status == CheckStatus::Ok || file.status == CheckStatus::Warning);
    if (kind == CheckColumnKind::Status)
        return noted ? m_noted : m_statuses[std::size_t(file.status)];
    return kind == CheckColumnKind::Notes ? m_noted : nullptr;
}

Expected<void> Workbook::Save(const QString &path) {
    if (!m_sheet)
        return FailureOfErrno(errno);
    const CNumbers numbers;
    worksheet_autofilter(m_sheet, 0, 0, m_rows - 1, lxw_col_t(CheckCaptions().size() - 1));
    errno = 0;
    const lxw_error closed = workbook_close(m_book);
    m_book = nullptr;
    m_sheet = nullptr;
    if (closed != LXW_NO_ERROR)
        return FailureOfErrno(errno);
    const QString written = QFile::decodeName(m_file);
    const Expected<QByteArray> bytes = ReadOrdinaryFile(written, QFile(written).size());
    if (!bytes)
        return bytes.Error();
    return WriteWholeFile(path, *bytes);
}

} // namespace kvr
