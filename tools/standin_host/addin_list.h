// The host's list of COM add-ins: one subkey per ProgID under the current user's key.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::standin {

inline constexpr std::wstring_view kAddinsKeyPath = L"Software\\Microsoft\\Office\\PowerPoint\\Addins";
inline constexpr std::wstring_view kAddinsKeyName = L"HKCU\\Software\\Microsoft\\Office\\PowerPoint\\Addins";
// The only load behaviour that loads and connects an add-in at start-up.
inline constexpr DWORD kLoadAtStartup = 3;

struct AddinEntry {
  std::wstring progId;
  std::wstring friendlyName;
  std::wstring description;
  std::optional<DWORD> loadBehavior;  // empty when missing or not a DWORD
};

struct AddinList {
  bool keyFound = false;
  std::vector<AddinEntry> entries;  // in the registry's order
};

AddinList ReadAddinList();

}  // namespace zorvane::standin
