#pragma once
// An advisory lock that running copies of the game take before they read,
// change and rewrite a shared file. It lives in a lock file of its own beside
// the file, since the file itself is replaced by renaming.

#include <string>

namespace zorvane {

class FileLock {
  public:
    // Locks "<path>.lock", creating it when needed, waiting at most about two
    // seconds for another holder. Where no lock can be had (a read-only
    // folder, a holder that never lets go) the game goes on without one:
    // holding a save back for ever would be worse than the small race.
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace zorvane
