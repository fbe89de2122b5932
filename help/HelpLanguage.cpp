#include "help/HelpLanguage.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "components/PlayersLanguages.h"
#include "help/HelpLinks.h"

namespace zorvane {

QString HelpPageInLanguage(const std::string& programFolder, const QString& relativeName,
                           const QStringList& uiLanguages) {
    // Only a plain language code names a folder: whatever else the
    // environment holds never becomes part of a path.
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}$"));
    const qsizetype slash = relativeName.lastIndexOf('/') + 1;
    for (const QString& tag : uiLanguages) {
        const QString language = tag.section('-', 0, 0).section('_', 0, 0).toLower();
        if (language == QLatin1String("en")) {
            break;
        }
        if (!code.match(language).hasMatch()) {
            continue;
        }
        const QString translated =
            relativeName.left(slash) + language + '/' + relativeName.mid(slash);
        if (QFileInfo(HelpPageUrl(programFolder, translated).toLocalFile()).isFile()) {
            return translated;
        }
    }
    return relativeName;
}

QUrl HelpPageUrlInDesktopLanguage(const std::string& programFolder, const QString& relativeName) {
    return HelpPageUrl(programFolder,
                       HelpPageInLanguage(programFolder, relativeName, PlayersLanguages()));
}

}  // namespace zorvane
