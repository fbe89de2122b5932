#include "help/HelpLinks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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

UrlOpener DesktopOpener(QObject* owner, const QString& launcher) {
    return [owner, launcher](const QUrl& url, std::function<void()> failed) {
        // Run ourselves rather than through QDesktopServices, which counts a
        // launcher that started as a page that opened.
        const QString program = QStandardPaths::findExecutable(launcher);
        if (program.isEmpty()) {
            failed();
            return;
        }
        // Reported from the event loop, and only while the owner lives:
        // `failed` may reach into it.
        auto report = [owner, failed] {
            QMetaObject::invokeMethod(owner, failed, Qt::QueuedConnection);
        };
        auto* process = new QProcess(owner);
        process->setProgram(program);
        process->setArguments({url.toString(QUrl::FullyEncoded)});
        // Its complaints go where ours go; a browser it runs in the
        // terminal must not take the player's keyboard.
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->setStandardInputFile(QProcess::nullDevice());
        QObject::connect(process, &QProcess::finished, process,
                         [process, report](int code, QProcess::ExitStatus status) {
                             if (status == QProcess::NormalExit && code != 0) {
                                 report();
                             }
                             process->deleteLater();
                         });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [process, report](QProcess::ProcessError error) {
                             if (error == QProcess::FailedToStart) {
                                 report();
                                 process->deleteLater();
                             }
                         });
        // A launcher still waiting on its browser when the owner goes is
        // stopped quietly; the browser stays open.
        QObject::connect(owner, &QObject::destroyed, process, [process] {
            process->disconnect();
            process->kill();
            process->waitForFinished();
        });
        process->start();
    };
}

}  // namespace zorvane
