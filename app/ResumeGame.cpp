// The game left in progress when the window closed, kept for the next start,
// and the saved game named on the command line.

#include <filesystem>
#include <system_error>

#include "app/MainUnit1.h"
#include "persistence/SavedGameFile.h"

namespace zorvane {

namespace {

bool SameFile(const std::string& one, const std::string& other) {
    std::error_code error;
    return !other.empty() && std::filesystem::equivalent(one, other, error);
}

FileResult Failed(const std::string& what, const std::error_code& error) {
    return {false, false, what + " (" + error.message() + ")"};
}

}  // namespace

void TMainBoard::OpenGameAtStart() {
    const std::string resume = files_.ResumeFile();
    // The player's own choice; the game left at the last close waits. Given
    // the file of that game itself, it is resumed as usual.
    if (!fileToOpen_.empty() && !SameFile(fileToOpen_, resume)) {
        // One that will not open is reported, and the fresh game stays.
        game_->LoadGameFrom(fileToOpen_);
        return;
    }
    std::error_code error;
    if (resume.empty() || !std::filesystem::exists(resume, error)) {
        return;
    }
    if (game_->ResumeGameFrom(resume)) {
        // From here on the game lives in the window: one that ends, or is
        // given up for another, must not come back at the next start.
        if (!std::filesystem::remove(resume, error) && error) {
            ReportFileError(resume, Failed(tr("cannot be removed").toStdString(), error));
        }
        return;
    }
    // Reported already; set aside, so that the next start is not stopped by
    // it again and nothing the player had is destroyed.
    const std::string damaged = files_.DamagedResumeFile();
    std::filesystem::rename(resume, damaged, error);
    if (error) {
        ReportFileError(
            resume,
            Failed(tr("cannot be renamed to %1").arg(QString::fromStdString(damaged)).toStdString(),
                   error));
    }
}

void TMainBoard::KeepGameForNextStart() {
    const std::string path = files_.ResumeFile();
    if (!game_ || path.empty() || !game_->InProgress()) {
        return;
    }
    FileResult result = CreateFolderFor(path);
    if (result.ok) {
        result = WriteSavedGame(path, game_->CurrentSavedGame());
    }
    ReportFileError(path, result);
}

}  // namespace zorvane
