#pragma once
// An advisory lock that running copies of the game take before they read,
// change and rewrite a shared file. It lives in a lock file of its own beside
// the file, since the file itself is replaced by renaming.

#include <chrono>
#include <functional>
#include <string>

namespace zorvane {

// How a lock that another copy holds is waited for.
struct LockWaiting {
    // Lets the caller's own work go on (a window keeps painting) for about
    // this long; empty, the thread just sleeps.
    std::function<void(std::chrono::milliseconds)> pause;
    // How long a holder may keep the lock before the waiter gives up.
    std::chrono::milliseconds patience = std::chrono::minutes(1);
};

class FileLock {
  public:
    // Locks "<path>.lock", creating it when needed. A lock file that is no
    // regular file (a link, a folder, a FIFO) is removed and made afresh, so
    // nobody can make the game lock something else. While another copy holds
    // the lock this waits, pausing as `waiting` says, for its patience.
    FileLock(const std::string& path, const LockWaiting& waiting);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Why the lock is not held: the system's text, or that it stayed taken.
    const std::string& Reason() const { return reason_; }

  private:
    int fd_ = -1;
    std::string reason_;
};

}  // namespace zorvane
