#pragma once
// A window built the first time it is needed instead of with its owner: the
// maker runs once, on the first get(), -> or *. The maker gives the window
// its owner (a Qt parent), which deletes it; the holder never does.

#include <functional>
#include <utility>

namespace zorvane {

template <typename T>
class OnFirstUse {
  public:
    explicit OnFirstUse(std::function<T*()> make) : make_(std::move(make)) {}
    OnFirstUse(const OnFirstUse&) = delete;
    OnFirstUse& operator=(const OnFirstUse&) = delete;

    T* get() {
        if (built_ == nullptr) {
            built_ = make_();
        }
        return built_;
    }
    T* operator->() { return get(); }
    T& operator*() { return *get(); }

    // The window if it has been built, else null, building nothing: for
    // callers that only keep an existing window up to date.
    T* IfBuilt() const { return built_; }

  private:
    std::function<T*()> make_;
    T* built_ = nullptr;
};

}  // namespace zorvane
