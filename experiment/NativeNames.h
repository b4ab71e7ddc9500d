// File names as the system holds them: bytes, which need not be UTF-8 (a ZIP made on
// Windows unpacks names in its code page). They reach the system unchanged, and are shown
// so that two different names never look the same.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace kvr {

// A command-line argument as text: UTF-8 decoded, each byte that is not part of a character
// kept as a lone surrogate (U+DC80 to U+DCFF), so that NativeBytes gives it back unchanged.
QString ArgumentText(const QByteArray &bytes);
QByteArray NativeBytes(const QString &argument);

// For a table cell or a message: characters as they are, a backslash doubled, a control
// character as "\t", "\n", "\r" or "\x1B", and a byte outside any character as "\xCF".
QString ReadableName(const QByteArray &bytes);

// Every regular file in the folder whose name ends in ".kvr" in any letter case, sorted by
// the bytes of their names, not recursive: a group's files as a check takes them.
QList<QByteArray> ExperimentFilesIn(const QByteArray &folder);

} // namespace kvr
