#include "settings/advapi32_registry_store.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>

#include "common/heap_array.h"
#include "common/heap_string.h"

#include "common/windows_handles.h"
#include "settings/code_page_text.h"
#include "settings/registry_value_text.h"
#include "settings/ui_language_choice.h"

namespace zorvane::settings {

static_assert(REG_SZ == kRegSz && REG_EXPAND_SZ == kRegExpandSz && REG_BINARY == kRegBinary &&
              REG_DWORD == kRegDword && REG_MULTI_SZ == kRegMultiSz);

namespace {

// A key path or value name as the narrow interface takes it: a NUL-terminated string. A
// name holding a NUL would silently name another key or value, so it names nothing.
std::optional<HeapNarrowString> NarrowName(std::u16string_view name) noexcept {
  if (name.find(u'\0') != std::u16string_view::npos) return std::nullopt;
  return CodePageFromWide(name);
}

// The registry's own answers for lack of memory: the value is there, but its text unknown.
bool OutOfMemory(LSTATUS status) {
  return status == ERROR_NOT_ENOUGH_MEMORY || status == ERROR_OUTOFMEMORY || status == ERROR_NO_SYSTEM_RESOURCES;
}

}  // namespace

std::optional<HeapU16String> QueryValueText(HKEY key, std::u16string_view valueName) noexcept {
  // A name the code page cannot carry names no value; one that found no memory is unknown.
  if (valueName.find(u'\0') != std::u16string_view::npos) return HeapU16String();
  const std::optional<HeapNarrowString> name = NarrowName(valueName);
  if (!name) return std::nullopt;

  DWORD type = REG_NONE;
  DWORD size = 0;
  LSTATUS status = RegQueryValueExA(key, name->c_str(), nullptr, &type, nullptr, &size);
  if (OutOfMemory(status)) return std::nullopt;
  if (status != ERROR_SUCCESS) return HeapU16String();
  if (type != REG_SZ && type != REG_BINARY) return HeapU16String();

  // Read at the size just reported: a value that grew since fails the read with
  // ERROR_MORE_DATA. The binary data is read whole and decoded afterwards, so no length of
  // it can write past the integer it becomes.
  HeapArray<std::uint8_t> data;
  if (!data.Resize(size)) return std::nullopt;
  DWORD read = size;
  status = RegQueryValueExA(key, name->c_str(), nullptr, &type, data.data(), &read);
  if (status == ERROR_MORE_DATA || OutOfMemory(status)) return std::nullopt;
  if (status != ERROR_SUCCESS) return HeapU16String();
  data.Truncate(std::min(read, size));

  const std::optional<HeapNarrowString> text = RegistryValueText(type, data.span());
  if (!text) return std::nullopt;
  return WideFromCodePage(*text);
}

std::optional<HeapU16String> GetSettingText(HKEY root, std::u16string_view path,
                                            std::u16string_view valueName) noexcept {
  if (path.find(u'\0') != std::u16string_view::npos) return HeapU16String();
  const std::optional<HeapNarrowString> subkey = NarrowName(path);
  if (!subkey) return std::nullopt;
  HKEY opened = nullptr;
  const LSTATUS status = RegOpenKeyExA(root, subkey->c_str(), 0, KEY_QUERY_VALUE, &opened);
  if (OutOfMemory(status)) return std::nullopt;
  if (status != ERROR_SUCCESS) return HeapU16String();
  const UniqueHkey key(opened);
  return QueryValueText(key.get(), valueName);
}

void SaveSettingText(HKEY root, std::u16string_view path, std::u16string_view valueName,
                     std::u16string_view text) noexcept {
  const std::optional<HeapNarrowString> subkey = NarrowName(path);
  const std::optional<HeapNarrowString> name = NarrowName(valueName);
  const std::optional<HeapNarrowString> data = CodePageFromWide(text);
  if (!subkey || !name || !data || data->size() >= MAXDWORD) return;

  HKEY created = nullptr;
  if (RegCreateKeyExA(root, subkey->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                      &created, nullptr) != ERROR_SUCCESS) {
    return;
  }
  const UniqueHkey key(created);
  // The terminating NUL is part of the data. A failed write is not reported.
  RegSetValueExA(key.get(), name->c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data->c_str()),
                 static_cast<DWORD>(data->size() + 1));
}

std::optional<HeapU16String> CurrentUserRegistryStore::GetSettingText(std::u16string_view path,
                                                                       std::u16string_view valueName) noexcept {
  return settings::GetSettingText(HKEY_CURRENT_USER, path, valueName);
}

void CurrentUserRegistryStore::SaveSettingText(std::u16string_view path, std::u16string_view valueName,
                                               std::u16string_view text) noexcept {
  settings::SaveSettingText(HKEY_CURRENT_USER, path, valueName, text);
}

std::optional<HeapU16String> LocalMachineRegistryReader::GetSettingText(std::u16string_view path,
                                                                         std::u16string_view valueName) noexcept {
  return settings::GetSettingText(HKEY_LOCAL_MACHINE, path, valueName);
}

void LoadDisplaySettings(OfficeHost host) noexcept {
  CurrentUserRegistryStore user;
  LocalMachineRegistryReader machine;
  LoadDisplaySettingsFrom(user, host, DisplaySettingsOf(host), ReadPolicySettings(host, machine, user));
}

std::optional<UiLanguage> LoadFixedUiLanguage(OfficeHost host) noexcept {
  CurrentUserRegistryStore user;
  LocalMachineRegistryReader machine;
  return FixedUiLanguage(host, machine, user);
}

}  // namespace zorvane::settings
