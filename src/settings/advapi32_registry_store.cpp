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

// The registry's answers for a key or value that is not there. Every other failure (access
// denied, lack of memory...) leaves something there whose text is unknown.
bool NotThere(LSTATUS status) { return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND; }

}  // namespace

std::optional<HeapU16String> QueryValueText(HKEY key, std::u16string_view valueName) noexcept {
  // A name the code page cannot carry names no value; one that found no memory is unknown.
  if (valueName.find(u'\0') != std::u16string_view::npos) return HeapU16String();
  const std::optional<HeapNarrowString> name = NarrowName(valueName);
  if (!name) return std::nullopt;

  DWORD type = REG_NONE;
  DWORD size = 0;
  LSTATUS status = RegQueryValueExA(key, name->c_str(), nullptr, &type, nullptr, &size);
  if (NotThere(status)) return HeapU16String();
  if (status != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ && type != REG_BINARY) return HeapU16String();

  // Read at the size just reported: a value that grew since fails the read with
  // ERROR_MORE_DATA. The binary data is read whole and decoded afterwards, so no length of
  // it can write past the integer it becomes.
  HeapArray<std::uint8_t> data;
  if (!data.Resize(size)) return std::nullopt;
  DWORD read = size;
  status = RegQueryValueExA(key, name->c_str(), nullptr, &type, data.data(), &read);
  if (NotThere(status)) return HeapU16String();  // deleted since the size was asked
  if (status != ERROR_SUCCESS) return std::nullopt;
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
  if (NotThere(status)) return HeapU16String();
  if (status != ERROR_SUCCESS) return std::nullopt;
  const UniqueHkey key(opened);
  return QueryValueText(key.get(), valueName);
}

bool SaveSettingText(HKEY root, std::u16string_view path, std::u16string_view valueName,
                     std::u16string_view text) noexcept {
  const std::optional<HeapNarrowString> subkey = NarrowName(path);
  const std::optional<HeapNarrowString> name = NarrowName(valueName);
  const std::optional<HeapNarrowString> data = CodePageFromWide(text);
  if (!subkey || !name || !data || data->size() >= MAXDWORD) return false;

  HKEY created = nullptr;
  if (RegCreateKeyExA(root, subkey->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                      &created, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const UniqueHkey key(created);
  // The terminating NUL is part of the data.
  return RegSetValueExA(key.get(), name->c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data->c_str()),
                        static_cast<DWORD>(data->size() + 1)) == ERROR_SUCCESS;
}

std::optional<HeapU16String> CurrentUserRegistryStore::GetSettingText(std::u16string_view path,
                                                                       std::u16string_view valueName) noexcept {
  return settings::GetSettingText(HKEY_CURRENT_USER, path, valueName);
}

bool CurrentUserRegistryStore::SaveSettingText(std::u16string_view path, std::u16string_view valueName,
                                               std::u16string_view text) noexcept {
  return settings::SaveSettingText(HKEY_CURRENT_USER, path, valueName, text);
}

std::optional<HeapU16String> LocalMachineRegistryReader::GetSettingText(std::u16string_view path,
                                                                         std::u16string_view valueName) noexcept {
  return settings::GetSettingText(HKEY_LOCAL_MACHINE, path, valueName);
}

void LoadDisplaySettings(OfficeHost host, OfficeVersion version) noexcept {
  CurrentUserRegistryStore user;
  LocalMachineRegistryReader machine;
  LoadDisplaySettingsFrom(user, host, version, DisplaySettingsOf(host), ReadPolicySettings(host, version, machine, user));
}

std::optional<UiLanguage> LoadFixedUiLanguage(OfficeHost host) noexcept {
  CurrentUserRegistryStore user;
  LocalMachineRegistryReader machine;
  return FixedUiLanguage(host, machine, user);
}

}  // namespace zorvane::settings
