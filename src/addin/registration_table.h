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

// Whether an entry or key is the module's own (the type library, _Connect) or stands once
// for each class the module serves (its CLSID, ProgID and host's add-in entry).
enum class Per { Module, Class };

// One registry value; the key is created with it. Key and text may hold placeholders that
// are filled in at registration: %LIBID%, %IID%, %MODULE%, %MODULEDIR%, %PLATFORM%,
// %DESCRIPTION%, and in rows per class %CLSID%, %PROGID% and %HOST% (the host's name in
// Office's keys).
struct RegistryEntry {
  Per per;
  Hive hive;
  std::wstring_view key;
  std::wstring_view valueName;  // empty: the key's default value
  DWORD type;                   // REG_SZ or REG_DWORD; REG_NONE creates the key only
  std::wstring_view text;       // for REG_SZ
  DWORD number;                 // for REG_DWORD
};

// Who uses a key. On 64-bit Windows each bitness has its own view of the classes' CLSID and
// Interface keys, while the ProgID, the type library and the user's add-in entry are one
// key seen by both; the 32-bit and 64-bit add-ins may be registered side by side.
enum class Sharing {
  ThisBitness,   // removed whenever this bitness unregisters
  AllBitnesses,  // removed only when no bitness registers any more
};

// A key that belongs to the add-in alone: unregistering deletes it with everything below.
struct OwnedKey {
  Per per;
  Hive hive;
  std::wstring_view key;
  Sharing sharing;
};

std::span<const RegistryEntry> RegistrationEntries() noexcept;
// In this order: a bitness's own keys come first, so that what remains tells whether another
// bitness still registers.
std::span<const OwnedKey> OwnedKeys() noexcept;

// The classes key whose subkeys (win32, win64) name each bitness that registers the class.
std::wstring_view RegisteredPlatformsKey() noexcept;

}  // namespace zorvane::addin
