#include "settings/ui_language_choice.h"

#include <array>

#include "settings/host_switches.h"

namespace zorvane::settings {
namespace {

struct NamedLanguage {
  std::u16string_view name;
  UiLanguage language;
};

constexpr std::array kNames = {
    NamedLanguage{u"zh-CN", UiLanguage::kSimplifiedChinese},
    NamedLanguage{u"zh-TW", UiLanguage::kTraditionalChinese},
    NamedLanguage{u"en-US", UiLanguage::kEnglish},
};

// Chinese language ids by script. The language id is an LCID's low 16 bits; the sort order
// above them does not change the language.
struct ChineseLanguageId {
  std::uint16_t languageId;
  UiLanguage language;
};

constexpr std::array kChinese = {
    ChineseLanguageId{0x0804, UiLanguage::kSimplifiedChinese},   // 2052, China
    ChineseLanguageId{0x1004, UiLanguage::kSimplifiedChinese},   // 4100, Singapore
    ChineseLanguageId{0x0004, UiLanguage::kSimplifiedChinese},   // Chinese, Simplified script
    ChineseLanguageId{0x0404, UiLanguage::kTraditionalChinese},  // 1028, Taiwan
    ChineseLanguageId{0x0C04, UiLanguage::kTraditionalChinese},  // 3076, Hong Kong SAR
    ChineseLanguageId{0x1404, UiLanguage::kTraditionalChinese},  // 5124, Macao SAR
    ChineseLanguageId{0x7C04, UiLanguage::kTraditionalChinese},  // Chinese, Traditional script
};

constexpr char16_t AsciiLower(char16_t c) noexcept { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

constexpr bool SameIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<UiLanguage> UiLanguageFromName(std::u16string_view text) noexcept {
  for (const NamedLanguage& named : kNames) {
    if (SameIgnoringAsciiCase(named.name, text)) return named.language;
  }
  return std::nullopt;
}

UiLanguage UiLanguageFromLcid(std::optional<std::uint32_t> lcid) noexcept {
  // An LCID holds a language id and a 4-bit sort id; anything above those, or a language id
  // without a primary language (0, the neutral and default locales), is no language.
  if (!lcid || (*lcid >> 20) != 0 || (*lcid & 0x3FF) == 0) return UiLanguage::kSimplifiedChinese;
  const auto languageId = static_cast<std::uint16_t>(*lcid & 0xFFFF);
  for (const ChineseLanguageId& chinese : kChinese) {
    if (chinese.languageId == languageId) return chinese.language;
  }
  return UiLanguage::kEnglish;
}

std::optional<UiLanguage> FixedUiLanguage(OfficeHost host, RegistryReader& machine, RegistryReader& user) {
  const HostSwitches& keys = SwitchesOf(host);
  // Policy first, as for the switches; a value missing, empty or unreadable leaves the choice
  // to the next place.
  const auto read = [](RegistryReader& reader, std::u16string_view path) {
    return reader.GetSettingText(path, name::kLanguage).value_or(HeapU16String());
  };
  HeapU16String text = read(machine, keys.policyKeyPath);
  if (text.empty()) text = read(user, keys.policyKeyPath);
  if (text.empty()) text = read(user, keys.settingsKeyPath);
  return UiLanguageFromName(text);
}

}  // namespace zorvane::settings
