#include "support/registry_snapshot.h"

#include <algorithm>
#include <cstdio>

#include "common/windows_handles.h"
#include "support/proc_address.h"

namespace zorvane::test {
namespace {

void Dump(HKEY key, const std::wstring& path, std::wstring& out) {
  out += L"[" + path + L"]\n";
  std::vector<std::wstring> lines;
  for (DWORD i = 0;; ++i) {
    wchar_t name[16384];
    DWORD nameLength = 16384;
    DWORD type = 0;
    DWORD size = 0;
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    std::vector<BYTE> data(size);
    nameLength = 16384;
    RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data.data(), &size);
    std::wstring line = std::wstring(name) + L"=" + std::to_wstring(type) + L":";
    for (BYTE b : data) {
      wchar_t hex[4];
      swprintf(hex, 4, L"%02x", b);
      line += hex;
    }
    lines.push_back(line + L"\n");
  }
  std::sort(lines.begin(), lines.end());
  for (const auto& line : lines) out += line;
  std::vector<std::wstring> children;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLength = 256;
    if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    children.emplace_back(name);
  }
  std::sort(children.begin(), children.end());
  for (const auto& child : children) {
    UniqueHkey sub;
    if (RegOpenKeyExW(key, child.c_str(), 0, KEY_READ, sub.put()) == ERROR_SUCCESS) {
      Dump(sub.get(), path + L"\\" + child, out);
    }
  }
}

}  // namespace

std::wstring SnapshotKey(HKEY root, const std::wstring& path) {
  UniqueHkey key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return L"<absent>";
  std::wstring out;
  Dump(key.get(), path, out);
  return out;
}

bool KeyExists(HKEY root, const std::wstring& path) {
  UniqueHkey key;
  return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

void DeleteKeyTree(HKEY root, const std::wstring& path) { RegDeleteTreeW(root, path.c_str()); }

bool CreateRegistryLink(HKEY root, const std::wstring& path, const std::wstring& target) {
  UniqueHkey link;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_CREATE_LINK, KEY_ALL_ACCESS, nullptr, link.put(),
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExW(link.get(), L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(target.data()),
                        static_cast<DWORD>(target.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
}

void DeleteRegistryLink(HKEY root, const std::wstring& path) {
  UniqueHkey link;
  if (RegOpenKeyExW(root, path.c_str(), REG_OPTION_OPEN_LINK, DELETE, link.put()) != ERROR_SUCCESS) return;
  using NtDeleteKeyFn = LONG(WINAPI*)(HANDLE);
  const auto ntDeleteKey = ProcAddress<NtDeleteKeyFn>(GetModuleHandleW(L"ntdll.dll"), "NtDeleteKey");
  if (ntDeleteKey != nullptr) (void)ntDeleteKey(link.get());  // a link gone already is as good
}

std::wstring StringValue(HKEY root, const std::wstring& path, const std::wstring& name) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!GetRawValue(root, path, name, type, data)) return L"<missing>";
  if (type != REG_SZ) return L"<type " + std::to_wstring(type) + L">";
  std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

}  // namespace zorvane::test
