// The group's table as an Office Open XML workbook that any spreadsheet opens without an
// import dialog: numbers as numbers with the decimals the windows show, every text as text
// (never a formula, link or date), the header frozen and filtered, the status coloured.
// Rows stream to a temporary file, so thousands of files cost the memory of a few.
#pragma once

#include "FileAccess.h"
#include "GroupCheck.h"

#include <QTemporaryDir>

#include <map>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace kvr {

class Workbook {
public:
    Workbook();
    ~Workbook();
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    void Add(const CheckedFile &file);
    // Written through the one safe writer: a failure leaves the file at `path` as it was.
    Expected<void> Save(const QString &path);

private:
    lxw_format *NumberFormat(const std::string &code);
    void WriteHeader();
    lxw_format *Colour(const CheckedFile &file, CheckColumnKind kind) const;

    QTemporaryDir m_folder;
    QByteArray m_file;
    QByteArray m_tmpdir;
    lxw_workbook *m_book = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    lxw_format *m_header = nullptr;
    std::map<std::string, lxw_format *> m_numbers;
    std::array<lxw_format *, kCheckStatusCount> m_statuses{};
    lxw_format *m_noted = nullptr;
    unsigned m_rows = 1;
};

} // namespace kvr
