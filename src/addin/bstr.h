// Owner of a BSTR, and the one way a UTF-16 text of the core becomes a BSTR for the host.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstring>
#include <string_view>
#include <utility>

namespace zorvane::addin {

class UniqueBstr {
 public:
  UniqueBstr() noexcept = default;
  explicit UniqueBstr(BSTR text) noexcept : text_(text) {}
  UniqueBstr(UniqueBstr&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
  UniqueBstr& operator=(UniqueBstr&& other) noexcept {
    reset(std::exchange(other.text_, nullptr));
    return *this;
  }
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  ~UniqueBstr() { reset(); }

  BSTR get() const noexcept { return text_; }
  BSTR* put() noexcept {
    reset();
    return &text_;
  }
  BSTR release() noexcept { return std::exchange(text_, nullptr); }
  void reset(BSTR text = nullptr) noexcept {
    if (text_ != nullptr) SysFreeString(text_);
    text_ = text;
  }

  // The text as the core sees it; a null BSTR is the empty text, as in OLE Automation.
  // The length is read from the BSTR's byte-count prefix, as SysStringLen does, without
  // the call: this sits on the path of every visibility request.
  std::u16string_view view() const noexcept {
    if (text_ == nullptr) return {};
    UINT bytes;
    std::memcpy(&bytes, reinterpret_cast<const char*>(text_) - sizeof(bytes), sizeof(bytes));
    return {reinterpret_cast<const char16_t*>(text_), bytes / sizeof(OLECHAR)};
  }

 private:
  BSTR text_ = nullptr;
};

// Copies a constant text of the core into a new BSTR: one allocation, one copy.
inline HRESULT CopyToBstr(std::u16string_view text, BSTR* result) noexcept {
  if (result == nullptr) return E_POINTER;
  static_assert(sizeof(char16_t) == sizeof(OLECHAR));
  *result = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  return *result != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace zorvane::addin
