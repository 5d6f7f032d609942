// Registry set-up for the stand-in host's tests: add-in entries, settings values and the
// fake add-in's class registration, all undone by the tests that make them.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace standin_test {

inline constexpr wchar_t kAddinsKey[] = L"Software\\Microsoft\\Office\\PowerPoint\\Addins";

// Creates or replaces HKCU\<addinsKey>\<progId>; no LoadBehavior value when empty.
bool SetAddinEntry(const std::wstring& progId, std::optional<DWORD> loadBehavior,
                   const std::wstring& friendlyName = {}, const std::wstring& addinsKey = kAddinsKey);
void DeleteAddinEntry(const std::wstring& progId, const std::wstring& addinsKey = kAddinsKey);
bool AddinEntryExists(const std::wstring& progId);
std::optional<DWORD> ReadLoadBehavior(const std::wstring& progId);

// Registers `dll` as the in-process server of the fake add-in's class and ProgID.
bool RegisterFakeClass(const std::wstring& dll);
void UnregisterFakeClass();

// Registers a class and ProgID whose server DLL is `dll` (which may not exist).
bool RegisterClassWithServer(const std::wstring& progId, const std::wstring& clsid, const std::wstring& dll);
void UnregisterClass(const std::wstring& progId, const std::wstring& clsid);

// A copy of a key under HKCU with everything below it; Restore puts it back as it was
// (or removes the key if it did not exist).
class KeySnapshot {
 public:
  explicit KeySnapshot(std::wstring path);
  ~KeySnapshot();
  KeySnapshot(const KeySnapshot&) = delete;
  KeySnapshot& operator=(const KeySnapshot&) = delete;
  void Restore();

  struct Value {
    std::wstring name;
    DWORD type = 0;
    std::vector<BYTE> data;
  };
  struct Node {
    std::wstring name;
    std::vector<Value> values;
    std::vector<Node> children;
  };

 private:
  std::wstring path_;
  std::optional<Node> saved_;
};

// Deletes HKCU\<path> and everything below it.
void DeleteTree(const std::wstring& path);

// String value under HKCU\<path>.
bool SetString(const std::wstring& path, const std::wstring& name, const std::wstring& value);
// ... and read back; nothing when it cannot be read.
std::optional<std::wstring> GetString(const std::wstring& path, const std::wstring& name);

}  // namespace standin_test
