// The host's list of COM add-ins: one subkey per ProgID under the current user's key and
// under the machine's key (written by a per-machine install), read in that order.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::standin {

inline constexpr std::wstring_view kAddinsKeyPath = L"Software\\Microsoft\\Office\\PowerPoint\\Addins";
inline constexpr std::wstring_view kAddinsKeyName = L"HKCU\\Software\\Microsoft\\Office\\PowerPoint\\Addins";
inline constexpr std::wstring_view kMachineAddinsKeyName =
    L"HKLM\\Software\\Microsoft\\Office\\PowerPoint\\Addins";
// The only load behaviour that loads and connects an add-in at start-up.
inline constexpr DWORD kLoadAtStartup = 3;

struct AddinEntry {
  std::wstring progId;
  std::wstring friendlyName;
  std::wstring description;
  std::optional<DWORD> loadBehavior;  // empty when missing or not a DWORD
  bool forAllUsers = false;           // listed under HKLM
};

struct AddinList {
  bool keyFound = false;            // under HKCU or HKLM
  std::vector<AddinEntry> entries;  // the user's first, then the machine's; a ProgID once
};

AddinList ReadAddinList();

}  // namespace zorvane::standin
