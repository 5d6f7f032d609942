#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "settings/registry_store.h"

namespace zorvane::settings {

PolicySettings ReadPolicySettings(RegistryReader& machine, RegistryReader& user) {
  PolicySettings policies{};
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    // An empty text is a value that is missing or could not be read: it sets nothing.
    std::optional<HeapU16String> text = machine.GetSettingText(kPolicyKeyPath, kSwitchNames[i]);
    if (!text || text->empty()) text = user.GetSettingText(kPolicyKeyPath, kSwitchNames[i]);
    if (text && !text->empty()) policies[i] = SwitchFromText(*text) == kHostTrue;
  }
  return policies;
}

void LoadDisplaySettingsFrom(RegistryStore& store, DisplaySettingsRecord& record, const PolicySettings& policies) {
  // Built aside and swapped in at the end, so a store that throws leaves `record` as it was.
  DisplaySettingsRecord loaded;
  loaded.policies = policies;

  // All nine reads come before any write.
  std::array<bool, kSwitchCount> unread{};
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    std::optional<HeapU16String> text = store.GetSettingText(kSettingsKeyPath, kSwitchNames[i]);
    unread[i] = !text;
    if (text) loaded.storedTexts[i] = std::move(*text);
  }

  // A missing value gets its default in the registry only; its stored text stays empty.
  // Exact comparison: a text of blanks is not empty. A value that could not be read is not
  // missing: it may hold the user's choice, so it is never written over; its empty stored text
  // shows the switch for this load only.
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    if (loaded.storedTexts[i].empty() && !unread[i]) store.SaveSettingText(kSettingsKeyPath, kSwitchNames[i], kTextOn);
  }

  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    const PolicySetting& policy = policies[i];
    loaded.switches[i] = policy ? (*policy ? kHostTrue : kHostFalse) : SwitchFromText(loaded.storedTexts[i]);
  }

  std::swap(record, loaded);
}

}  // namespace zorvane::settings
