// The settings' registry routines on advapi32's narrow interface, the store of the current
// user and the reader of the machine's policy, and the loader that the connection handler
// and the customization dialog call. Windows only.
//
// A read of a missing key or value yields the empty text, any other failed read nothing (the
// value's text is unknown); a failed write leaves the registry as it was and says so. They report every failure by their result and allocate
// only through the nothrow owners. No key handle is kept between calls.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "common/heap_string.h"
#include "common/office_host.h"
#include "common/ui_language.h"
#include "settings/registry_store.h"

namespace zorvane::settings {

// Text of value `valueName` of the open key `key`: a REG_SZ value's text up to its first
// NUL, a REG_BINARY value's first two bytes as a 16-bit integer in decimal, and the empty
// text for every other type and for a value that is not there. Nothing for every other
// failure (access denied, memory ran out, the value grew between the query of its size and
// its read, its text would not convert): a value that is there is never taken for a missing one.
std::optional<HeapU16String> QueryValueText(HKEY key, std::u16string_view valueName) noexcept;

// Opens the existing key `root\path`, reads `valueName` with QueryValueText, closes it. A key
// that is there but cannot be opened (access denied, no memory) reads as nothing, as its
// values' texts are unknown.
std::optional<HeapU16String> GetSettingText(HKEY root, std::u16string_view path,
                                             std::u16string_view valueName) noexcept;

// Creates `root\path` (with any missing keys above it) or opens it, writes `text` under
// `valueName` as a REG_SZ value with its terminating NUL, and closes it. False when any step failed.
[[nodiscard]] bool SaveSettingText(HKEY root, std::u16string_view path, std::u16string_view valueName,
                     std::u16string_view text) noexcept;

// The routines above with HKEY_CURRENT_USER as the root.
class CurrentUserRegistryStore final : public RegistryStore {
 public:
  std::optional<HeapU16String> GetSettingText(std::u16string_view path,
                                               std::u16string_view valueName) noexcept override;
  bool SaveSettingText(std::u16string_view path, std::u16string_view valueName,
                       std::u16string_view text) noexcept override;
};

// The machine's policy values: GetSettingText with HKEY_LOCAL_MACHINE as the root. Read only.
class LocalMachineRegistryReader final : public RegistryReader {
 public:
  std::optional<HeapU16String> GetSettingText(std::u16string_view path,
                                               std::u16string_view valueName) noexcept override;
};

// The add-in's loader: fills DisplaySettingsOf(host) with the switches that `version` of `host`
// has, from the current user's settings key of `host`, writing "1" for every value that is not
// there, with the switches that the host's machine or user policy sets taken from policy.
void LoadDisplaySettings(OfficeHost host, OfficeVersion version) noexcept;

// The language fixed for `host` by machine policy, user policy or the current user's
// `Language` value (see FixedUiLanguage); nothing when the host's language is to be followed.
// Reads only.
std::optional<UiLanguage> LoadFixedUiLanguage(OfficeHost host) noexcept;

}  // namespace zorvane::settings
