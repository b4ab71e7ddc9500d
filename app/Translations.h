// Qt's own texts (file and print dialogs, standard buttons, an edit's context menu) in the
// interface's language, loaded before any window is built.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace kvr {

// The languages the interface is written in; Ukrainian is its source language.
inline const QStringList kInterfaceLanguages{QStringLiteral("uk")};

// The first of the person's preferred languages ("uk-UA", "en_GB", …) that the interface
// has; Ukrainian otherwise.
QString InterfaceLanguage(const QStringList &preferred);

// Loads Qt's own translation for the interface's language into the application.
void InstallQtTranslation(QCoreApplication &application);

} // namespace kvr
