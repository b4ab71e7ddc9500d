// The name a save dialog offers: the student's name and the date, safe as a file name.
#pragma once

#include <QDate>
#include <QString>

namespace kvr {

inline constexpr int kMaxSuggestedNameCharacters = 100;
// What Linux file systems allow a name, in bytes.
inline constexpr int kMaxFileNameBytes = 255;

// "<name> <date>.<extension>": control characters and the characters file systems refuse
// replaced, leading dots dropped, trimmed and cut on a whole character so that the whole
// name has at most 100 characters and fits 255 bytes in UTF-8 even with a " (2)" added.
QString SuggestedFileName(const QString &userName, QDate date, const QString &extension);

// `path` ending in ".<extension>", added when it is not there yet.
QString WithExtension(const QString &path, const QString &extension);

} // namespace kvr
