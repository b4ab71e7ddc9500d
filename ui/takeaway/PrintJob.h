// Printing a drawn report on a print queue so that the program learns what became of it.
// The toolkit's print engine hands its spool file to the print server and never says
// whether the queue took it; this sends the PDF itself and reads the server's answer.
#pragma once

#include "Expected.h"

#include <QByteArray>
#include <QString>

namespace kvr {

// Whether `queue` took the job, or why not in words a student can act on.
Expected<void> PrintPdf(const QString &queue, const QByteArray &pdf, const QString &title,
                        int copies);

} // namespace kvr
