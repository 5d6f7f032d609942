#include "ribbon/visibility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <string_view>

#include "ribbon/ribbon_names.h"
#include "settings/display_settings.h"
#include "settings/host_switches.h"
#include "xml_support.h"

namespace zorvane::ribbon {
namespace {

using settings::DisplaySettingsRecord;
using settings::HostBool;
using settings::kHostFalse;
using settings::kHostTrue;
using namespace std::string_view_literals;
using testing::kAllHosts;
constexpr OfficeHost kPowerPoint = OfficeHost::PowerPoint;

DisplaySettingsRecord AllSwitches(HostBool value) {
  DisplaySettingsRecord record;
  record.switches.fill(value);
  return record;
}

// A host's switches of every version, by index; the first is the combined menu's.
std::vector<std::u16string_view> SwitchNames(OfficeHost host) {
  return zorvane::testing::SwitchNamesIn(host, OfficeVersion::k2019);
}

// Each tab of the host in any version and window, with the index of the switch that governs it.
std::vector<std::pair<std::u16string_view, std::size_t>> GovernedTabs(OfficeHost host) {
  std::vector<std::pair<std::u16string_view, std::size_t>> tabs;
  const settings::HostSwitches& switches = settings::SwitchesOf(host);
  for (std::size_t k = 0; k < switches.tabs.size(); ++k) {
    for (const settings::GovernedTab& tab : switches.tabs[k].Governed()) tabs.emplace_back(tab.idMso, k + 1);
  }
  return tabs;
}

TEST(VisibilityTest, EachHostKnowsTheCombinedMenuItsGapAndEveryTabSwitch) {
  for (const OfficeHost host : kAllHosts) {
    const std::span<const std::u16string_view> ids = VisibilityIds(host);
    const std::set<std::u16string_view> known(ids.begin(), ids.end());
    const auto tabs = GovernedTabs(host);
    EXPECT_EQ(ids.size(), tabs.size() + 2);
    EXPECT_EQ(known.size(), ids.size());
    EXPECT_TRUE(known.contains(id::kMenuAll));
    EXPECT_TRUE(known.contains(id::kLabelAll));
    for (const auto& [tab, governedBy] : tabs) EXPECT_TRUE(known.contains(tab)) << ToUtf8(tab);
    const DisplaySettingsRecord on = AllSwitches(kHostTrue);
    for (std::u16string_view id : ids) EXPECT_EQ(ControlVisibility(host, id, on), kHostTrue) << ToUtf8(id);
  }
}

TEST(VisibilityTest, CombinedMenuAndItsGapFollowShowAllMenuTogether) {
  for (const OfficeHost host : kAllHosts) {
    for (const HostBool value : {kHostTrue, kHostFalse}) {
      DisplaySettingsRecord record = AllSwitches(value == kHostTrue ? kHostFalse : kHostTrue);
      record.switches[settings::kShowAllMenu] = value;
      EXPECT_EQ(ControlVisibility(host, u"MenuAll", record), value);
      EXPECT_EQ(ControlVisibility(host, u"rxlableAll", record), value);
    }
  }
}

// One switch may govern several tabs (Outlook's Home tab of each module); each tab reads it only.
TEST(VisibilityTest, EachTabReadsItsOwnSwitchOnly) {
  for (const OfficeHost host : kAllHosts) {
    const auto tabs = GovernedTabs(host);
    for (std::size_t off = 1; off < settings::SwitchesOf(host).Count(); ++off) {
      DisplaySettingsRecord record = AllSwitches(kHostTrue);
      record.switches[off] = kHostFalse;
      for (const auto& [tab, governedBy] : tabs) {
        EXPECT_EQ(ControlVisibility(host, tab, record), governedBy == off ? kHostFalse : kHostTrue)
            << ToUtf8(tab) << " with switch " << off << " off";
      }
      EXPECT_EQ(ControlVisibility(host, u"MenuAll", record), kHostTrue);
    }
  }
}

// A tab of another host is no tab of this one.
TEST(VisibilityTest, OtherHostsTabsAreHidden) {
  const DisplaySettingsRecord on = AllSwitches(kHostTrue);
  for (const OfficeHost host : kAllHosts) {
    const auto own = GovernedTabs(host);
    for (const OfficeHost other : kAllHosts) {
      for (const auto& [tab, governedBy] : GovernedTabs(other)) {
        const bool mine = std::ranges::any_of(own, [&](const auto& entry) { return entry.first == tab; });
        EXPECT_EQ(ControlVisibility(host, tab, on), mine ? kHostTrue : kHostFalse) << ToUtf8(tab);
      }
    }
    // A concept's name is no tab: Outlook's TabHome governs the modules' Home tabs.
    if (host == OfficeHost::Outlook) {
      EXPECT_EQ(ControlVisibility(host, settings::kHomeTabName, on), kHostFalse);
    }
  }
}

// The stored value is passed through unchanged, read from the record as it is at each call.
TEST(VisibilityTest, StoredValueIsPassedThroughUnchangedAsItIsNow) {
  DisplaySettingsRecord record;
  for (std::size_t k = 0; k < settings::kMaxSwitchCount; ++k) record.switches[k] = static_cast<HostBool>(100 + k);
  EXPECT_EQ(ControlVisibility(kPowerPoint, u"MenuAll", record), 100);
  EXPECT_EQ(ControlVisibility(kPowerPoint, u"rxlableAll", record), 100);
  const std::vector<std::u16string_view> names = SwitchNames(kPowerPoint);
  for (std::size_t k = 1; k < names.size(); ++k) {
    EXPECT_EQ(ControlVisibility(kPowerPoint, names[k], record), static_cast<HostBool>(100 + k));
  }
  for (const HostBool value : {kHostFalse, kHostTrue}) {
    record.switches[5] = value;  // PowerPoint's Transitions tab
    EXPECT_EQ(ControlVisibility(kPowerPoint, u"TabTransitions", record), value);
  }
}

TEST(VisibilityTest, NearMissAndUnknownIdsAreHidden) {
  const DisplaySettingsRecord on = AllSwitches(kHostTrue);
  for (const std::u16string_view id :
       {u"tabhome"sv, u"TABHOME"sv, u"TabHome "sv, u" TabHome"sv, u"TabHom"sv, u"TabHome\0"sv, u"menuall"sv,
        u"MenuAll "sv, u"rxlableall"sv, u"rxlabelAll"sv, u"rxlable1"sv, u"rxMenu_wenjianI"sv, u"ShowAllMenu"sv,
        u"rxWordVBA"sv, u""sv}) {
    EXPECT_EQ(ControlVisibility(kPowerPoint, id, on), kHostFalse) << ToUtf8(id) << " (" << id.size() << " units)";
  }
}

}  // namespace
}  // namespace zorvane::ribbon
