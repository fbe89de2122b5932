#include "persistence/FileLock.h"

#include "persistence/FileReasons.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

namespace zorvane {

namespace {

constexpr auto kRetry = std::chrono::milliseconds(20);

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

bool IsRegular(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// Whatever stands under the name that is no regular file goes: a link is
// never followed and a folder or FIFO is never locked in the file's place.
void RemoveOddEntry(const std::string& lockPath) {
    struct stat info {};
    if (::lstat(lockPath.c_str(), &info) != 0 || S_ISREG(info.st_mode)) {
        return;
    }
    if (S_ISDIR(info.st_mode)) {
        ::rmdir(lockPath.c_str());
    } else {
        ::unlink(lockPath.c_str());
    }
}

// The lock file, a regular file, open; -1 with `reason` set when none can be
// had.
int OpenLockFile(const std::string& lockPath, std::string& reason) {
    constexpr int kFlags = O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    // Each round either opens a regular file or removes what stood in its
    // way; only another copy remaking the name at the same moment repeats it.
    for (int round = 0; round < 4; ++round) {
        RemoveOddEntry(lockPath);
        int fd = ::open(lockPath.c_str(), kFlags);
        if (fd < 0 && errno == ENOENT) {
            fd = ::open(lockPath.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
            if (fd < 0 && errno == EEXIST) {
                continue;
            }
        }
        if (fd >= 0 && IsRegular(fd)) {
            return fd;
        }
        if (fd >= 0) {
            ::close(fd);  // swapped for something else after the check
            continue;
        }
        if (errno != ELOOP && errno != EISDIR && errno != ENXIO) {
            reason = ErrorText(errno);
            return -1;
        }
    }
    reason = kCannotReplace;
    return -1;
}

}  // namespace

FileLock::FileLock(const std::string& path, const LockWaiting& waiting) {
    const std::string lockPath = path + ".lock";
    const int fd = OpenLockFile(lockPath, reason_);
    if (fd < 0) {
        reason_ = lockPath + ": " + reason_;
        return;
    }
    const auto giveUp = std::chrono::steady_clock::now() + waiting.patience;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            reason_ = lockPath + ": " + ErrorText(errno);
            break;
        }
        // A lock is let go when its holder ends, however it ends: one still
        // held belongs to a copy that is alive, and is waited for.
        if (std::chrono::steady_clock::now() >= giveUp) {
            reason_ = kLockedByOther;
            break;
        }
        if (waiting.pause) {
            waiting.pause(kRetry);
        } else {
            std::this_thread::sleep_for(kRetry);
        }
    }
    ::close(fd);
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        ::close(fd_);  // lets the lock go
    }
}

}  // namespace zorvane
