#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kvr {

QString InterfaceLanguage(const QStringList &preferred) {
    for (const QString &language : preferred) {
        const QString code =
            language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (kInterfaceLanguages.contains(code.toLower()))
            return code.toLower();
    }
    return kInterfaceLanguages.constFirst();
}

void InstallQtTranslation(QCoreApplication &application) {
    // By the system's locale alone, a German system would get German dialogs around a
    // Ukrainian interface.
    auto *translator = new QTranslator(&application);
    const QString language = InterfaceLanguage(QLocale::system().uiLanguages());
    if (translator->load(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace kvr
