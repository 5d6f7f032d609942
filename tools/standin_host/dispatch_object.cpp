#include "dispatch_object.h"

#include <cwctype>

namespace zorvane::standin {

bool SameMemberName(std::wstring_view a, const wchar_t* b) noexcept {
  if (b == nullptr) return false;
  std::size_t i = 0;
  for (; i < a.size(); ++i) {
    if (b[i] == L'\0' || std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return b[i] == L'\0';
}

HRESULT ReturnString(std::wstring_view text, VARIANT* result) noexcept {
  if (result == nullptr) return S_OK;
  VariantInit(result);
  BSTR copy = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  if (copy == nullptr) return E_OUTOFMEMORY;
  V_VT(result) = VT_BSTR;
  V_BSTR(result) = copy;
  return S_OK;
}

}  // namespace zorvane::standin
