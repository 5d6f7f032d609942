#include "settings/advapi32_registry_store.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

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
std::optional<std::string> NarrowName(std::u16string_view name) {
  if (name.find(u'\0') != std::u16string_view::npos) return std::nullopt;
  return CodePageFromWide(name);
}

// The registry's own answers for lack of memory: the value is there, but its text unknown.
bool OutOfMemory(LSTATUS status) {
  return status == ERROR_NOT_ENOUGH_MEMORY || status == ERROR_OUTOFMEMORY || status == ERROR_NO_SYSTEM_RESOURCES;
}

}  // namespace

std::optional<std::u16string> QueryValueText(HKEY key, std::u16string_view valueName) noexcept {
  try {
    const std::optional<std::string> name = NarrowName(valueName);
    if (!name) return u"";

    DWORD type = REG_NONE;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExA(key, name->c_str(), nullptr, &type, nullptr, &size);
    if (OutOfMemory(status)) return std::nullopt;
    if (status != ERROR_SUCCESS) return u"";
    if (type != REG_SZ && type != REG_BINARY) return u"";

    // Read at the size just reported: a value that grew since fails the read with
    // ERROR_MORE_DATA. The binary data is read whole and decoded afterwards, so no length of
    // it can write past the integer it becomes.
    std::vector<std::uint8_t> data(size, 0);
    DWORD read = size;
    status = RegQueryValueExA(key, name->c_str(), nullptr, &type, data.data(), &read);
    if (status == ERROR_MORE_DATA || OutOfMemory(status)) return std::nullopt;
    if (status != ERROR_SUCCESS) return u"";
    data.resize(std::min(read, size));

    return WideFromCodePage(RegistryValueText(type, data));
  } catch (...) {
    return std::nullopt;  // out of memory: the only exception here
  }
}

std::optional<std::u16string> GetSettingText(HKEY root, std::u16string_view path,
                                             std::u16string_view valueName) noexcept {
  try {
    const std::optional<std::string> subkey = NarrowName(path);
    if (!subkey) return u"";
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExA(root, subkey->c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (OutOfMemory(status)) return std::nullopt;
    if (status != ERROR_SUCCESS) return u"";
    const UniqueHkey key(opened);
    return QueryValueText(key.get(), valueName);
  } catch (...) {
    return std::nullopt;
  }
}

void SaveSettingText(HKEY root, std::u16string_view path, std::u16string_view valueName,
                     std::u16string_view text) noexcept {
  try {
    const std::optional<std::string> subkey = NarrowName(path);
    const std::optional<std::string> name = NarrowName(valueName);
    const std::optional<std::string> data = CodePageFromWide(text);
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
  } catch (...) {
  }
}

std::optional<std::u16string> CurrentUserRegistryStore::GetSettingText(std::u16string_view path,
                                                                       std::u16string_view valueName) noexcept {
  return settings::GetSettingText(HKEY_CURRENT_USER, path, valueName);
}

void CurrentUserRegistryStore::SaveSettingText(std::u16string_view path, std::u16string_view valueName,
                                               std::u16string_view text) noexcept {
  settings::SaveSettingText(HKEY_CURRENT_USER, path, valueName, text);
}

std::optional<std::u16string> LocalMachineRegistryReader::GetSettingText(std::u16string_view path,
                                                                         std::u16string_view valueName) noexcept {
  return settings::GetSettingText(HKEY_LOCAL_MACHINE, path, valueName);
}

void LoadDisplaySettings() noexcept {
  try {
    CurrentUserRegistryStore user;
    LocalMachineRegistryReader machine;
    LoadDisplaySettingsFrom(user, DisplaySettings, ReadPolicySettings(machine, user));
  } catch (...) {
    // The store itself never throws; nothing else in a load can fail.
  }
}

std::optional<UiLanguage> LoadFixedUiLanguage() noexcept {
  try {
    CurrentUserRegistryStore user;
    LocalMachineRegistryReader machine;
    return FixedUiLanguage(machine, user);
  } catch (...) {
    return std::nullopt;  // as a missing value: the host's language
  }
}

}  // namespace zorvane::settings
