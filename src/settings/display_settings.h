// The nine display switches: in memory as the one global record, and their registry names.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/heap_string.h"
#include "common/office_host.h"

namespace zorvane::settings {

// The host's 16-bit boolean (VARIANT_BOOL): true is -1, false is 0.
using HostBool = std::int16_t;
inline constexpr HostBool kHostTrue = -1;
inline constexpr HostBool kHostFalse = 0;

// Index of each switch in the record; the order is fixed (registry, dialog, visibility).
enum SwitchIndex : std::size_t {
  kShowAllMenu,
  kTabHome,
  kTabInsert,
  kTabDesign,
  kTabAnimations,
  kTabSlideShow,
  kTabReview,
  kTabView,
  kTabDeveloper,
  kSwitchCount
};

// Registry value names, one per switch. The eight tab switches carry the idMso of the
// built-in tab they govern, so the ribbon document uses these same names for the tabs.
namespace name {
inline constexpr char16_t kShowAllMenu[] = u"ShowAllMenu";
inline constexpr char16_t kTabHome[] = u"TabHome";
inline constexpr char16_t kTabInsert[] = u"TabInsert";
inline constexpr char16_t kTabDesign[] = u"TabDesign";
inline constexpr char16_t kTabAnimations[] = u"TabAnimations";
inline constexpr char16_t kTabSlideShow[] = u"TabSlideShow";
inline constexpr char16_t kTabReview[] = u"TabReview";
inline constexpr char16_t kTabView[] = u"TabView";
inline constexpr char16_t kTabDeveloper[] = u"TabDeveloper";
}  // namespace name

inline constexpr std::array<std::u16string_view, kSwitchCount> kSwitchNames = {
    name::kShowAllMenu,    name::kTabHome,      name::kTabInsert,
    name::kTabDesign,      name::kTabAnimations, name::kTabSlideShow,
    name::kTabReview,      name::kTabView,      name::kTabDeveloper};

// The key under HKEY_CURRENT_USER that holds the nine values; nothing else is stored there.
inline constexpr char16_t kSettingsKeyPath[] = u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint";

// The keys where an administrator's policy may set the nine values, under the same names and
// with the same texts: under HKEY_LOCAL_MACHINE (machine policy, which wins) and under
// HKEY_CURRENT_USER (user policy). The add-in only reads them.
inline constexpr char16_t kPolicyKeyPath[] = u"SOFTWARE\\Policies\\Quelby\\PowerPoint";

// The only two texts the add-in writes.
inline constexpr char16_t kTextOn[] = u"1";
inline constexpr char16_t kTextOff[] = u"0";

// What policy says of one switch: nothing (the user decides), or on or off, locked.
using PolicySetting = std::optional<bool>;
using PolicySettings = std::array<PolicySetting, kSwitchCount>;

struct DisplaySettingsRecord {
  std::array<HostBool, kSwitchCount> switches{};         // all false before the first load
  std::array<HeapU16String, kSwitchCount> storedTexts;  // the user's own texts of the last load
  PolicySettings policies{};                             // what policy set at the last load
};

// PowerPoint's process-wide record, which its visibility callback answers from.
extern DisplaySettingsRecord DisplaySettings;

// The process-wide record of `host` (PowerPoint's is DisplaySettings); every class of a host
// shares it. A value outside the enumeration is PowerPoint.
DisplaySettingsRecord& DisplaySettingsOf(OfficeHost host) noexcept;

// A stored text turns into a switch by one rule: off only for exactly "0".
constexpr HostBool SwitchFromText(std::u16string_view text) noexcept {
  return text == kTextOff ? kHostFalse : kHostTrue;
}

constexpr const char16_t* TextFromSwitch(bool on) noexcept { return on ? kTextOn : kTextOff; }

}  // namespace zorvane::settings
