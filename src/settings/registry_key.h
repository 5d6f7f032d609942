// Owner of an open registry key: closes it exactly once. Windows only.
#pragma once

#include <windows.h>

#include <utility>

namespace zorvane::settings {

class UniqueHkey {
 public:
  UniqueHkey() noexcept = default;
  explicit UniqueHkey(HKEY key) noexcept : key_(key) {}
  UniqueHkey(UniqueHkey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  UniqueHkey& operator=(UniqueHkey&& other) noexcept {
    reset(std::exchange(other.key_, nullptr));
    return *this;
  }
  UniqueHkey(const UniqueHkey&) = delete;
  UniqueHkey& operator=(const UniqueHkey&) = delete;
  ~UniqueHkey() { reset(); }

  HKEY get() const noexcept { return key_; }
  explicit operator bool() const noexcept { return key_ != nullptr; }

  // For the out-parameter of RegOpenKey*/RegCreateKey*: closes the current key first.
  HKEY* put() noexcept {
    reset();
    return &key_;
  }

  void reset(HKEY key = nullptr) noexcept {
    if (key_ != nullptr) RegCloseKey(key_);
    key_ = key;
  }

 private:
  HKEY key_ = nullptr;
};

}  // namespace zorvane::settings
