// Which language the add-in speaks: the host's LCID mapped by script, and the `Language`
// values of policy and of the user, which fix it.
#include "settings/ui_language_choice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fake_registry_store.h"
#include "settings/host_switches.h"
#include "settings/display_settings.h"

namespace zorvane::settings {
namespace {

using testing::FakeRegistryStore;
using testing::StoreCall;

constexpr auto kZhCn = UiLanguage::kSimplifiedChinese;
constexpr auto kZhTw = UiLanguage::kTraditionalChinese;
constexpr auto kEn = UiLanguage::kEnglish;

// One row: the three stored values (nothing = missing), what the host answers, the language.
struct LanguageCase {
  const char* label;
  std::optional<std::u16string> machinePolicy;
  std::optional<std::u16string> userPolicy;
  std::optional<std::u16string> userValue;
  std::optional<std::uint32_t> hostLcid;
  UiLanguage expected;
};

const LanguageCase kCases[] = {
    // The host decides when nothing is fixed.
    {"China", {}, {}, {}, 2052, kZhCn},
    {"Singapore", {}, {}, {}, 4100, kZhCn},
    {"SimplifiedScript", {}, {}, {}, 0x0004, kZhCn},
    {"ChinaWithStrokeSort", {}, {}, {}, 0x20804, kZhCn},
    {"Taiwan", {}, {}, {}, 1028, kZhTw},
    {"HongKong", {}, {}, {}, 3076, kZhTw},
    {"Macao", {}, {}, {}, 5124, kZhTw},
    {"TraditionalScript", {}, {}, {}, 0x7C04, kZhTw},
    {"English", {}, {}, {}, 1033, kEn},
    {"Japanese", {}, {}, {}, 1041, kEn},
    {"KoreanIsNotChinese", {}, {}, {}, 1042, kEn},
    {"NoAnswer", {}, {}, {}, std::nullopt, kZhCn},
    {"Zero", {}, {}, {}, 0, kZhCn},
    {"UserDefaultLocaleIsNoLanguage", {}, {}, {}, 0x0400, kZhCn},
    {"ReservedBitsSet", {}, {}, {}, 0x00100409, kZhCn},
    {"Minus1", {}, {}, {}, 0xFFFFFFFF, kZhCn},
    // Fixed values, in order of precedence.
    {"UserValue", {}, {}, u"en-US", 2052, kEn},
    {"UserValueWithoutHostAnswer", {}, {}, u"zh-TW", std::nullopt, kZhTw},
    {"UserPolicyOverUserValue", {}, u"zh-TW", u"en-US", 2052, kZhTw},
    {"MachineOverUserPolicy", u"zh-CN", u"zh-TW", u"en-US", 1033, kZhCn},
    {"NameCaseIgnored", {}, {}, u"ZH-tw", 1033, kZhTw},
    {"UnknownUserValueFollowsHost", {}, {}, u"fr-FR", 1028, kZhTw},
    {"BlankIsNoName", {}, {}, u" zh-TW", 1033, kEn},
    {"UnreadablePolicyLeavesTheNext", u"", u"", u"zh-TW", 1033, kZhTw},
    // A policy present but naming no language says "follow the host", over the user's value.
    {"PolicyToFollowTheHostOverridesUserValue", {}, u"PowerPoint", u"en-US", 1028, kZhTw},
};

TEST(UiLanguageChoiceTest, PrecedenceAndHostMappingFromOneTable) {
  // Each host reads its own keys only: the values set for one leave the others to their host.
  for (std::size_t host = 0; host < kOfficeHostCount; ++host) {
    const HostSwitches& keys = kHostSwitches[host];
    for (const LanguageCase& row : kCases) {
      SCOPED_TRACE(::testing::Message() << row.label << " host " << host);
      FakeRegistryStore machine;
      FakeRegistryStore user;
      if (row.machinePolicy) machine.Put(keys.policyKeyPath, name::kLanguage, *row.machinePolicy);
      if (row.userPolicy) user.Put(keys.policyKeyPath, name::kLanguage, *row.userPolicy);
      if (row.userValue) user.Put(keys.settingsKeyPath, name::kLanguage, *row.userValue);

      const std::optional<UiLanguage> fixed = FixedUiLanguage(static_cast<OfficeHost>(host), machine, user);
      EXPECT_EQ(fixed.value_or(UiLanguageFromLcid(row.hostLcid)), row.expected);
      EXPECT_FALSE(FixedUiLanguage(static_cast<OfficeHost>((host + 1) % kOfficeHostCount), machine, user));
      // Only read: neither policy nor the user's value is ever written.
      for (const FakeRegistryStore* store : {&machine, &user}) {
        for (const StoreCall& call : store->calls) EXPECT_EQ(call.kind, StoreCall::kGet);
      }
    }
  }
}

// The loader defaults the switches only: a missing `Language` stays missing, a stored one stays
// as it is.
TEST(UiLanguageChoiceTest, LoadingTheSwitchesNeitherWritesNorChangesTheLanguageValue) {
  const std::u16string key(SwitchesOf(OfficeHost::PowerPoint).settingsKeyPath);
  DisplaySettingsRecord record;
  FakeRegistryStore empty;
  LoadDisplaySettingsFrom(empty, OfficeHost::PowerPoint, OfficeVersion::k2019, record);
  EXPECT_FALSE(empty.values.contains({key, name::kLanguage}));
  EXPECT_EQ(empty.values.size(), SwitchesOf(OfficeHost::PowerPoint).Count());

  FakeRegistryStore stored;
  stored.Put(key, name::kLanguage, u"zh-TW");
  LoadDisplaySettingsFrom(stored, OfficeHost::PowerPoint, OfficeVersion::k2007, record);
  EXPECT_EQ(stored.values.at({key, name::kLanguage}), u"zh-TW");
  for (const StoreCall& call : stored.calls) EXPECT_NE(call.valueName, name::kLanguage);
}

}  // namespace
}  // namespace zorvane::settings
