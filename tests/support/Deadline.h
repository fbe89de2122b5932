#pragma once
// For tests of work that used to hang (a FIFO that blocks, a device that never
// ends): while a Deadline lives, a watching thread ends the test program with
// a failure if the time runs out, so the suite fails instead of hanging.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace zorvane::test {

class Deadline {
  public:
    explicit Deadline(std::string what, std::chrono::seconds limit = std::chrono::seconds(10))
        : what_(std::move(what)), watcher_([this, limit] { Watch(limit); }) {}
    ~Deadline() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        changed_.notify_one();
        watcher_.join();
    }
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

  private:
    void Watch(std::chrono::seconds limit) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!changed_.wait_for(lock, limit, [this] { return done_; })) {
            std::fprintf(stderr, "FAILED: %s did not finish within %lld s\n", what_.c_str(),
                         static_cast<long long>(limit.count()));
            std::fflush(stderr);
            std::_Exit(1);  // the stuck work cannot be stopped; the run must not wait on it
        }
    }

    std::string what_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool done_ = false;
    std::thread watcher_;  // last: it starts once the rest is ready
};

}  // namespace zorvane::test
