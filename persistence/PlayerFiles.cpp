#include "persistence/PlayerFiles.h"

#include "persistence/Elide.h"
#include "persistence/FileReasons.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zorvane {

namespace {

bool FolderWritable(const std::string& folder) {
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace

PlayerFiles::PlayerFiles(std::string programFolder, bool installed, PlayerHomes homes,
                         Probe writable, Probe exists)
    : programFolder_(std::move(programFolder)),
      homes_(std::move(homes)),
      exists_(exists ? std::move(exists) : Probe(FileExists)) {
    if (!writable) {
        writable = FolderWritable;
    }
    inHome_ = installed || !writable(programFolder_);
    homeless_ = inHome_ && (homes_.config.empty() || homes_.data.empty());
}

std::string PlayerFiles::ToRead(const std::string& home, const char* name) const {
    if (!inHome_) {
        return programFolder_ + name;
    }
    // With neither file there, reading the shipped one finds it missing and
    // the defaults hold.
    const std::string own = home + name;
    return !homeless_ && exists_(own) ? own : programFolder_ + name;
}

std::string PlayerFiles::ToWrite(const std::string& home, const char* name) const {
    if (!inHome_) {
        return programFolder_ + name;
    }
    // Never a bare name, which would land in the current folder.
    return homeless_ || home.empty() ? std::string() : home + name;
}

bool IsInstalledCopy(const std::string& programFolder) {
    return FileExists(programFolder + kInstalledMarker);
}

FileResult CreateFolderFor(const std::string& file) {
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error)) {
        return {};
    }
    auto failed = [&folder](int code) {
        return FileResult{false, false,
                          FolderNotMadeText(ElideMiddle(folder.string()), std::strerror(code))};
    };
    // One level at a time, so that only the folders made here get the mode.
    std::filesystem::path made;
    for (const std::filesystem::path& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
            return failed(errno);
        }
    }
    // A file where a folder should be.
    return std::filesystem::is_directory(folder, error) ? FileResult{} : failed(ENOTDIR);
}

}  // namespace zorvane
