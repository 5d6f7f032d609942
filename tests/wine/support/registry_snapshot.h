// Registry helpers for tests: a textual snapshot of a key tree, and raw value writes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zorvane::test {

// Every subkey and value below root\path (sorted, with types and data) as text, or
// "<absent>" when the key does not exist. Two equal snapshots mean an unchanged tree.
std::wstring SnapshotKey(HKEY root, const std::wstring& path);

bool KeyExists(HKEY root, const std::wstring& path);
void DeleteKeyTree(HKEY root, const std::wstring& path);

// Writes a value of any type with exactly these bytes (creating the key).
void SetRawValue(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type,
                 const std::vector<BYTE>& data);
// Reads a value's type and bytes; false if it cannot be read.
bool GetRawValue(HKEY root, const std::wstring& path, const std::wstring& name, DWORD& type,
                 std::vector<BYTE>& data);
// The same through the narrow interface, where string data is in the system code page.
void SetRawValueA(HKEY root, const std::wstring& path, const std::string& name, DWORD type,
                  const std::vector<BYTE>& data);
bool GetRawValueA(HKEY root, const std::wstring& path, const std::string& name, DWORD& type,
                  std::vector<BYTE>& data);

// A registry link at root\path to `target`, a native path ("\\Registry\\Machine\\..."); false
// when it could not be made. Opening a key through it opens the target.
bool CreateRegistryLink(HKEY root, const std::wstring& path, const std::wstring& target);
// Removes the link itself (deleting the key by its path would delete its target).
void DeleteRegistryLink(HKEY root, const std::wstring& path);

// A REG_SZ value's text (wide), or "<missing>" / "<type N>" for anything else.
std::wstring StringValue(HKEY root, const std::wstring& path, const std::wstring& name);

}  // namespace zorvane::test
