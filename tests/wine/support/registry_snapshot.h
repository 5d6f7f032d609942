// Registry helpers for tests: a textual snapshot of a key tree, and raw value writes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/exact_registry_value.h"
#include "common/windows_handles.h"

namespace zorvane::test {

// Every subkey and value below root\path (sorted, with types and data) as text, or
// "<absent>" when the key does not exist. Two equal snapshots mean an unchanged tree.
std::wstring SnapshotKey(HKEY root, const std::wstring& path);

bool KeyExists(HKEY root, const std::wstring& path);
void DeleteKeyTree(HKEY root, const std::wstring& path);

namespace detail {

// The wide interface names values in UTF-16, the narrow one in the system code page, which
// is also the code page of the string data it reads.
inline LSTATUS QueryValue(HKEY key, const std::wstring& name, DWORD& type, BYTE* data, DWORD& size) {
  return RegQueryValueExW(key, name.c_str(), nullptr, &type, data, &size);
}
inline LSTATUS QueryValue(HKEY key, const std::string& name, DWORD& type, BYTE* data, DWORD& size) {
  return RegQueryValueExA(key, name.c_str(), nullptr, &type, data, &size);
}

// Writes a value of any type with exactly these bytes (creating the key).
template <typename Name>
void SetRawValueNamed(HKEY root, const std::wstring& path, const Name& name, DWORD type,
                      const std::vector<BYTE>& data) {
  UniqueHkey key;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  // A value that could not be written shows when the test reads it.
  (void)SetExactValue(key.get(), name.c_str(), type, data.empty() ? nullptr : data.data(),
                      static_cast<DWORD>(data.size()));
}

// Reads a value's type and bytes; false if it cannot be read.
template <typename Name>
bool GetRawValueNamed(HKEY root, const std::wstring& path, const Name& name, DWORD& type, std::vector<BYTE>& data) {
  UniqueHkey key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return false;
  DWORD size = 0;
  if (QueryValue(key.get(), name, type, nullptr, size) != ERROR_SUCCESS) return false;
  data.resize(size);
  // The size asked first may be more than the narrow interface then writes.
  if (QueryValue(key.get(), name, type, data.data(), size) != ERROR_SUCCESS) return false;
  data.resize(size);
  return true;
}

}  // namespace detail

// Writes a value of any type with exactly these bytes (creating the key), and reads a value's
// type and bytes (false if it cannot be read); the ...A pair through the narrow interface,
// where string data is in the system code page.
inline constexpr auto SetRawValue = detail::SetRawValueNamed<std::wstring>;
inline constexpr auto GetRawValue = detail::GetRawValueNamed<std::wstring>;
inline constexpr auto SetRawValueA = detail::SetRawValueNamed<std::string>;
inline constexpr auto GetRawValueA = detail::GetRawValueNamed<std::string>;

// A registry link at root\path to `target`, a native path ("\\Registry\\Machine\\..."); false
// when it could not be made. Opening a key through it opens the target.
bool CreateRegistryLink(HKEY root, const std::wstring& path, const std::wstring& target);
// Removes the link itself (deleting the key by its path would delete its target).
void DeleteRegistryLink(HKEY root, const std::wstring& path);

// A REG_SZ value's text (wide), or "<missing>" / "<type N>" for anything else.
std::wstring StringValue(HKEY root, const std::wstring& path, const std::wstring& name);

}  // namespace zorvane::test
