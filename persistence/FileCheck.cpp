#include "persistence/FileCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <system_error>

namespace zorvane {

namespace {

FileResult Refused(std::string reason, bool missing = false) {
    FileResult result;
    result.ok = false;
    result.missing = missing;
    result.reason = std::move(reason);
    return result;
}

FileResult SystemFailure(int error) {
    return Refused(std::generic_category().message(error), error == ENOENT);
}

}  // namespace

FileResult OpenRegularFile(const std::string& path, std::int64_t cap, int& fd, std::int64_t& size) {
    fd = -1;
    size = 0;
    if (path.size() >= PATH_MAX) {
        return SystemFailure(ENAMETOOLONG);
    }
    if (path.empty() || path.find('\0') != std::string::npos) {
        return Refused(kBadFileName);
    }
    // A look before opening, so a device is never even opened; the check is
    // repeated on the open descriptor, which is the one that counts.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return SystemFailure(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return Refused(kNotRegularFile);
    }
    // Non-blocking, so a FIFO put in its place meanwhile opens at once.
    const int opened = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (opened < 0) {
        return SystemFailure(errno);
    }
    if (::fstat(opened, &info) != 0) {
        const int error = errno;
        ::close(opened);
        return SystemFailure(error);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(opened);
        return Refused(kNotRegularFile);
    }
    if (info.st_size > cap) {
        ::close(opened);
        return Refused(TooLargeText(info.st_size, cap));
    }
    const int flags = ::fcntl(opened, F_GETFL);
    if (flags >= 0) {
        ::fcntl(opened, F_SETFL, flags & ~O_NONBLOCK);
    }
    fd = opened;
    size = info.st_size;
    return {};
}

FileResult ReadRegularFile(const std::string& path, std::int64_t cap, std::string& bytes) {
    bytes.clear();
    int fd = -1;
    std::int64_t size = 0;
    FileResult result = OpenRegularFile(path, cap, fd, size);
    if (!result.ok) {
        return result;
    }
    // Some regular files (those under /proc) say 0 and hold more: the cap
    // bounds the reading, not the size the file claims.
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            result = SystemFailure(errno);
            break;
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (static_cast<std::int64_t>(bytes.size()) > cap) {
            result = Refused(TooLargeText(static_cast<std::int64_t>(bytes.size()), cap));
            break;
        }
    }
    ::close(fd);
    if (!result.ok) {
        bytes.clear();
    }
    return result;
}

}  // namespace zorvane
