// The interface's language, chosen from the person's preferred languages, and its texts,
// Qt's own (file and print dialogs, standard buttons, an edit's context menu) among them,
// loaded before any window is built.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace kvr {

// The languages the interface is written in; Ukrainian is its source language.
inline const QStringList kInterfaceLanguages{QStringLiteral("uk"), QStringLiteral("en")};

// The first of the person's preferred languages ("uk-UA", "en_GB", …) that the interface
// has; Ukrainian otherwise.
QString InterfaceLanguage(const QStringList &preferred);

// Loads the interface's translation and Qt's own for the interface's language into the
// application.
void InstallTranslations(QCoreApplication &application);

} // namespace kvr
