// One owner type for every kind of Windows handle: a handle and the call that gives it
// back, so each kind of handle is a one-line alias (UniqueHkey, UniqueBstr, UniqueWindow...).
#pragma once

#include <utility>

namespace zorvane {

// `Release` is a function object that gives the handle back; a null handle is none.
template <typename Handle, typename Release>
class UniqueHandle {
 public:
  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != nullptr; }

  // For an out-parameter that receives a new handle: gives the current one back first.
  Handle* put() noexcept {
    reset();
    return &handle_;
  }

  void reset(Handle handle = nullptr) noexcept {
    if (handle_ != nullptr) Release{}(handle_);
    handle_ = handle;
  }

  // Gives the handle up without releasing it.
  Handle release() noexcept { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

}  // namespace zorvane
