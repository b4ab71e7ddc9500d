// The program's name and the words its windows share with what is made without them: a
// report or a results copy written by the command line says what the results window says.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace kvr {

inline constexpr const char *kApplicationTitle = "Kelvora \"KVR\"";

// A window's title: the application's, a full stop and the window's own words.
inline QString WindowTitle(const char *words) {
    return QString::fromUtf8(kApplicationTitle) + QStringLiteral(". ") +
           QCoreApplication::translate("Title", words);
}

// The results window's own words in its title, which the reports repeat.
inline constexpr const char *kResultWindowWords =
    QT_TRANSLATE_NOOP("Title", "Результати розрахунків");

// The results window's instructor line, which a report signs with unless a checker is named.
inline constexpr const char *kInstructorLine =
    QT_TRANSLATE_NOOP("Form", "Перевірив: Тарвилко Н. Г. ");

inline QString InstructorLine() { return QCoreApplication::translate("Form", kInstructorLine); }

} // namespace kvr
