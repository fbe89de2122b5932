#include "persistence/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace zorvane {

namespace {
constexpr auto kPatience = std::chrono::seconds(2);
constexpr auto kRetry = std::chrono::milliseconds(10);
}  // namespace

FileLock::FileLock(const std::string& path) {
    const std::string lockPath = path + ".lock";
    // Not through a link someone left under that name, and never blocking on
    // something that is no file.
    const int fd = ::open(lockPath.c_str(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0666);
    if (fd < 0) {
        return;
    }
    const auto giveUp = std::chrono::steady_clock::now() + kPatience;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= giveUp) {
            ::close(fd);
            return;
        }
        std::this_thread::sleep_for(kRetry);
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        ::close(fd_);  // lets the lock go
    }
}

}  // namespace zorvane
