#include "settings/display_settings.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(DisplaySettingsNamesTest, NamesFollowTheTableOrder) {
  const std::u16string_view expected[] = {u"ShowAllMenu", u"TabHome",   u"TabInsert", u"TabDesign",   u"TabAnimations",
                                          u"TabSlideShow", u"TabReview", u"TabView",   u"TabDeveloper"};
  ASSERT_EQ(std::size(expected), kSwitchNames.size());
  for (std::size_t i = 0; i < kSwitchCount; ++i) EXPECT_EQ(kSwitchNames[i], expected[i]) << i;
}

TEST(DisplaySettingsNamesTest, KeyPathIsBelowSharedTools) {
  EXPECT_EQ(std::u16string_view(kSettingsKeyPath), u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint");
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
