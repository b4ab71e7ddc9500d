// What a person sees of the files the program writes and reads: the file dialogs, the
// question before a file or unsaved edits are replaced, and the message when a file
// cannot be opened or saved.
#pragma once

#include "FileKinds.h"

#include <QString>

#include <string>

class QWidget;

namespace kvr {

// The chosen path, or an empty text when the person cancelled. A saved name always ends in
// the kind's extension, and replacing a file that exists is asked about first.
QString AskOpenPath(QWidget *parent, const QString &folder);
QString AskSavePath(QWidget *parent, FileKind kind, const QString &folder,
                    const QString &suggestedName);

// The message of FailureText in a box.
void ShowFailure(QWidget *parent, FileKind kind, FileAction action, const QString &path,
                 const Failure &failure);

enum class UnsavedAnswer { Save, Discard, Cancel };
// "Зберегти зміни в досліді?"
UnsavedAnswer AskAboutUnsavedChanges(QWidget *parent);

} // namespace kvr
