#include "settings/display_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/host_switches.h"

namespace zorvane::settings {
namespace {

// No test in this program leaves the global changed, so this sees it as the DLL does at load.
TEST(DisplaySettingsRecordTest, GlobalStartsAllOffAndEmpty) {
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    EXPECT_EQ(DisplaySettings.switches[i], kHostFalse) << i;
    EXPECT_TRUE(DisplaySettings.storedTexts[i].empty()) << i;
  }
}

// PowerPoint's record is the global one; each host has its own, and an unknown host is PowerPoint.
TEST(DisplaySettingsRecordTest, EachHostHasItsOwnRecord) {
  EXPECT_EQ(&DisplaySettingsOf(OfficeHost::PowerPoint), &DisplaySettings);
  EXPECT_NE(&DisplaySettingsOf(OfficeHost::Word), &DisplaySettings);
  EXPECT_NE(&DisplaySettingsOf(OfficeHost::Excel), &DisplaySettings);
  EXPECT_NE(&DisplaySettingsOf(OfficeHost::Word), &DisplaySettingsOf(OfficeHost::Excel));
  EXPECT_EQ(&DisplaySettingsOf(static_cast<OfficeHost>(kOfficeHostCount)), &DisplaySettings);
}

// The names administrators and other programs rely on: each host's nine value names, in table
// order, and its keys; PowerPoint's are the constants it had when it was the only host.
TEST(DisplaySettingsNamesTest, EachHostsSwitchesAreItsTabsAndKeys) {
  struct Expected {
    OfficeHost host;
    std::vector<std::u16string_view> names;
    std::u16string_view settingsKey;
    std::u16string_view policyKey;
  };
  const Expected kExpected[] = {
      {OfficeHost::PowerPoint,
       {u"ShowAllMenu", u"TabHome", u"TabInsert", u"TabDesign", u"TabAnimations", u"TabSlideShow", u"TabReview",
        u"TabView", u"TabDeveloper"},
       u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint", u"SOFTWARE\\Policies\\Quelby\\PowerPoint"},
      {OfficeHost::Word,
       {u"ShowAllMenu", u"TabHome", u"TabInsert", u"TabPageLayoutWord", u"TabReferences", u"TabMailings",
        u"TabReviewWord", u"TabView", u"TabDeveloper"},
       u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Word", u"SOFTWARE\\Policies\\Quelby\\Word"},
      {OfficeHost::Excel,
       {u"ShowAllMenu", u"TabHome", u"TabInsert", u"TabPageLayoutExcel", u"TabFormulas", u"TabData", u"TabReview",
        u"TabView", u"TabDeveloper"},
       u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Excel", u"SOFTWARE\\Policies\\Quelby\\Excel"},
  };
  for (const Expected& expected : kExpected) {
    const HostSwitches& switches = SwitchesOf(expected.host);
    EXPECT_EQ(std::vector<std::u16string_view>(switches.names.begin(), switches.names.end()), expected.names);
    EXPECT_EQ(switches.settingsKeyPath, expected.settingsKey);
    EXPECT_EQ(switches.policyKeyPath, expected.policyKey);
  }
  const HostSwitches& powerPoint = SwitchesOf(OfficeHost::PowerPoint);
  EXPECT_EQ(powerPoint.names, kSwitchNames);
  EXPECT_EQ(powerPoint.settingsKeyPath, kSettingsKeyPath);
  EXPECT_EQ(powerPoint.policyKeyPath, kPolicyKeyPath);
  EXPECT_EQ(&SwitchesOf(static_cast<OfficeHost>(kOfficeHostCount)), &powerPoint);
}

TEST(SwitchFromTextTest, OnlyExactZeroIsOff) {
  EXPECT_EQ(SwitchFromText(u"0"), kHostFalse);
  for (const std::u16string_view text : {u"", u"1", u"2", u"00", u" 0", u"0 ", u"false", u"off", u"O"}) {
    EXPECT_EQ(SwitchFromText(text), kHostTrue) << std::string(text.begin(), text.end());
  }
  EXPECT_EQ(SwitchFromText(std::u16string_view(u"0\0", 2)), kHostTrue);
}

TEST(SwitchFromTextTest, WrittenTextsReadBackAsTheirSwitch) {
  EXPECT_EQ(std::u16string_view(TextFromSwitch(true)), u"1");
  EXPECT_EQ(std::u16string_view(TextFromSwitch(false)), u"0");
  EXPECT_EQ(SwitchFromText(TextFromSwitch(true)), kHostTrue);
  EXPECT_EQ(SwitchFromText(TextFromSwitch(false)), kHostFalse);
}

}  // namespace
}  // namespace zorvane::settings
