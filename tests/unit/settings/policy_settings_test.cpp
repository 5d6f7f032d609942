// Which value decides a switch: machine policy, then user policy, then the user's own value.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>

#include "fake_registry_store.h"
#include "settings/display_settings.h"
#include "settings/host_switches.h"
#include "settings/registry_store.h"

namespace zorvane::settings {
namespace {

using testing::FakeRegistryStore;
using testing::StoreCall;

// One switch's values; nothing is a missing value, an empty text one that cannot be read
// (another type, or no data).
struct PrecedenceCase {
  const char* label;
  std::optional<std::u16string> machinePolicy;
  std::optional<std::u16string> userPolicy;
  std::optional<std::u16string> userValue;
  bool machineKeyDenied;
  HostBool expectedSwitch;
  PolicySetting expectedPolicy;
};

void PrintTo(const PrecedenceCase& precedenceCase, std::ostream* out) { *out << precedenceCase.label; }

class PolicyPrecedenceTest : public ::testing::TestWithParam<PrecedenceCase> {};

TEST_P(PolicyPrecedenceTest, DecidesTheSwitchAndLeavesTheUsersValueAlone) {
  const PrecedenceCase& param = GetParam();
  // The same case for each host and each switch of its newest version in turn: the others have
  // no policy and are on.
  for (const HostSwitches& switches : kHostSwitches) {
    const OfficeHost host = switches.host;
    const std::size_t hostIndex = HostIndex(host);
    const std::u16string settingsKey(switches.settingsKeyPath);
    const std::u16string_view policyKey = switches.policyKeyPath;
    std::vector<std::u16string> names;
    for (std::size_t i = 0; i < switches.Count(); ++i) names.emplace_back(switches.Name(i));
    const std::size_t count = names.size();
    for (std::size_t target = 0; target < count; ++target) {
      SCOPED_TRACE(::testing::Message() << "host " << hostIndex << " switch " << target);
      FakeRegistryStore machine;
      FakeRegistryStore user;
      machine.denied = param.machineKeyDenied;
      for (std::size_t i = 0; i < count; ++i) user.Put(settingsKey, names[i], u"1");
      user.values.erase({settingsKey, names[target]});
      if (param.machinePolicy) machine.Put(policyKey, names[target], *param.machinePolicy);
      if (param.userPolicy) user.Put(policyKey, names[target], *param.userPolicy);
      if (param.userValue) user.Put(settingsKey, names[target], *param.userValue);
      const FakeRegistryStore::Values userBefore = user.values;
      const std::u16string userText = param.userValue ? *param.userValue : std::u16string();

      DisplaySettingsRecord record;
      LoadDisplaySettingsFrom(user, host, OfficeVersion::k2019, record,
                              ReadPolicySettings(host, OfficeVersion::k2019, machine, user));

      for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(record.switches[i], i == target ? param.expectedSwitch : kHostTrue) << i;
        EXPECT_EQ(record.policies[i], i == target ? param.expectedPolicy : PolicySetting()) << i;
      }
      // The user's text is what the user's key holds, whatever policy says.
      EXPECT_EQ(record.storedTexts[target], userText);

      // Policy is only read: the one write of the load is the default of a user value that
      // reads as empty, and it goes to the user's key.
      FakeRegistryStore expected;
      expected.values = userBefore;
      if (userText.empty()) expected.Put(settingsKey, names[target], kTextOn);
      EXPECT_EQ(user.values, expected.values);
      for (const StoreCall& call : machine.calls) EXPECT_EQ(call.kind, StoreCall::kGet);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PolicyPrecedenceTest,
    ::testing::Values(
        PrecedenceCase{"NoPolicyTheUserDecides", {}, {}, u"0", false, kHostFalse, {}},
        PrecedenceCase{"MachineHidesOverUserPolicyShowing", u"0", u"1", u"1", false, kHostFalse, false},
        PrecedenceCase{"MachineShowsOverUserPolicyHiding", u"1", u"0", u"0", false, kHostTrue, true},
        PrecedenceCase{"UserPolicyOverTheUsersValue", {}, u"0", u"1", false, kHostFalse, false},
        PrecedenceCase{"UserPolicyShowsOverTheUsersValue", {}, u"1", u"0", false, kHostTrue, true},
        PrecedenceCase{"PolicyTextsReadByTheUsersRule", u"00", {}, u"0", false, kHostTrue, true},
        PrecedenceCase{"UnreadableMachineValueLeavesUserPolicy", u"", u"0", u"1", false, kHostFalse, false},
        PrecedenceCase{"UnreadableMachineKeyLeavesUserPolicy", u"1", u"0", u"1", true, kHostFalse, false},
        PrecedenceCase{"UnreadablePoliciesLeaveTheUsersValue", u"", u"", u"0", false, kHostFalse, {}},
        PrecedenceCase{"MissingUserValueStillGetsItsDefault", u"0", {}, {}, false, kHostFalse, false}),
    [](const ::testing::TestParamInfo<PrecedenceCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace zorvane::settings
