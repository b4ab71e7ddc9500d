// Printing a drawn report on a print queue so that the program learns what became of it.
// The toolkit's print engine hands its spool file to the print server and never says
// whether the queue took it; this sends the PDF itself and reads the server's answer.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kvr {

// Why `queue` did not take the job, in words a student can act on; none when it did.
std::optional<QString> PrintPdf(const QString &queue, const QByteArray &pdf, const QString &title,
                                int copies);

} // namespace kvr
