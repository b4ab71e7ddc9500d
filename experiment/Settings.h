// Where the program keeps what it remembers between runs: the folders its dialogs open in,
// the group check's choices.
#pragma once

#include <QSettings>

namespace kvr {

inline QSettings ProgramSettings() {
    return QSettings(QStringLiteral("kelvora"), QStringLiteral("kvr"));
}

} // namespace kvr
