// The kinds of file the program writes and reads, as a person sees them named: in the file
// dialogs, in the extension a saved name gets, and in the message when a file cannot be
// opened or saved. The windows and the command line say the same.
#pragma once

#include "FileAccess.h"

#include <QString>

namespace kvr {

enum class FileKind { Experiment, Report, Workbook, Table };

// A kind's texts in the source language, for the "Dialogs" translations.
struct FileKindTexts {
    const char *saveTitle;
    const char *filter;
    const char *extension;
    const char *failure; // the object of "Не вдалося зберегти …"
};
const FileKindTexts &TextsOf(FileKind kind);

// The extension of each kind of file.
QString FileExtension(FileKind kind);

// One message naming the file and why it could not be opened or saved.
QString FailureText(FileKind kind, FileAction action, const QString &path, const Failure &failure);

} // namespace kvr
