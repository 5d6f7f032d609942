// The one way a UTF-16 text of the core becomes a BSTR for the host, and back (the owner,
// UniqueBstr, is in common/windows_handles.h).
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstring>
#include <string_view>

#include "common/windows_handles.h"

namespace zorvane::addin {

// A BSTR's text as the core sees it; a null BSTR is the empty text, as in OLE Automation.
// The length is read from the BSTR's byte-count prefix, as SysStringLen does, without the
// call: this sits on the path of every visibility request.
inline std::u16string_view TextOf(BSTR text) noexcept {
  if (text == nullptr) return {};
  UINT bytes;
  std::memcpy(&bytes, reinterpret_cast<const char*>(text) - sizeof(bytes), sizeof(bytes));
  return {reinterpret_cast<const char16_t*>(text), bytes / sizeof(OLECHAR)};
}

// Copies a constant text of the core into a new BSTR: one allocation, one copy.
inline HRESULT CopyToBstr(std::u16string_view text, BSTR* result) noexcept {
  if (result == nullptr) return E_POINTER;
  static_assert(sizeof(char16_t) == sizeof(OLECHAR));
  *result = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  return *result != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace zorvane::addin
