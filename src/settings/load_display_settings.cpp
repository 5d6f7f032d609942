#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "settings/host_switches.h"
#include "settings/registry_store.h"

namespace zorvane::settings {

PolicySettings ReadPolicySettings(OfficeHost host, OfficeVersion version, RegistryReader& machine,
                                  RegistryReader& user) {
  const HostSwitches& switches = SwitchesOf(host);
  PolicySettings policies{};
  for (const std::size_t i : SwitchList(switches, version)) {
    // An empty text is a value that is missing or could not be read: it sets nothing.
    std::optional<HeapU16String> text = machine.GetSettingText(switches.policyKeyPath, switches.Name(i));
    if (!text || text->empty()) text = user.GetSettingText(switches.policyKeyPath, switches.Name(i));
    if (text && !text->empty()) policies[i] = SwitchFromText(*text) == kHostTrue;
  }
  return policies;
}

void LoadDisplaySettingsFrom(RegistryStore& store, OfficeHost host, OfficeVersion version,
                             DisplaySettingsRecord& record, const PolicySettings& policies) {
  const HostSwitches& switches = SwitchesOf(host);
  const SwitchList present(switches, version);
  // Built aside and swapped in at the end, so a store that ends the load early leaves `record` as it was.
  DisplaySettingsRecord loaded;
  loaded.policies = policies;

  // All reads come before any write.
  std::array<bool, kMaxSwitchCount> unread{};
  for (const std::size_t i : present) {
    std::optional<HeapU16String> text = store.GetSettingText(switches.settingsKeyPath, switches.Name(i));
    unread[i] = !text;
    if (text) loaded.storedTexts[i] = std::move(*text);
  }

  // A missing value gets its default in the registry only; its stored text stays empty.
  // Exact comparison: a text of blanks is not empty. A value that could not be read is not
  // missing: it may hold the user's choice, so it is never written over; its empty stored text
  // shows the switch for this load only. A failed default is not reported: the switch is on
  // either way, and the next load writes it again.
  for (const std::size_t i : present) {
    if (loaded.storedTexts[i].empty() && !unread[i]) {
      static_cast<void>(store.SaveSettingText(switches.settingsKeyPath, switches.Name(i), kTextOn));
    }
  }

  // The switches that the version lacks stay false: no element of its document asks for them.
  for (const std::size_t i : present) {
    const PolicySetting& policy = policies[i];
    loaded.switches[i] = policy ? (*policy ? kHostTrue : kHostFalse) : SwitchFromText(loaded.storedTexts[i]);
  }

  std::swap(record, loaded);
}

}  // namespace zorvane::settings
