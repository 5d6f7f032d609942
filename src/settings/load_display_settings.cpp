#include <cstddef>
#include <utility>

#include "settings/registry_store.h"

namespace zorvane::settings {

void LoadDisplaySettings(RegistryStore& store, DisplaySettingsRecord& record) {
  // Built aside and swapped in at the end, so a store that throws leaves `record` as it was.
  DisplaySettingsRecord loaded;

  // All nine reads come before any write.
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    loaded.storedTexts[i] = store.GetSettingText(kSettingsKeyPath, kSwitchNames[i]);
  }

  // A value that could not be read gets its default in the registry only; its stored text
  // stays empty. Exact comparison: a text of blanks is not empty.
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    if (loaded.storedTexts[i].empty()) store.SaveSettingText(kSettingsKeyPath, kSwitchNames[i], kTextOn);
  }

  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    loaded.switches[i] = SwitchFromText(loaded.storedTexts[i]);
  }

  std::swap(record, loaded);
}

}  // namespace zorvane::settings
