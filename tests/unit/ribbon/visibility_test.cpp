#include "ribbon/visibility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
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

TEST(VisibilityTest, EachHostKnowsTheCombinedMenuItsGapAndEveryTabSwitch) {
  for (const OfficeHost host : kAllHosts) {
    const std::span<const std::u16string_view> ids = VisibilityIds(host);
    const std::set<std::u16string_view> known(ids.begin(), ids.end());
    const std::vector<std::u16string_view> names = SwitchNames(host);
    EXPECT_EQ(ids.size(), names.size() + 1);
    EXPECT_EQ(known.size(), ids.size());
    EXPECT_TRUE(known.contains(id::kMenuAll));
    EXPECT_TRUE(known.contains(id::kLabelAll));
    // Each tab switch is named after the tab it governs.
    for (std::size_t k = 1; k < names.size(); ++k) EXPECT_TRUE(known.contains(names[k])) << ToUtf8(names[k]);
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

TEST(VisibilityTest, EachTabReadsItsOwnSwitchOnly) {
  for (const OfficeHost host : kAllHosts) {
    const std::vector<std::u16string_view> names = SwitchNames(host);
    for (std::size_t off = 1; off < names.size(); ++off) {
      DisplaySettingsRecord record = AllSwitches(kHostTrue);
      record.switches[off] = kHostFalse;
      for (std::size_t tab = 1; tab < names.size(); ++tab) {
        EXPECT_EQ(ControlVisibility(host, names[tab], record), tab == off ? kHostFalse : kHostTrue)
            << ToUtf8(names[tab]) << " with switch " << off << " off";
      }
      EXPECT_EQ(ControlVisibility(host, u"MenuAll", record), kHostTrue);
    }
  }
}

// A tab of another host is no tab of this one.
TEST(VisibilityTest, OtherHostsTabsAreHidden) {
  const DisplaySettingsRecord on = AllSwitches(kHostTrue);
  for (const OfficeHost host : kAllHosts) {
    const std::vector<std::u16string_view> own = SwitchNames(host);
    for (const OfficeHost other : kAllHosts) {
      for (std::u16string_view tab : SwitchNames(other)) {
        const bool mine = std::find(own.begin() + 1, own.end(), tab) != own.end();
        EXPECT_EQ(ControlVisibility(host, tab, on), mine ? kHostTrue : kHostFalse) << ToUtf8(tab);
      }
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
