// The host's list of COM add-ins: one subkey per ProgID under the current user's key and
// under the machine's key (written by a per-machine install), read in that order.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host_description.h"

namespace zorvane::standin {

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

// The add-ins of the host's key `addinsKeyPath`.
AddinList ReadAddinList(std::wstring_view addinsKeyPath);

}  // namespace zorvane::standin
