// The host's texts to and from BSTRs; the owner is the common UniqueBstr.
#pragma once

#include <new>
#include <string_view>

#include "common/windows_handles.h"

namespace zorvane::standin {

// A null BSTR reads as the empty text, as Automation defines it.
inline std::wstring_view TextOf(BSTR text) noexcept { return {text != nullptr ? text : L"", SysStringLen(text)}; }

// A new BSTR holding `text`; throws std::bad_alloc when the system allocator fails.
inline UniqueBstr NewBstr(std::wstring_view text) {
  UniqueBstr bstr(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
  if (!bstr) throw std::bad_alloc();
  return bstr;
}

}  // namespace zorvane::standin
