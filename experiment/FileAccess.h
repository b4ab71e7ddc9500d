// Reading and writing whole files so that nothing a student had is lost: a write either
// replaces the file completely or leaves it byte for byte, and a read takes only an
// ordinary file. Each failure is named by what the system reported at the moment it
// happened.
#pragma once

#include "Expected.h"

#include <QByteArray>
#include <QString>

namespace kvr {

// The largest file read: the size the reason for a larger one names.
inline constexpr qint64 kMaxReadBytes = 1 << 20;

Expected<QByteArray> ReadOrdinaryFile(const QString &path, qint64 maxBytes = kMaxReadBytes);
// The same, at a path given as the system's bytes.
Expected<QByteArray> ReadOrdinaryFileAt(const QByteArray &nativePath,
                                        qint64 maxBytes = kMaxReadBytes);

// Writes through QSaveFile, seeing every failed write and the sync before the old file is
// replaced; on failure neither the old file nor a temporary one is changed or left.
Expected<void> WriteWholeFile(const QString &path, const QByteArray &bytes);

} // namespace kvr
