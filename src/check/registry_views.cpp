#include "check/registry_views.h"

namespace zorvane::check {

HKEY RootKey(Root root) noexcept { return root == Root::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

REGSAM ViewFlag(Bits view) noexcept { return view == Bits::k64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY; }

LSTATUS OpenKey(Root root, Bits view, const std::wstring& path, REGSAM rights, UniqueHkey& key) noexcept {
  return RegOpenKeyExW(RootKey(root), path.c_str(), 0, rights | ViewFlag(view), key.put());
}

std::optional<RawValue> ReadValue(HKEY key, const std::wstring& name) {
  RawValue value;
  // The value may grow between the two calls; a few tries, then it is unreadable.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    value.data.resize(size);
    const LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.data.data(), &size);
    if (status == ERROR_SUCCESS) {
      value.data.resize(size);
      return value;
    }
    if (status != ERROR_MORE_DATA) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<DWORD> ReadDword(HKEY key, const std::wstring& name) {
  const auto value = ReadValue(key, name);
  if (!value || value->type != REG_DWORD || value->data.size() != sizeof(DWORD)) return std::nullopt;
  DWORD number = 0;
  memcpy(&number, value->data.data(), sizeof(number));
  return number;
}

std::optional<std::wstring> ReadText(HKEY key, const std::wstring& name) {
  const auto value = ReadValue(key, name);
  if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
  // The data need not end with a NUL: only the counted bytes are read.
  std::wstring text(value->data.size() / sizeof(wchar_t), L'\0');
  memcpy(text.data(), value->data.data(), text.size() * sizeof(wchar_t));
  text.resize(wcsnlen(text.c_str(), text.size()));
  if (value->type == REG_EXPAND_SZ) {
    const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::wstring expanded(needed, L'\0');
    if (ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed) == 0) return text;
    expanded.resize(wcsnlen(expanded.c_str(), expanded.size()));
    return expanded;
  }
  return text;
}

namespace {

std::vector<std::wstring> Names(HKEY key, bool values) {
  std::vector<std::wstring> names;
  DWORD longest = 0;
  const LSTATUS info = values ? RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                 &longest, nullptr, nullptr, nullptr)
                              : RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr,
                                                 nullptr, nullptr, nullptr, nullptr);
  if (info != ERROR_SUCCESS) return names;
  std::wstring buffer(longest + 1, L'\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(buffer.size());
    const LSTATUS status =
        values ? RegEnumValueW(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr)
               : RegEnumKeyExW(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) break;  // ERROR_NO_MORE_ITEMS, or a name that grew meanwhile
    names.emplace_back(buffer.data(), length);
  }
  return names;
}

}  // namespace

std::vector<std::wstring> ValueNames(HKEY key) { return Names(key, true); }
std::vector<std::wstring> SubkeyNames(HKEY key) { return Names(key, false); }

}  // namespace zorvane::check
