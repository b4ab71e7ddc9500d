// The print dialog's choices as the print server's job options: the job is sent past the
// toolkit's print engine, which would otherwise have passed them on.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

class QPrinter;

namespace kvr {

QList<QPair<QByteArray, QByteArray>> PrintOptions(const QPrinter &printer);

} // namespace kvr
