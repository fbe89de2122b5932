#include "persistence/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// A new file beside the target, created exclusively so that two writers never
// share one; the name is hidden, random and short, so a target name near the
// file system's limit still gets one.
int CreateTempFile(const std::filesystem::path& target, std::string& tempPath) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::random_device entropy;
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string name = ".zorvane-";
        name += std::to_string(entropy() % 1000000000u);
        name += ".tmp";
        tempPath = (folder / name).string();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

void SyncFolder(const std::filesystem::path& target) {
    const std::filesystem::path folder =
        target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
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

FileResult ReadTextFile(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        FileResult result = Failure(error);
        result.missing = error == ENOENT;
        return result;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            return Failure(error);
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    lines = SplitTextLines(bytes);
    return {};
}

FileResult WriteTextFile(const std::string& path, const std::vector<std::string>& lines) {
    const std::filesystem::path target(path);
    std::string tempPath;
    const int fd = CreateTempFile(target, tempPath);
    if (fd < 0) {
        return Failure(errno);
    }
    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777);
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
