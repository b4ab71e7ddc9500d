// The name a save dialog offers: the student's name and the date, safe as a file name.
#pragma once

#include <QDate>
#include <QString>

namespace kvr {

inline constexpr int kMaxSuggestedNameCharacters = 100;

// "<name> <date>.<extension>": control characters and the characters file systems refuse
// replaced, trimmed and shortened so that the whole name, extension included, has at most
// 100 characters.
QString SuggestedFileName(const QString &userName, QDate date, const QString &extension);

// `path` ending in ".<extension>", added when it is not there yet.
QString WithExtension(const QString &path, const QString &extension);

} // namespace kvr
