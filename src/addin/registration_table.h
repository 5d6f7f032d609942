// The registry entries of the add-in as data.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>

namespace zorvane::addin {

// Where an entry lives: the classes root of the chosen scope (HKLM\Software\Classes or
// HKCU\Software\Classes), or the current user's own hive.
enum class Hive { Classes, CurrentUser };
inline constexpr size_t kHiveCount = 2;

// One registry value; the key is created with it. Key and text may hold placeholders that
// are filled in at registration: %CLSID%, %LIBID%, %IID%, %PROGID%, %MODULE%, %MODULEDIR%,
// %PLATFORM%, %DESCRIPTION%.
struct RegistryEntry {
  Hive hive;
  std::wstring_view key;
  std::wstring_view valueName;  // empty: the key's default value
  DWORD type;                   // REG_SZ or REG_DWORD; REG_NONE creates the key only
  std::wstring_view text;       // for REG_SZ
  DWORD number;                 // for REG_DWORD
};

// A key that belongs to the add-in alone: unregistering deletes it with everything below.
struct OwnedKey {
  Hive hive;
  std::wstring_view key;
};

std::span<const RegistryEntry> RegistrationEntries() noexcept;
std::span<const OwnedKey> OwnedKeys() noexcept;

}  // namespace zorvane::addin
