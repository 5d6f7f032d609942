#include "addin_list.h"

#include "common/windows_handles.h"

namespace zorvane::standin {
namespace {

constexpr DWORD kMaxKeyName = 256;

std::wstring ReadString(HKEY key, const wchar_t* name) {
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return {};
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || bytes == 0) return {};
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS) {
    return {};
  }
  value.resize(size / sizeof(wchar_t));
  while (!value.empty() && value.back() == L'\0') value.pop_back();
  return value;
}

std::optional<DWORD> ReadDword(HKEY key, const wchar_t* name) {
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof(value)) {
    return std::nullopt;
  }
  return value;
}

// Appends the entries under `root`'s add-in key that the list does not hold yet: a user's
// own entry wins over the machine's entry of the same ProgID, as in the host.
void ReadAddins(HKEY root, const std::wstring& path, bool forAllUsers, AddinList& list) {
  UniqueHkey addins;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, addins.put()) != ERROR_SUCCESS) {
    return;
  }
  list.keyFound = true;
  const std::size_t userEntries = list.entries.size();
  for (DWORD index = 0;; ++index) {
    wchar_t name[kMaxKeyName];
    DWORD length = kMaxKeyName;
    const LSTATUS status = RegEnumKeyExW(addins.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS) continue;
    AddinEntry entry;
    entry.progId.assign(name, length);
    entry.forAllUsers = forAllUsers;
    bool shadowed = false;
    for (std::size_t i = 0; i < userEntries; ++i) {
      shadowed = shadowed || CompareStringOrdinal(list.entries[i].progId.c_str(), -1, entry.progId.c_str(), -1,
                                                  TRUE) == CSTR_EQUAL;
    }
    if (shadowed) continue;
    UniqueHkey key;
    if (RegOpenKeyExW(addins.get(), entry.progId.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS) {
      entry.friendlyName = ReadString(key.get(), L"FriendlyName");
      entry.description = ReadString(key.get(), L"Description");
      entry.loadBehavior = ReadDword(key.get(), L"LoadBehavior");
    }
    list.entries.push_back(std::move(entry));
  }
}

}  // namespace

AddinList ReadAddinList(std::wstring_view addinsKeyPath) {
  AddinList list;
  const std::wstring path(addinsKeyPath);
  ReadAddins(HKEY_CURRENT_USER, path, false, list);
  ReadAddins(HKEY_LOCAL_MACHINE, path, true, list);
  return list;
}

}  // namespace zorvane::standin
