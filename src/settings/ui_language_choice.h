// Which language the add-in's own text is in: fixed by policy or by the user's `Language`
// value, else the host's user-interface language. Portable: the Windows layer asks the host
// and hands the answer in.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/office_host.h"
#include "common/ui_language.h"
#include "settings/registry_store.h"

namespace zorvane::settings {

namespace name {
// Read from the settings key and from both policy keys; never written by the add-in.
inline constexpr char16_t kLanguage[] = u"Language";
}  // namespace name

// The language a stored text names ("zh-CN", "zh-TW", "en-US", without regard to ASCII case);
// nothing for any other text, which means "follow the host".
std::optional<UiLanguage> UiLanguageFromName(std::u16string_view text) noexcept;

// The language for the host's user-interface LCID: Chinese in the Simplified script, Chinese
// in the Traditional script, or English for every other language. No answer, or a number
// that is no LCID, gives Simplified Chinese, the add-in's own language.
UiLanguage UiLanguageFromLcid(std::optional<std::uint32_t> lcid) noexcept;

// What the administrator or the user fixed for `host`: the first `Language` value present
// (non-empty) of its machine policy, user policy and user's settings key decides, and the host's language
// is followed when that value names no language or none is present. Reads only.
std::optional<UiLanguage> FixedUiLanguage(OfficeHost host, RegistryReader& machine, RegistryReader& user);

}  // namespace zorvane::settings
