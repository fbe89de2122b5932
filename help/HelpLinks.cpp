#include "help/HelpLinks.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zorvane {

QUrl HelpPageUrl(const std::string& programFolder, const QString& relativeName) {
    // The folder is file-system bytes, read in the file system's encoding.
    QString path = QFile::decodeName(QByteArray::fromStdString(programFolder));
    if (!path.isEmpty() && !path.endsWith('/')) {
        path += '/';
    }
    path += relativeName;
    // A browser cannot resolve a relative file URL.
    if (QFileInfo(path).isRelative()) {
        path = QDir::current().absoluteFilePath(path);
    }
    return QUrl::fromLocalFile(path);
}

UrlOpener DesktopOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

}  // namespace zorvane
