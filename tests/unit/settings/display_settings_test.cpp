#include "settings/display_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/host_switches.h"
#include "portable/switch_names.h"

namespace zorvane::settings {
namespace {

// No test in this program leaves the global changed, so this sees it as the DLL does at load.
TEST(DisplaySettingsRecordTest, GlobalStartsAllOffAndEmpty) {
  for (std::size_t i = 0; i < kMaxSwitchCount; ++i) {
    EXPECT_EQ(DisplaySettings.switches[i], kHostFalse) << i;
    EXPECT_TRUE(DisplaySettings.storedTexts[i].empty()) << i;
  }
}

// PowerPoint's record is the global one; each host has its own.
TEST(DisplaySettingsRecordTest, EachHostHasItsOwnRecord) {
  EXPECT_EQ(&DisplaySettingsOf(OfficeHost::PowerPoint), &DisplaySettings);
  EXPECT_NE(&DisplaySettingsOf(OfficeHost::Word), &DisplaySettings);
  EXPECT_NE(&DisplaySettingsOf(OfficeHost::Excel), &DisplaySettings);
  EXPECT_NE(&DisplaySettingsOf(OfficeHost::Word), &DisplaySettingsOf(OfficeHost::Excel));
}

// The names administrators and other programs rely on: each host's value names, in switch
// order, with the first version that has each, and its keys. 2007 has the nine names each host
// had before versions were told apart.
TEST(DisplaySettingsNamesTest, EachHostsSwitchesAreItsTabsVersionsAndKeys) {
  using enum OfficeVersion;
  struct Name {
    std::u16string_view name;
    OfficeVersion since = k2007;
  };
  struct Expected {
    OfficeHost host;
    std::vector<Name> names;
    std::u16string_view settingsKey;
    std::u16string_view policyKey;
  };
  const Expected kExpected[] = {
      {OfficeHost::PowerPoint,
       {{u"ShowAllMenu"}, {u"TabHome"}, {u"TabInsert"}, {u"TabDrawInk", k2019}, {u"TabDesign"},
        {u"TabTransitions", k2010}, {u"TabAnimations"}, {u"TabSlideShow"}, {u"TabRecording", k2019}, {u"TabReview"},
        {u"TabView"}, {u"TabDeveloper"}, {u"HelpTab", k2019}},
       u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint", u"SOFTWARE\\Policies\\Quelby\\PowerPoint"},
      {OfficeHost::Word,
       {{u"ShowAllMenu"}, {u"TabHome"}, {u"TabInsert"}, {u"TabDrawInk", k2019}, {u"TabWordDesign", k2013},
        {u"TabPageLayoutWord"}, {u"TabReferences"}, {u"TabMailings"}, {u"TabReviewWord"}, {u"TabView"},
        {u"TabDeveloper"}, {u"HelpTab", k2019}},
       u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Word", u"SOFTWARE\\Policies\\Quelby\\Word"},
      {OfficeHost::Excel,
       {{u"ShowAllMenu"}, {u"TabHome"}, {u"TabInsert"}, {u"TabDrawInk", k2019}, {u"TabPageLayoutExcel"},
        {u"TabFormulas"}, {u"TabData"}, {u"TabReview"}, {u"TabView"}, {u"TabDeveloper"}, {u"HelpTab", k2019}},
       u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Excel", u"SOFTWARE\\Policies\\Quelby\\Excel"},
  };
  for (const Expected& expected : kExpected) {
    const HostSwitches& switches = SwitchesOf(expected.host);
    EXPECT_EQ(switches.host, expected.host);
    EXPECT_EQ(switches.settingsKeyPath, expected.settingsKey);
    EXPECT_EQ(switches.policyKeyPath, expected.policyKey);
    for (const OfficeVersion version : zorvane::testing::kAllVersions) {
      std::vector<std::u16string_view> names;
      for (const Name& name : expected.names) {
        if (name.since <= version) names.push_back(name.name);
      }
      EXPECT_EQ(zorvane::testing::SwitchNamesIn(expected.host, version), names) << static_cast<int>(version);
    }
    EXPECT_EQ(zorvane::testing::SwitchNamesIn(expected.host, k2007).size(), 9u);
  }
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
