#include "persistence/TextFile.h"

#include "persistence/FileCheck.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>

namespace zorvane {

namespace {

constexpr char kEndOfFile = 26;  // Ctrl-Z

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

FileResult Failure(int error) {
    FileResult result;
    result.ok = false;
    result.reason = ErrorText(error);
    return result;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

constexpr const char* kTempMark = ".zorvane-";
constexpr const char* kTempEnd = ".tmp";
// A temporary untouched for this long belongs to a save that was cut off: no
// save of ours takes more than a moment between creating and renaming it.
constexpr std::time_t kStaleSeconds = 60;

std::filesystem::path FolderOf(const std::filesystem::path& target) {
    return target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
}

// ".<target name>.zorvane-": the temporaries of one target carry its name, so
// the next save of that file knows them. A name near the file system's limit
// is cut so that the temporary's name still fits.
std::string TempPrefix(const std::filesystem::path& target) {
    constexpr std::size_t kRoom = NAME_MAX - 1 - 9 - 10 - 4;  // ".", mark, digits, ".tmp"
    std::string name = target.filename().string();
    if (name.size() > kRoom) {
        name.resize(kRoom);
    }
    return "." + name + kTempMark;
}

// `prefix`, then digits, then ".tmp".
bool IsTempName(std::string_view name, std::string_view prefix) {
    const std::string_view end = kTempEnd;
    if (name.size() <= prefix.size() + end.size() || name.substr(0, prefix.size()) != prefix ||
        name.substr(name.size() - end.size()) != end) {
        return false;
    }
    const std::string_view digits =
        name.substr(prefix.size(), name.size() - prefix.size() - end.size());
    return digits.find_first_not_of("0123456789") == std::string_view::npos;
}

// Removes what interrupted saves of the target left behind, and the unnamed
// temporaries of earlier versions of the game; a fresh one may belong to a
// save running in another copy of the game and is left alone.
void RemoveStaleTemps(const std::filesystem::path& target) {
    const std::filesystem::path folder = FolderOf(target);
    const std::string prefix = TempPrefix(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    const std::time_t staleBefore = std::time(nullptr) - kStaleSeconds;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!IsTempName(name, prefix) && !IsTempName(name, kTempMark)) {
            continue;
        }
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_mtime < staleBefore) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// A new file beside the target, created exclusively so that two writers never
// share one.
int CreateTempFile(const std::filesystem::path& target, std::string& tempPath) {
    const std::filesystem::path folder = FolderOf(target);
    const std::string prefix = TempPrefix(target);
    std::random_device entropy;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string name = prefix + std::to_string(entropy() % 1000000000u) + kTempEnd;
        tempPath = (folder / name).string();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

void SyncFolder(const std::filesystem::path& target) {
    const std::filesystem::path folder = FolderOf(target);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // best effort: the new file is already in place
        ::close(fd);
    }
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view bytes) {
    const std::size_t end = bytes.find(kEndOfFile);
    if (end != std::string_view::npos) {
        bytes = bytes.substr(0, end);
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t stop = bytes.find_first_of("\r\n", start);
        const std::size_t lineEnd = stop == std::string_view::npos ? bytes.size() : stop;
        if (lineEnd > start) {
            lines.emplace_back(bytes.substr(start, lineEnd - start));
        }
        if (stop == std::string_view::npos) {
            break;
        }
        // CR LF is one line end; a lone CR or a lone LF is one too.
        start = stop + 1;
        if (bytes[stop] == '\r' && start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::string FileErrorText(const std::string& path, const FileResult& result) {
    if (result.ok || result.alreadyReported) {
        return {};
    }
    return path + ": " + result.reason;
}

FileResult ReadTextFile(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::string bytes;
    const FileResult result = ReadRegularFile(path, kTextFileCap, bytes);
    if (result.ok) {
        lines = SplitTextLines(bytes);
    }
    return result;
}

FileResult WriteTextFile(const std::string& path, const std::vector<std::string>& lines) {
    const std::filesystem::path target(path);
    RemoveStaleTemps(target);
    std::string tempPath;
    const int fd = CreateTempFile(target, tempPath);
    if (fd < 0) {
        return Failure(errno);
    }
    // Keep the permissions of the regular file being replaced, but never
    // ones that would lock its owner out of the game's own file, nor the
    // set-id and sticky bits. A link's target is not the file being replaced:
    // the new file then keeps the mode it was made with, as a new one does.
    struct stat old {};
    if (::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, (old.st_mode & 0777) | S_IRUSR | S_IWUSR);
    }
    const std::string bytes = JoinTextLines(lines);
    int error = 0;
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(tempPath.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(tempPath.c_str());
        return Failure(error);
    }
    SyncFolder(target);
    return {};
}

FileResult ReadTextFileIfPresent(const std::string& path, std::vector<std::string>& lines) {
    FileResult result = ReadTextFile(path, lines);
    if (result.missing) {
        result.ok = true;
        result.reason.clear();
    }
    return result;
}

}  // namespace zorvane
