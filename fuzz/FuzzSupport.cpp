#include "fuzz/FuzzSupport.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace zorvane::fuzz {

namespace {

constexpr std::string_view kPrefix = "zorvane-fuzz-";

// A process that crashed or was stopped had no chance to remove its folder;
// the name holds its process id, so a later run removes it instead.
void RemoveFoldersOfEndedRuns(const std::filesystem::path& base) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(base, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(kPrefix)) {
            continue;
        }
        const long pid = std::strtol(name.c_str() + kPrefix.size(), nullptr, 10);
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            std::filesystem::remove_all(entry.path(), error);
        }
    }
}

std::string MakeScratchFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path base = "/dev/shm";
    if (!fs::is_directory(base, error) || ::access(base.c_str(), W_OK) != 0) {
        base = fs::temp_directory_path(error);
    }
    RemoveFoldersOfEndedRuns(base);
    std::string pattern =
        (base / (std::string(kPrefix) + std::to_string(::getpid()) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        Fail("cannot make a scratch folder");
    }
    return pattern;
}

struct Scratch {
    std::string path = MakeScratchFolder();
    ~Scratch() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
};

}  // namespace

const std::string& ScratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

void EmptyScratchFolder() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder(), error)) {
        std::filesystem::remove_all(entry.path(), error);
    }
}

bool WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    while (size > 0 && ok) {
        const ssize_t written = ::write(fd, data, size);
        ok = written > 0;
        if (ok) {
            data += written;
            size -= static_cast<std::size_t>(written);
        }
    }
    return ::close(fd) == 0 && ok;
}

}  // namespace zorvane::fuzz
