#pragma once
// Which language the help pages open in: the desktop's, when the pages have
// been translated into it, English otherwise. A translation lives in a folder
// named after its language beside the English page (Help/de/index.html) and
// shares the English pages' pictures and style sheet.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <string>

namespace zorvane {

// `relativeName` (an English page such as "Help/index.html") in the first of
// `uiLanguages` (as QLocale::uiLanguages() lists them: "de-AT", "fr", "es_MX")
// whose translation of that page exists in `programFolder`. English comes
// back unchanged when an English entry comes before any such language, or
// when none has the page.
QString HelpPageInLanguage(const std::string& programFolder, const QString& relativeName,
                           const QStringList& uiLanguages);

// The file URL of `relativeName` in the desktop's language
// (PlayersLanguages(): LANGUAGE, LC_ALL, LC_MESSAGES and LANG, English under C).
QUrl HelpPageUrlInDesktopLanguage(const std::string& programFolder, const QString& relativeName);

}  // namespace zorvane
