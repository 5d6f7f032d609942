// Each host's nine display switches: their registry value names in record order (ShowAllMenu,
// then the eight built-in tabs in the ribbon's order; a tab switch bears the tab's idMso) and
// the keys that hold them. Constants only.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "common/office_host.h"
#include "settings/display_settings.h"

namespace zorvane::settings {

// Word's and Excel's own tab names; the names shared with PowerPoint stand in `name`.
namespace word_name {
inline constexpr char16_t kTabPageLayoutWord[] = u"TabPageLayoutWord";
inline constexpr char16_t kTabReferences[] = u"TabReferences";
inline constexpr char16_t kTabMailings[] = u"TabMailings";
inline constexpr char16_t kTabReviewWord[] = u"TabReviewWord";
inline constexpr char16_t kSettingsKeyPath[] = u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Word";
inline constexpr char16_t kPolicyKeyPath[] = u"SOFTWARE\\Policies\\Quelby\\Word";
}  // namespace word_name

namespace excel_name {
inline constexpr char16_t kTabPageLayoutExcel[] = u"TabPageLayoutExcel";
inline constexpr char16_t kTabFormulas[] = u"TabFormulas";
inline constexpr char16_t kTabData[] = u"TabData";
inline constexpr char16_t kSettingsKeyPath[] = u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Excel";
inline constexpr char16_t kPolicyKeyPath[] = u"SOFTWARE\\Policies\\Quelby\\Excel";
}  // namespace excel_name

// One host's switches as a type, so that markup built while compiling can use the tab names
// with their lengths.
template <const auto& SettingsKey, const auto& PolicyKey, const auto& ShowAllMenu, const auto&... Tabs>
struct HostSwitchNames {
  static_assert(1 + sizeof...(Tabs) == kSwitchCount, "one name per switch");
  static constexpr std::u16string_view kSettingsKeyPath{SettingsKey};
  static constexpr std::u16string_view kPolicyKeyPath{PolicyKey};
  static constexpr std::array<std::u16string_view, kSwitchCount> kNames{ShowAllMenu, Tabs...};

  // `make(tab...)` with the eight tab names, in the ribbon's order.
  template <class Make>
  static consteval auto WithTabs(Make make) {
    return make(Tabs...);
  }
};

using PowerPointSwitchNames =
    HostSwitchNames<kSettingsKeyPath, kPolicyKeyPath, name::kShowAllMenu, name::kTabHome, name::kTabInsert,
                    name::kTabDesign, name::kTabAnimations, name::kTabSlideShow, name::kTabReview, name::kTabView,
                    name::kTabDeveloper>;
using WordSwitchNames =
    HostSwitchNames<word_name::kSettingsKeyPath, word_name::kPolicyKeyPath, name::kShowAllMenu, name::kTabHome,
                    name::kTabInsert, word_name::kTabPageLayoutWord, word_name::kTabReferences,
                    word_name::kTabMailings, word_name::kTabReviewWord, name::kTabView, name::kTabDeveloper>;
using ExcelSwitchNames =
    HostSwitchNames<excel_name::kSettingsKeyPath, excel_name::kPolicyKeyPath, name::kShowAllMenu, name::kTabHome,
                    name::kTabInsert, excel_name::kTabPageLayoutExcel, excel_name::kTabFormulas,
                    excel_name::kTabData, name::kTabReview, name::kTabView, name::kTabDeveloper>;

static_assert(PowerPointSwitchNames::kNames == kSwitchNames, "PowerPoint's switches are the record's own");

// The same, as values to look up at run time.
struct HostSwitches {
  std::array<std::u16string_view, kSwitchCount> names;
  std::u16string_view settingsKeyPath;  // under HKEY_CURRENT_USER
  std::u16string_view policyKeyPath;    // under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER
};

template <class Names>
inline constexpr HostSwitches kHostSwitchesOf{Names::kNames, Names::kSettingsKeyPath, Names::kPolicyKeyPath};

// In OfficeHost order.
inline constexpr std::array<HostSwitches, kOfficeHostCount> kHostSwitches{
    kHostSwitchesOf<PowerPointSwitchNames>, kHostSwitchesOf<WordSwitchNames>, kHostSwitchesOf<ExcelSwitchNames>};

// A value outside the enumeration is PowerPoint.
constexpr const HostSwitches& SwitchesOf(OfficeHost host) noexcept {
  const auto index = static_cast<std::size_t>(host);
  return kHostSwitches[index < kOfficeHostCount ? index : 0];
}

}  // namespace zorvane::settings
