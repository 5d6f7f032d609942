// Registry access in an explicit view: the check is a 32-bit program that looks at what
// both bitnesses of PowerPoint read. On 32-bit Windows the view flags change nothing.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "check/observed_state.h"
#include "common/windows_handles.h"

namespace zorvane::check {

HKEY RootKey(Root root) noexcept;
REGSAM ViewFlag(Bits view) noexcept;

// Opens root\path in `view` with `rights` (plus the view flag); ERROR_* on failure.
LSTATUS OpenKey(Root root, Bits view, const std::wstring& path, REGSAM rights, UniqueHkey& key) noexcept;

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

std::optional<RawValue> ReadValue(HKEY key, const std::wstring& name);
// A REG_DWORD value.
std::optional<DWORD> ReadDword(HKEY key, const std::wstring& name);
// A REG_SZ or REG_EXPAND_SZ value (expanded) up to its first NUL.
std::optional<std::wstring> ReadText(HKEY key, const std::wstring& name);
std::vector<std::wstring> ValueNames(HKEY key);
std::vector<std::wstring> SubkeyNames(HKEY key);

inline std::u16string ToU16(const std::wstring& text) { return {text.begin(), text.end()}; }
inline std::wstring ToWide(const std::u16string& text) { return {text.begin(), text.end()}; }

}  // namespace zorvane::check
