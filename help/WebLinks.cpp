#include "help/WebLinks.h"

#include <QFile>

#include "help/HelpLanguage.h"
#include "help/HelpLinks.h"

namespace zorvane {

QUrl LinkUrl(const std::string& programFolder, const std::string& address) {
    const QString text = QString::fromStdString(address);
    if (text.startsWith("https://", Qt::CaseInsensitive) ||
        text.startsWith("http://", Qt::CaseInsensitive)) {
        return QUrl(text, QUrl::StrictMode);
    }
    return HelpPageUrl(programFolder, QFile::decodeName(QByteArray::fromStdString(address)));
}

QUrl HomePageUrl(const std::string& programFolder) {
    const QUrl url = LinkUrl(programFolder, kHomePage);
    // Our own page comes in the player's language, like the help.
    return url.isLocalFile()
               ? HelpPageUrlInDesktopLanguage(programFolder, QFile::decodeName(kHomePage))
               : url;
}

QUrl MusicDownloadUrl(int number) {
    if (number < 1 || number > static_cast<int>(kMusicDownloadPages.size())) {
        return {};
    }
    return QUrl(QString::fromLatin1(kMusicDownloadPages[number - 1]), QUrl::StrictMode);
}

}  // namespace zorvane
