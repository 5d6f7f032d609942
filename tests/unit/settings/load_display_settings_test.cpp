#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <new>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "fake_registry_store.h"
#include "settings/display_settings.h"
#include "settings/host_switches.h"
#include "settings/registry_store.h"

namespace zorvane::settings {
namespace {

using testing::FakeRegistryStore;
using testing::StoreCall;

// A store and a record for one host's loads (PowerPoint's unless told).
class LoadFixture : public ::testing::Test {
 protected:
  explicit LoadFixture(OfficeHost loaded = OfficeHost::PowerPoint) : host(loaded) {}
  std::u16string Path() const { return std::u16string(SwitchesOf(host).settingsKeyPath); }
  std::u16string NameOf(std::size_t index) const { return std::u16string(SwitchesOf(host).names[index]); }

  // The calls of one load: the nine reads in table order, then a "1" for each listed index.
  std::vector<StoreCall> LoadCalls(const std::vector<std::size_t>& written) const {
    std::vector<StoreCall> calls;
    for (std::size_t i = 0; i < kSwitchCount; ++i) calls.push_back({StoreCall::kGet, Path(), NameOf(i), {}});
    for (const std::size_t i : written) calls.push_back({StoreCall::kSave, Path(), NameOf(i), u"1"});
    return calls;
  }

  void PutSetting(std::size_t index, std::u16string_view text) { store.Put(Path(), NameOf(index), text); }
  std::u16string StoredSetting(std::size_t index) const { return store.values.at({Path(), NameOf(index)}); }
  void Load() { LoadDisplaySettingsFrom(store, host, record); }

  const OfficeHost host;
  FakeRegistryStore store;
  DisplaySettingsRecord record;
};

// The loader's tests run for every host: only its key and value names differ.
class LoadDisplaySettingsTest : public LoadFixture, public ::testing::WithParamInterface<OfficeHost> {
 protected:
  LoadDisplaySettingsTest() : LoadFixture(GetParam()) {}
};

std::vector<std::size_t> AllIndicesBut(std::vector<std::size_t> skipped) {
  std::vector<std::size_t> indices;
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    if (std::find(skipped.begin(), skipped.end(), i) == skipped.end()) indices.push_back(i);
  }
  return indices;
}

// --- first use and missing values --------------------------------------------------------

TEST_P(LoadDisplaySettingsTest, EmptyKeyWritesNineDefaultsAndTurnsAllOn) {
  Load();

  EXPECT_EQ(store.calls, LoadCalls(AllIndicesBut({})));
  ASSERT_EQ(store.values.size(), kSwitchCount);
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    EXPECT_EQ(StoredSetting(i), u"1") << i;
    EXPECT_EQ(record.switches[i], kHostTrue) << i;
    // Only the registry receives the default; the record keeps what was read.
    EXPECT_EQ(record.storedTexts[i], u"") << i;
  }
}

TEST_P(LoadDisplaySettingsTest, OnlyTabReviewOffWritesTheOtherEightAndKeepsItOff) {
  PutSetting(kTabReview, u"0");

  Load();

  EXPECT_EQ(store.calls, LoadCalls(AllIndicesBut({kTabReview})));
  EXPECT_EQ(StoredSetting(kTabReview), u"0");
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    if (i == kTabReview) {
      EXPECT_EQ(record.switches[i], kHostFalse);
      EXPECT_EQ(record.storedTexts[i], u"0");
    } else {
      EXPECT_EQ(StoredSetting(i), u"1") << i;
      EXPECT_EQ(record.switches[i], kHostTrue) << i;
      EXPECT_EQ(record.storedTexts[i], u"") << i;
    }
  }
}

TEST_P(LoadDisplaySettingsTest, ExistingEmptyValueIsRewrittenWithOne) {
  for (std::size_t i = 0; i < kSwitchCount; ++i) PutSetting(i, u"0");
  PutSetting(kTabHome, u"");

  Load();

  EXPECT_EQ(store.calls, LoadCalls({kTabHome}));
  EXPECT_EQ(StoredSetting(kTabHome), u"1");
  EXPECT_EQ(record.switches[kTabHome], kHostTrue);
  EXPECT_EQ(record.storedTexts[kTabHome], u"");
  EXPECT_EQ(record.switches[kTabInsert], kHostFalse);
}

TEST_P(LoadDisplaySettingsTest, EveryReadComesBeforeAnyWrite) {
  // Missing values scattered through the table, including the first and the last.
  for (const std::size_t i : {kTabHome, kTabDesign, kTabSlideShow, kTabView}) PutSetting(i, u"1");

  Load();

  EXPECT_EQ(store.calls, LoadCalls({kShowAllMenu, kTabInsert, kTabAnimations, kTabReview, kTabDeveloper}));
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
  for (std::size_t i = 0; i < kSwitchCount; ++i) PutSetting(i, param.text);

  Load();

  EXPECT_EQ(store.calls.size(), kSwitchCount) << "a non-empty text is never rewritten";
  for (const StoreCall& call : store.calls) EXPECT_EQ(call.kind, StoreCall::kGet);
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    EXPECT_EQ(record.switches[i], param.expected) << i;
    EXPECT_EQ(record.storedTexts[i], param.text) << i;
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

TEST_P(LoadDisplaySettingsTest, DeniedKeyTurnsAllOnAndChangesNothing) {
  for (std::size_t i = 0; i < kSwitchCount; ++i) PutSetting(i, u"0");
  const FakeRegistryStore::Values before = store.values;
  store.denied = true;

  Load();

  // Every read failed, so every default was attempted; none of them landed.
  EXPECT_EQ(store.calls, LoadCalls(AllIndicesBut({})));
  EXPECT_EQ(store.values, before);
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    EXPECT_EQ(record.switches[i], kHostTrue) << i;
    EXPECT_EQ(record.storedTexts[i], u"") << i;
  }
}

TEST_P(LoadDisplaySettingsTest, ValueThatCouldNotBeReadIsNeverWrittenAndShowsForThisLoad) {
  PutSetting(kTabReview, u"0");
  store.unreadable = {NameOf(kTabReview), NameOf(kTabView)};

  Load();

  // The missing values still get their default; the two unread ones, present or not, do not.
  EXPECT_EQ(store.calls, LoadCalls(AllIndicesBut({kTabReview, kTabView})));
  EXPECT_EQ(StoredSetting(kTabReview), u"0");
  EXPECT_FALSE(store.values.contains({Path(), NameOf(kTabView)}));
  EXPECT_EQ(record.switches[kTabReview], kHostTrue);
  EXPECT_EQ(record.storedTexts[kTabReview], u"");
}

class ThrowingStore final : public RegistryStore {
 public:
  explicit ThrowingStore(int readsBeforeThrow) : readsLeft_(readsBeforeThrow) {}
  std::optional<HeapU16String> GetSettingText(std::u16string_view, std::u16string_view) override {
    if (readsLeft_-- == 0) throw std::bad_alloc();
    return MakeHeapString<char16_t>(u"0");
  }
  void SaveSettingText(std::u16string_view, std::u16string_view, std::u16string_view) override {}

 private:
  int readsLeft_;
};

TEST_P(LoadDisplaySettingsTest, StoreThatThrowsLeavesTheRecordAsItWas) {
  record.switches.fill(kHostTrue);
  for (HeapU16String& text : record.storedTexts) ASSERT_TRUE(text.Assign(u"earlier"));
  ThrowingStore throwing(4);

  EXPECT_THROW(LoadDisplaySettingsFrom(throwing, host, record), std::bad_alloc);

  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    EXPECT_EQ(record.switches[i], kHostTrue) << i;
    EXPECT_EQ(record.storedTexts[i], u"earlier") << i;
  }
}

// --- reloading ----------------------------------------------------------------------------------

TEST_P(LoadDisplaySettingsTest, SecondLoadRebuildsTheWholeRecord) {
  PutSetting(kTabHome, u"0");
  PutSetting(kTabView, u"custom");
  Load();
  ASSERT_EQ(record.switches[kTabHome], kHostFalse);
  ASSERT_EQ(record.storedTexts[kTabView], u"custom");

  // Another process changes the key between the two loads.
  PutSetting(kTabHome, u"1");
  store.values.erase({Path(), NameOf(kTabView)});
  PutSetting(kTabDeveloper, u"0");
  store.calls.clear();

  Load();

  EXPECT_EQ(store.calls, LoadCalls({kTabView}));
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    // The first load wrote "1" for every value it found missing.
    const std::u16string expectedText = i == kTabDeveloper ? u"0" : i == kTabView ? u"" : u"1";
    EXPECT_EQ(record.storedTexts[i], expectedText) << i;
    EXPECT_EQ(record.switches[i], i == kTabDeveloper ? kHostFalse : kHostTrue) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Hosts, LoadDisplaySettingsTest,
                         ::testing::Values(OfficeHost::PowerPoint, OfficeHost::Word, OfficeHost::Excel),
                         [](const ::testing::TestParamInfo<OfficeHost>& info) {
                           const std::u16string_view name = NamesOf(info.param).name;
                           return std::string(name.begin(), name.end());  // ASCII
                         });

}  // namespace
}  // namespace zorvane::settings
