#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "settings/host_switches.h"
#include "settings/registry_store.h"

namespace zorvane::settings {

PolicySettings ReadPolicySettings(OfficeHost host, RegistryReader& machine, RegistryReader& user) {
  const HostSwitches& switches = SwitchesOf(host);
  PolicySettings policies{};
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    // An empty text is a value that is missing or could not be read: it sets nothing.
    std::optional<HeapU16String> text = machine.GetSettingText(switches.policyKeyPath, switches.names[i]);
    if (!text || text->empty()) text = user.GetSettingText(switches.policyKeyPath, switches.names[i]);
    if (text && !text->empty()) policies[i] = SwitchFromText(*text) == kHostTrue;
  }
  return policies;
}

void LoadDisplaySettingsFrom(RegistryStore& store, OfficeHost host, DisplaySettingsRecord& record,
                             const PolicySettings& policies) {
  const HostSwitches& switches = SwitchesOf(host);
  // Built aside and swapped in at the end, so a store that ends the load early leaves `record` as it was.
  DisplaySettingsRecord loaded;
  loaded.policies = policies;

  // All nine reads come before any write.
  std::array<bool, kSwitchCount> unread{};
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    std::optional<HeapU16String> text = store.GetSettingText(switches.settingsKeyPath, switches.names[i]);
    unread[i] = !text;
    if (text) loaded.storedTexts[i] = std::move(*text);
  }

  // A missing value gets its default in the registry only; its stored text stays empty.
  // Exact comparison: a text of blanks is not empty. A value that could not be read is not
  // missing: it may hold the user's choice, so it is never written over; its empty stored text
  // shows the switch for this load only.
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    if (loaded.storedTexts[i].empty() && !unread[i]) store.SaveSettingText(switches.settingsKeyPath, switches.names[i], kTextOn);
  }

  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    const PolicySetting& policy = policies[i];
    loaded.switches[i] = policy ? (*policy ? kHostTrue : kHostFalse) : SwitchFromText(loaded.storedTexts[i]);
  }

  std::swap(record, loaded);
}

}  // namespace zorvane::settings
