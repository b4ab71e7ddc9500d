// What a person sees of experiment files: the file dialogs and the message when a file
// cannot be opened or saved.
#pragma once

#include <QDate>
#include <QString>

#include <string>

class QWidget;

namespace kvr {

enum class FileAction { Open, Save };

// "<name> <date>.kvr", with characters a file name cannot hold replaced.
QString SuggestedExperimentName(const QString &userName, QDate date);

// The chosen path, or an empty text when the person cancelled.
QString AskExperimentPath(QWidget *parent, FileAction action, const QString &suggestedName = {});

// One message box naming the file and why it could not be opened or saved.
QString ExperimentFailureText(FileAction action, const QString &path, const std::string &reason);
void ShowExperimentFailure(QWidget *parent, FileAction action, const QString &path,
                           const std::string &reason);

} // namespace kvr
