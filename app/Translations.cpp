#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "components/PlayersLanguages.h"

namespace zorvane {

namespace {

// Loads the first of the player's languages the game has into `ours`;
// false when English comes first or none of them is there.
bool LoadPlayersLanguage(QTranslator& ours) {
    for (const QString& tag : PlayersLanguages()) {
        const QLocale language(tag);
        if (language.language() == QLocale::English) {
            return false;
        }
        // "zorvane_de_DE" falls back to "zorvane_de".
        if (language.language() != QLocale::C &&
            ours.load(QStringLiteral("zorvane_") + language.name(), QStringLiteral(":/i18n"))) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString InstallTranslations(QCoreApplication& app) {
    auto* ours = new QTranslator(&app);
    if (!LoadPlayersLanguage(*ours)) {
        delete ours;
        return {};
    }
    QCoreApplication::installTranslator(ours);
    const QString language = ours->language();
    // Qt's buttons and dialogs in the same language, never in another: a
    // desktop language the game lacks leaves the whole game English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return language;
}

}  // namespace zorvane
