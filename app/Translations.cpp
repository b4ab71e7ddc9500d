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

void InstallTranslations(QCoreApplication &application) {
    // By the system's locale alone, a German system would get German dialogs around a
    // Ukrainian interface.
    const QString language = InterfaceLanguage(QLocale::system().uiLanguages());
    auto *qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    // The few texts of the dialogs we open that Qt's own catalogue leaves in English.
    auto *supplement = new QTranslator(&application);
    if (supplement->load(QStringLiteral(":/i18n/qtbase_supplement_") + language))
        QCoreApplication::installTranslator(supplement);
    if (language == kInterfaceLanguages.constFirst())
        return; // the texts are written in it
    auto *own = new QTranslator(&application);
    if (own->load(QStringLiteral(":/i18n/kvr_") + language))
        QCoreApplication::installTranslator(own);
}

} // namespace kvr
