#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <new>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "fake_registry_store.h"
#include "portable/switch_names.h"
#include "settings/display_settings.h"
#include "settings/host_switches.h"
#include "settings/registry_store.h"

namespace zorvane::settings {
namespace {

using testing::FakeRegistryStore;
using testing::StoreCall;

// Positions in the switches of the version loaded: the combined menu's, then the tabs'. Every
// version has at least the nine of 2007, so each position names a switch in every run.
enum Position : std::size_t { kAll, kTab1, kTab2, kTab3, kTab4, kTab5, kTab6, kTab7, kTab8 };

struct HostVersion {
  OfficeHost host;
  OfficeVersion version;
};

// A store and a record for the loads of one version of one host (PowerPoint 2007 unless told).
// Tests speak of positions; the record is indexed by the host's switch at that position.
class LoadFixture : public ::testing::Test {
 protected:
  explicit LoadFixture(HostVersion loaded = {OfficeHost::PowerPoint, OfficeVersion::k2007})
      : host(loaded.host), version(loaded.version), present(SwitchesIn(host, version)) {}
  std::size_t Count() const { return present.size(); }
  std::u16string Path() const { return std::u16string(SwitchesOf(host).settingsKeyPath); }
  std::u16string NameOf(std::size_t position) const { return std::u16string(SwitchesOf(host).Name(present[position])); }
  HostBool SwitchAt(std::size_t position) const { return record.switches[present[position]]; }
  const HeapU16String& TextAt(std::size_t position) const { return record.storedTexts[present[position]]; }

  // The calls of one load: a read per switch in order, then a "1" for each listed position.
  std::vector<StoreCall> LoadCalls(const std::vector<std::size_t>& written) const {
    std::vector<StoreCall> calls;
    for (std::size_t i = 0; i < Count(); ++i) calls.push_back({StoreCall::kGet, Path(), NameOf(i), {}});
    for (const std::size_t i : written) calls.push_back({StoreCall::kSave, Path(), NameOf(i), u"1"});
    return calls;
  }

  std::vector<std::size_t> AllPositionsBut(std::vector<std::size_t> skipped) const {
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < Count(); ++i) {
      if (std::find(skipped.begin(), skipped.end(), i) == skipped.end()) positions.push_back(i);
    }
    return positions;
  }

  void PutSetting(std::size_t position, std::u16string_view text) { store.Put(Path(), NameOf(position), text); }
  std::u16string StoredSetting(std::size_t position) const { return store.values.at({Path(), NameOf(position)}); }
  void Load() { LoadDisplaySettingsFrom(store, host, version, record); }

  const OfficeHost host;
  const OfficeVersion version;
  const SwitchList present;
  FakeRegistryStore store;
  DisplaySettingsRecord record;
};

// The loader's tests run for every host and version: only the key and the value names differ.
class LoadDisplaySettingsTest : public LoadFixture, public ::testing::WithParamInterface<HostVersion> {
 protected:
  LoadDisplaySettingsTest() : LoadFixture(GetParam()) {}
};

// --- first use and missing values --------------------------------------------------------

// The key then holds exactly the version's values; the switches it lacks stay off in memory.
TEST_P(LoadDisplaySettingsTest, EmptyKeyWritesTheVersionsDefaultsAndTurnsThemOn) {
  Load();

  EXPECT_EQ(store.calls, LoadCalls(AllPositionsBut({})));
  ASSERT_EQ(store.values.size(), Count());
  for (std::size_t i = 0; i < Count(); ++i) {
    EXPECT_EQ(StoredSetting(i), u"1") << i;
    EXPECT_EQ(SwitchAt(i), kHostTrue) << i;
    // Only the registry receives the default; the record keeps what was read.
    EXPECT_EQ(TextAt(i), u"") << i;
  }
  for (std::size_t index = 0; index < kMaxSwitchCount; ++index) {
    if (std::find(present.begin(), present.end(), index) == present.end()) {
      EXPECT_EQ(record.switches[index], kHostFalse) << index;
    }
  }
}

TEST_P(LoadDisplaySettingsTest, OnlyOneOffWritesTheOthersAndKeepsItOff) {
  PutSetting(kTab6, u"0");

  Load();

  EXPECT_EQ(store.calls, LoadCalls(AllPositionsBut({kTab6})));
  EXPECT_EQ(StoredSetting(kTab6), u"0");
  for (std::size_t i = 0; i < Count(); ++i) {
    if (i == kTab6) {
      EXPECT_EQ(SwitchAt(i), kHostFalse);
      EXPECT_EQ(TextAt(i), u"0");
    } else {
      EXPECT_EQ(StoredSetting(i), u"1") << i;
      EXPECT_EQ(SwitchAt(i), kHostTrue) << i;
      EXPECT_EQ(TextAt(i), u"") << i;
    }
  }
}

TEST_P(LoadDisplaySettingsTest, ExistingEmptyValueIsRewrittenWithOne) {
  for (std::size_t i = 0; i < Count(); ++i) PutSetting(i, u"0");
  PutSetting(kTab1, u"");

  Load();

  EXPECT_EQ(store.calls, LoadCalls({kTab1}));
  EXPECT_EQ(StoredSetting(kTab1), u"1");
  EXPECT_EQ(SwitchAt(kTab1), kHostTrue);
  EXPECT_EQ(TextAt(kTab1), u"");
  EXPECT_EQ(SwitchAt(kTab2), kHostFalse);
}

TEST_P(LoadDisplaySettingsTest, EveryReadComesBeforeAnyWrite) {
  // Missing values scattered through the table, including the first and the last.
  for (const std::size_t i : {kTab1, kTab3, kTab5, kTab7}) PutSetting(i, u"1");

  Load();

  EXPECT_EQ(store.calls, LoadCalls(AllPositionsBut({kTab1, kTab3, kTab5, kTab7})));
}

// --- from text to switch -------------------------------------------------------------------

struct TextCase {
  std::u16string text;
  HostBool expected;
  const char* label;
};

void PrintTo(const TextCase& textCase, std::ostream* out) { *out << textCase.label; }

// The texts' rule is the same for every host: PowerPoint's key stands for all.
class LoadDisplaySettingsTextTest : public LoadFixture, public ::testing::WithParamInterface<TextCase> {};

TEST_P(LoadDisplaySettingsTextTest, StoredTextDecidesEverySwitchAndIsKept) {
  const TextCase& param = GetParam();
  for (std::size_t i = 0; i < Count(); ++i) PutSetting(i, param.text);

  Load();

  EXPECT_EQ(store.calls.size(), Count()) << "a non-empty text is never rewritten";
  for (const StoreCall& call : store.calls) EXPECT_EQ(call.kind, StoreCall::kGet);
  for (std::size_t i = 0; i < Count(); ++i) {
    EXPECT_EQ(SwitchAt(i), param.expected) << i;
    EXPECT_EQ(TextAt(i), param.text) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LoadDisplaySettingsTextTest,
    ::testing::Values(TextCase{u"0", kHostFalse, "Zero"}, TextCase{u"1", kHostTrue, "One"},
                      TextCase{u"2", kHostTrue, "Two"}, TextCase{u"00", kHostTrue, "DoubleZero"},
                      TextCase{u" 0", kHostTrue, "BlankThenZero"}, TextCase{u"0 ", kHostTrue, "ZeroThenBlank"},
                      TextCase{u" ", kHostTrue, "Blank"}, TextCase{u"false", kHostTrue, "False"},
                      TextCase{u"off", kHostTrue, "Off"}, TextCase{u"\uFF10", kHostTrue, "FullwidthZero"},
                      TextCase{std::u16string(u"0\0", 2), kHostTrue, "ZeroThenNul"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.label); });

// --- failures ---------------------------------------------------------------------------------

// A key that lets nothing be read (access denied) holds values whose texts are unknown: the
// user's choices are never written over, and every switch shows for this load.
TEST_P(LoadDisplaySettingsTest, KeyThatCannotBeReadKeepsEveryValueAndTurnsAllOn) {
  for (std::size_t i = 0; i < Count(); ++i) PutSetting(i, u"0");
  const FakeRegistryStore::Values before = store.values;
  store.denied = true;

  Load();

  EXPECT_EQ(store.calls, LoadCalls({}));
  EXPECT_EQ(store.values, before);
  for (std::size_t i = 0; i < Count(); ++i) {
    EXPECT_EQ(SwitchAt(i), kHostTrue) << i;
    EXPECT_EQ(TextAt(i), u"") << i;
  }
}

TEST_P(LoadDisplaySettingsTest, ValueThatCouldNotBeReadIsNeverWrittenAndShowsForThisLoad) {
  PutSetting(kTab6, u"0");
  store.unreadable = {NameOf(kTab6), NameOf(kTab7)};

  Load();

  // The missing values still get their default; the two unread ones, present or not, do not.
  EXPECT_EQ(store.calls, LoadCalls(AllPositionsBut({kTab6, kTab7})));
  EXPECT_EQ(StoredSetting(kTab6), u"0");
  EXPECT_FALSE(store.values.contains({Path(), NameOf(kTab7)}));
  EXPECT_EQ(SwitchAt(kTab6), kHostTrue);
  EXPECT_EQ(TextAt(kTab6), u"");
}

class ThrowingStore final : public RegistryStore {
 public:
  explicit ThrowingStore(int readsBeforeThrow) : readsLeft_(readsBeforeThrow) {}
  std::optional<HeapU16String> GetSettingText(std::u16string_view, std::u16string_view) override {
    if (readsLeft_-- == 0) throw std::bad_alloc();
    return MakeHeapString<char16_t>(u"0");
  }
  bool SaveSettingText(std::u16string_view, std::u16string_view, std::u16string_view) override { return true; }

 private:
  int readsLeft_;
};

TEST_P(LoadDisplaySettingsTest, StoreThatThrowsLeavesTheRecordAsItWas) {
  record.switches.fill(kHostTrue);
  for (HeapU16String& text : record.storedTexts) ASSERT_TRUE(text.Assign(u"earlier"));
  ThrowingStore throwing(4);

  EXPECT_THROW(LoadDisplaySettingsFrom(throwing, host, version, record), std::bad_alloc);

  for (std::size_t i = 0; i < Count(); ++i) {
    EXPECT_EQ(SwitchAt(i), kHostTrue) << i;
    EXPECT_EQ(TextAt(i), u"earlier") << i;
  }
}

// --- reloading ----------------------------------------------------------------------------------

TEST_P(LoadDisplaySettingsTest, SecondLoadRebuildsTheWholeRecord) {
  PutSetting(kTab1, u"0");
  PutSetting(kTab7, u"custom");
  Load();
  ASSERT_EQ(SwitchAt(kTab1), kHostFalse);
  ASSERT_EQ(TextAt(kTab7), u"custom");

  // Another process changes the key between the two loads.
  PutSetting(kTab1, u"1");
  store.values.erase({Path(), NameOf(kTab7)});
  PutSetting(kTab8, u"0");
  store.calls.clear();

  Load();

  EXPECT_EQ(store.calls, LoadCalls({kTab7}));
  for (std::size_t i = 0; i < Count(); ++i) {
    // The first load wrote "1" for every value it found missing.
    const std::u16string expectedText = i == kTab8 ? u"0" : i == kTab7 ? u"" : u"1";
    EXPECT_EQ(TextAt(i), expectedText) << i;
    EXPECT_EQ(SwitchAt(i), i == kTab8 ? kHostFalse : kHostTrue) << i;
  }
}

// Office upgraded: the next start adds the new tabs' values, on, and keeps the user's choices.
TEST(LoadDisplaySettingsUpgradeTest, NewTabsAreAddedOnAndEarlierChoicesKept) {
  for (const OfficeHost host : {OfficeHost::PowerPoint, OfficeHost::Word, OfficeHost::Excel}) {
    const HostSwitches& switches = SwitchesOf(host);
    FakeRegistryStore store;
    DisplaySettingsRecord record;
    LoadDisplaySettingsFrom(store, host, OfficeVersion::k2007, record);
    store.Put(switches.settingsKeyPath, kHomeTabName, u"0");

    LoadDisplaySettingsFrom(store, host, OfficeVersion::k2019, record);

    const std::vector<std::u16string_view> names = zorvane::testing::SwitchNamesIn(host, OfficeVersion::k2019);
    ASSERT_EQ(store.values.size(), names.size());
    for (const std::u16string_view name : names) {
      const std::u16string text = store.values.at({std::u16string(switches.settingsKeyPath), std::u16string(name)});
      EXPECT_EQ(text, name == kHomeTabName ? u"0" : u"1") << std::string(name.begin(), name.end());
    }
  }
}

std::string RunName(const ::testing::TestParamInfo<HostVersion>& info) {
  constexpr int kYears[] = {2007, 2010, 2013, 2016, 2019};
  const std::u16string_view name = NamesOf(info.param.host).name;
  return std::string(name.begin(), name.end()) + std::to_string(kYears[static_cast<int>(info.param.version)]);  // ASCII
}

// Every host, in 2007 and in a version with more tabs.
INSTANTIATE_TEST_SUITE_P(Hosts, LoadDisplaySettingsTest,
                         ::testing::Values(HostVersion{OfficeHost::PowerPoint, OfficeVersion::k2007},
                                           HostVersion{OfficeHost::Word, OfficeVersion::k2007},
                                           HostVersion{OfficeHost::Excel, OfficeVersion::k2007},
                                           HostVersion{OfficeHost::PowerPoint, OfficeVersion::k2019},
                                           HostVersion{OfficeHost::Word, OfficeVersion::k2013},
                                           HostVersion{OfficeHost::Excel, OfficeVersion::k2019}),
                         RunName);

}  // namespace
}  // namespace zorvane::settings
