#include "app/PlayerHomes.h"

#include <QFile>
#include <QStandardPaths>

namespace zorvane {

namespace {

std::string GameFolderIn(QStandardPaths::StandardLocation location) {
    const QString base = QStandardPaths::writableLocation(location);
    if (base.isEmpty()) {
        return {};
    }
    // Paths are the file system's bytes.
    return QFile::encodeName(base + "/zorvane/").toStdString();
}

}  // namespace

PlayerHomes StandardPlayerHomes() {
    return {GameFolderIn(QStandardPaths::GenericConfigLocation),
            GameFolderIn(QStandardPaths::GenericDataLocation)};
}

PlayerFiles PlayerFilesFor(const std::string& programFolder) {
    return PlayerFiles(programFolder, IsInstalledCopy(programFolder), StandardPlayerHomes());
}

}  // namespace zorvane
