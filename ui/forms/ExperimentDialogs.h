// What a person sees of the files the program writes and reads: the file dialogs, the
// question before a file or unsaved edits are replaced, and the message when a file
// cannot be opened or saved.
#pragma once

#include "FileKinds.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace kvr {

// Whether a file holds other bytes than the window last read or wrote there.
using ChangedOnDisk = std::function<bool(const QString &path)>;

// The chosen path, or an empty text when the person cancelled. A saved name always ends in
// the kind's extension, and replacing a file that exists is asked about first, in words
// that say so where the file changed on the disk since the window opened or saved it.
QString AskOpenPath(QWidget *parent, const QString &folder);
QString AskSavePath(QWidget *parent, FileKind kind, const QString &folder,
                    const QString &suggestedName, const ChangedOnDisk &changed = {});

// The message of FailureText in a box.
void ShowFailure(QWidget *parent, FileKind kind, FileAction action, const QString &path,
                 const Failure &failure);

enum class UnsavedAnswer { Save, Discard, Cancel };
// "Зберегти зміни в досліді?"
UnsavedAnswer AskAboutUnsavedChanges(QWidget *parent);
// The fields equal what the window last saved or opened, but the file `path` now holds
// something else: closing would leave them nowhere. Enter keeps the window.
UnsavedAnswer AskAboutChangedFile(QWidget *parent, const QString &path);

} // namespace kvr
