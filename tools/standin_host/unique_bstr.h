// Owner of one BSTR: frees it exactly once.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <new>
#include <string_view>
#include <utility>

namespace zorvane::standin {

class UniqueBstr {
 public:
  UniqueBstr() noexcept = default;
  // Copies `text`; throws std::bad_alloc when the system allocator fails.
  explicit UniqueBstr(std::wstring_view text)
      : bstr_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (bstr_ == nullptr) throw std::bad_alloc();
  }
  UniqueBstr(UniqueBstr&& other) noexcept : bstr_(std::exchange(other.bstr_, nullptr)) {}
  UniqueBstr& operator=(UniqueBstr&& other) noexcept {
    reset(std::exchange(other.bstr_, nullptr));
    return *this;
  }
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  ~UniqueBstr() { reset(); }

  BSTR get() const noexcept { return bstr_; }
  // For [out] BSTR* parameters: frees the current string first.
  BSTR* put() noexcept {
    reset();
    return &bstr_;
  }
  BSTR release() noexcept { return std::exchange(bstr_, nullptr); }
  void reset(BSTR bstr = nullptr) noexcept {
    if (bstr_ != nullptr) SysFreeString(bstr_);
    bstr_ = bstr;
  }
  // A null BSTR reads as the empty string, as Automation defines it.
  std::wstring_view view() const noexcept { return {bstr_ ? bstr_ : L"", SysStringLen(bstr_)}; }

 private:
  BSTR bstr_ = nullptr;
};

}  // namespace zorvane::standin
