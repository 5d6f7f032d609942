#include "test_registry.h"

#include "common/exact_registry_value.h"
#include "common/windows_handles.h"
#include "fake_identity.h"

namespace standin_test {
namespace {

using zorvane::UniqueHkey;

std::wstring EntryPath(const std::wstring& progId, const std::wstring& addinsKey = kAddinsKey) {
  return addinsKey + L"\\" + progId;
}

bool SetStringIn(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  UniqueHkey key;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

std::optional<KeySnapshot::Node> Capture(HKEY parent, const std::wstring& name) {
  UniqueHkey key;
  if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return std::nullopt;
  KeySnapshot::Node node;
  node.name = name;
  for (DWORD i = 0;; ++i) {
    wchar_t valueName[16384];
    DWORD nameLength = 16384;
    DWORD type = 0;
    DWORD size = 0;
    if (RegEnumValueW(key.get(), i, valueName, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    KeySnapshot::Value value{std::wstring(valueName, nameLength), type, std::vector<BYTE>(size)};
    nameLength = 16384;
    RegEnumValueW(key.get(), i, valueName, &nameLength, nullptr, &type, value.data.data(), &size);
    value.data.resize(size);
    node.values.push_back(std::move(value));
  }
  for (DWORD i = 0;; ++i) {
    wchar_t childName[256];
    DWORD length = 256;
    if (RegEnumKeyExW(key.get(), i, childName, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (auto child = Capture(key.get(), std::wstring(childName, length))) node.children.push_back(std::move(*child));
  }
  return node;
}

void Write(HKEY parent, const KeySnapshot::Node& node) {
  UniqueHkey key;
  if (RegCreateKeyExW(parent, node.name.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(), nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  for (const KeySnapshot::Value& value : node.values) {
    zorvane::SetExactValue(key.get(), value.name.c_str(), value.type, value.data.data(),
                           static_cast<DWORD>(value.data.size()));
  }
  for (const KeySnapshot::Node& child : node.children) Write(key.get(), child);
}

}  // namespace

bool SetAddinEntry(const std::wstring& progId, std::optional<DWORD> loadBehavior, const std::wstring& friendlyName,
                   const std::wstring& addinsKey) {
  DeleteAddinEntry(progId, addinsKey);
  const std::wstring path = EntryPath(progId, addinsKey);
  UniqueHkey key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(), nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  if (!friendlyName.empty() && !SetStringIn(HKEY_CURRENT_USER, path, L"FriendlyName", friendlyName)) {
    return false;
  }
  if (loadBehavior) {
    const DWORD value = *loadBehavior;
    return RegSetValueExW(key.get(), L"LoadBehavior", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value)) == ERROR_SUCCESS;
  }
  return true;
}

void DeleteAddinEntry(const std::wstring& progId, const std::wstring& addinsKey) {
  DeleteTree(EntryPath(progId, addinsKey));
}

bool AddinEntryExists(const std::wstring& progId) {
  UniqueHkey key;
  return RegOpenKeyExW(HKEY_CURRENT_USER, EntryPath(progId).c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

std::optional<DWORD> ReadLoadBehavior(const std::wstring& progId) {
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (RegGetValueW(HKEY_CURRENT_USER, EntryPath(progId).c_str(), L"LoadBehavior", RRF_RT_REG_DWORD, nullptr, &value,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

bool RegisterClassWithServer(const std::wstring& progId, const std::wstring& clsid, const std::wstring& dll) {
  const std::wstring server = L"CLSID\\" + clsid + L"\\InprocServer32";
  return SetStringIn(HKEY_CLASSES_ROOT, server, nullptr, dll) &&
         SetStringIn(HKEY_CLASSES_ROOT, server, L"ThreadingModel", L"Apartment") &&
         SetStringIn(HKEY_CLASSES_ROOT, progId + L"\\CLSID", nullptr, clsid);
}

void UnregisterClass(const std::wstring& progId, const std::wstring& clsid) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + clsid).c_str());
  RegDeleteKeyW(HKEY_CLASSES_ROOT, (L"CLSID\\" + clsid).c_str());
  RegDeleteTreeW(HKEY_CLASSES_ROOT, progId.c_str());
  RegDeleteKeyW(HKEY_CLASSES_ROOT, progId.c_str());
}

bool RegisterFakeClass(const std::wstring& dll) {
  return RegisterClassWithServer(standin_fake::kProgId, standin_fake::kClsidText, dll);
}

void UnregisterFakeClass() { UnregisterClass(standin_fake::kProgId, standin_fake::kClsidText); }

void DeleteTree(const std::wstring& path) {
  RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
}

bool SetString(const std::wstring& path, const std::wstring& name, const std::wstring& value) {
  return SetStringIn(HKEY_CURRENT_USER, path, name.c_str(), value);
}

KeySnapshot::KeySnapshot(std::wstring path) : path_(std::move(path)), saved_(Capture(HKEY_CURRENT_USER, path_)) {}

KeySnapshot::~KeySnapshot() { Restore(); }

void KeySnapshot::Restore() {
  DeleteTree(path_);
  // The saved root is named by its whole path under HKCU.
  if (saved_) Write(HKEY_CURRENT_USER, *saved_);
}

std::optional<std::wstring> GetString(const std::wstring& path, const std::wstring& name) {
  wchar_t text[256];
  DWORD size = sizeof(text);
  if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(text);
}

}  // namespace standin_test
