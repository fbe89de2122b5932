#include "persistence/PlayerHomes.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace zorvane {

namespace {

bool UsableHome(const char* path) {
    struct stat info {};
    return path != nullptr && path[0] == '/' && std::string_view(path) != "/" &&
           ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

std::string HomeFromPasswordDatabase() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || !UsableHome(found->pw_dir)) {
        return {};
    }
    return found->pw_dir;
}

std::string WithoutEndSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// "<base>/zorvane/" from an absolute variable, else from the home.
std::string GameFolder(const char* variable, const std::string& home, const char* underHome) {
    const char* base = std::getenv(variable);
    if (base != nullptr && base[0] == '/') {
        const std::string folder = WithoutEndSlashes(base);
        return (folder == "/" ? "" : folder) + "/zorvane/";
    }
    return home.empty() ? std::string() : home + "/" + underHome + "/zorvane/";
}

}  // namespace

std::string PlayerHome() {
    const char* home = std::getenv("HOME");
    return WithoutEndSlashes(UsableHome(home) ? std::string(home) : HomeFromPasswordDatabase());
}

PlayerHomes StandardPlayerHomes() {
    const std::string home = PlayerHome();
    return {GameFolder("XDG_CONFIG_HOME", home, ".config"),
            GameFolder("XDG_DATA_HOME", home, ".local/share"),
            GameFolder("XDG_STATE_HOME", home, ".local/state")};
}

PlayerFiles PlayerFilesFor(const std::string& programFolder) {
    return PlayerFiles(programFolder, IsInstalledCopy(programFolder), StandardPlayerHomes());
}

}  // namespace zorvane
