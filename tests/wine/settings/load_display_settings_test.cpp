// LoadDisplaySettings against the real settings key of the current user.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>
#include <string>
#include <utility>

#include "support/registry_test_support.h"
#include "settings/advapi32_registry_store.h"
#include "settings/display_settings.h"
#include "settings/host_switches.h"

namespace zorvane::settings {
namespace {

using testing::Bytes;
using testing::ReadStoredValue;
using testing::StoredString;
using testing::StoredValue;

const std::string kKeyPath = "SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint";
// Removed as a whole, so that a load also has the keys above the settings key to create.
const std::string kOwnTree = "SOFTWARE\\Microsoft\\Shared Tools\\Quelby";

// PowerPoint 2007's switches, which these loads read, by their index in the record.
const HostSwitches& kPowerPoint = SwitchesOf(OfficeHost::PowerPoint);
const SwitchList k2007(kPowerPoint, OfficeVersion::k2007);

std::string NameOf(std::size_t index) {
  const std::u16string_view name = kPowerPoint.Name(index);
  return std::string(name.begin(), name.end());
}

std::size_t IndexOf(std::u16string_view name) {
  for (std::size_t i = 0; i < kPowerPoint.Count(); ++i) {
    if (kPowerPoint.Name(i) == name) return i;
  }
  ADD_FAILURE() << "no switch of that name";
  return 0;
}
const std::size_t kTabHome = IndexOf(u"TabHome");
const std::size_t kTabInsert = IndexOf(u"TabInsert");
const std::size_t kTabDesign = IndexOf(u"TabDesign");
const std::size_t kTabAnimations = IndexOf(u"TabAnimations");
const std::size_t kTabSlideShow = IndexOf(u"TabSlideShow");
const std::size_t kTabReview = IndexOf(u"TabReview");
const std::size_t kTabView = IndexOf(u"TabView");
const std::size_t kTabDeveloper = IndexOf(u"TabDeveloper");

void Load() { LoadDisplaySettings(OfficeHost::PowerPoint, OfficeVersion::k2007); }

class RegistryLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(testing::Wide(kKeyPath), kPowerPoint.settingsKeyPath);
    saved_ = std::move(DisplaySettings);
    testing::DeleteKeyTree(kOwnTree);
  }
  void TearDown() override {
    testing::DeleteKeyTree(kOwnTree);
    DisplaySettings = std::move(saved_);
  }

  void SetSetting(std::size_t index, DWORD type, const Bytes& data) {
    const UniqueHkey key = testing::CreateKey(kKeyPath);
    testing::SetRawValue(key.get(), NameOf(index).c_str(), type, data);
  }

  std::optional<StoredValue> Stored(std::size_t index) const { return ReadStoredValue(kKeyPath, NameOf(index).c_str()); }

 private:
  DisplaySettingsRecord saved_;
};

TEST_F(RegistryLoadTest, FirstLoadCreatesTheKeyWithNineDefaults) {
  DisplaySettings = {};

  Load();

  EXPECT_EQ(testing::ValueCount(kKeyPath), k2007.size()) << "the key holds the nine values only";
  for (const std::size_t i : k2007) {
    EXPECT_EQ(Stored(i), StoredString(u"1")) << NameOf(i);
    EXPECT_EQ(DisplaySettings.switches[i], kHostTrue) << NameOf(i);
    EXPECT_EQ(DisplaySettings.storedTexts[i], u"") << NameOf(i);
  }
}

TEST_F(RegistryLoadTest, TabReviewOffIsKeptAndTheOthersDefaulted) {
  SetSetting(kTabReview, REG_SZ, Bytes{'0', 0});

  Load();

  for (const std::size_t i : k2007) {
    const bool review = i == kTabReview;
    EXPECT_EQ(Stored(i), StoredString(review ? u"0" : u"1")) << NameOf(i);
    EXPECT_EQ(DisplaySettings.switches[i], review ? kHostFalse : kHostTrue) << NameOf(i);
    EXPECT_EQ(DisplaySettings.storedTexts[i], review ? u"0" : u"") << NameOf(i);
  }
}

// Each value read by its type in one load: "0" without a terminator is off and kept; an empty
// string, with a terminator or none, and a DWORD are replaced by the string "1"; binary values
// read as numbers and are kept.
TEST_F(RegistryLoadTest, EachValueIsReadByItsType) {
  SetSetting(kTabView, REG_SZ, Bytes{'0'});
  const std::optional<StoredValue> unterminated = Stored(kTabView);
  SetSetting(kTabInsert, REG_SZ, Bytes{});
  SetSetting(kTabDesign, REG_SZ, Bytes{0});
  SetSetting(kTabHome, REG_DWORD, Bytes{0, 0, 0, 0});
  SetSetting(kTabAnimations, REG_BINARY, Bytes{0x05});
  SetSetting(kTabSlideShow, REG_BINARY, Bytes{0x00, 0x00});

  Load();

  EXPECT_EQ(DisplaySettings.switches[kTabView], kHostFalse);
  EXPECT_EQ(DisplaySettings.storedTexts[kTabView], u"0");
  EXPECT_EQ(Stored(kTabView), unterminated);
  for (const std::size_t i : {kTabInsert, kTabDesign, kTabHome}) {
    EXPECT_EQ(Stored(i), StoredString(u"1")) << NameOf(i);
    EXPECT_EQ(DisplaySettings.switches[i], kHostTrue) << NameOf(i);
    EXPECT_EQ(DisplaySettings.storedTexts[i], u"") << NameOf(i);
  }
  EXPECT_EQ(Stored(kTabAnimations), (StoredValue{REG_BINARY, Bytes{0x05}}));
  EXPECT_EQ(DisplaySettings.storedTexts[kTabAnimations], u"5");
  EXPECT_EQ(DisplaySettings.switches[kTabAnimations], kHostTrue);
  EXPECT_EQ(Stored(kTabSlideShow), (StoredValue{REG_BINARY, Bytes{0x00, 0x00}}));
  EXPECT_EQ(DisplaySettings.storedTexts[kTabSlideShow], u"0");
  EXPECT_EQ(DisplaySettings.switches[kTabSlideShow], kHostFalse);
}

TEST_F(RegistryLoadTest, EachLoadReadsTheRegistryAgain) {
  Load();
  ASSERT_EQ(DisplaySettings.switches[kTabDeveloper], kHostTrue);

  // Another process turns a tab off between two loads.
  SetSetting(kTabDeveloper, REG_SZ, Bytes{'0', 0});
  Load();

  EXPECT_EQ(DisplaySettings.switches[kTabDeveloper], kHostFalse);
  EXPECT_EQ(DisplaySettings.storedTexts[kTabDeveloper], u"0");
  EXPECT_EQ(DisplaySettings.storedTexts[kTabHome], u"1") << "written by the first load, read by the second";
}

// A key that cannot be read, whether it can be written (set-value granted without query-value)
// or not at all: every value is unknown, kept as the user left it, and its switch shows.
TEST_F(RegistryLoadTest, KeyThatCannotBeReadKeepsEveryValueAndTurnsAllOn) {
  for (const REGSAM granted : {REGSAM{0}, REGSAM{KEY_SET_VALUE}}) {
    SCOPED_TRACE(::testing::Message() << "granted " << granted);
    for (const std::size_t i : k2007) SetSetting(i, REG_SZ, Bytes{'0', 0});
    DisplaySettings = {};
    {
      const testing::DenyAllAccess lock(kKeyPath, granted);
      ASSERT_TRUE(lock.active());

      Load();
    }

    for (const std::size_t i : k2007) {
      EXPECT_EQ(DisplaySettings.switches[i], kHostTrue) << NameOf(i);
      EXPECT_EQ(DisplaySettings.storedTexts[i], u"") << NameOf(i);
      EXPECT_EQ(Stored(i), StoredString(u"0")) << NameOf(i);
    }
    EXPECT_EQ(testing::ValueCount(kKeyPath), k2007.size());
  }
}

TEST_F(RegistryLoadTest, StoreOfTheCurrentUserWorksOnTheSameKey) {
  CurrentUserRegistryStore store;
  EXPECT_TRUE(store.SaveSettingText(kPowerPoint.settingsKeyPath, kShowAllMenuName, u"0"));

  EXPECT_EQ(Stored(kShowAllMenu), StoredString(u"0"));
  EXPECT_EQ(store.GetSettingText(kPowerPoint.settingsKeyPath, kShowAllMenuName), u"0");

  LoadDisplaySettingsFrom(store, OfficeHost::PowerPoint, OfficeVersion::k2007, DisplaySettings);
  EXPECT_EQ(DisplaySettings.switches[kShowAllMenu], kHostFalse);
}

}  // namespace
}  // namespace zorvane::settings
