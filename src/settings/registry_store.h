// The settings' view of the registry: two routines on values below one root key.
// The Windows layer implements it on advapi32; tests implement it in memory.
#pragma once

#include <string>
#include <string_view>

#include "settings/display_settings.h"

namespace zorvane::settings {

class RegistryStore {
 public:
  virtual ~RegistryStore() = default;

  // Text of value `valueName` of key `path` below the store's root. Every failure
  // (key missing or not openable, value missing, unsupported type) yields the empty text.
  virtual std::u16string GetSettingText(std::u16string_view path, std::u16string_view valueName) = 0;

  // Creates or opens `path` and writes `text` as a string value. Failures are silent and
  // leave the registry as it was.
  virtual void SaveSettingText(std::u16string_view path, std::u16string_view valueName,
                               std::u16string_view text) = 0;
};

// Fills `record` from the settings key: all nine reads first, then "1" written for each
// value read as empty, then the switches from the texts read. Each load rebuilds the whole
// record. An exception from `store` passes through and leaves `record` unchanged.
void LoadDisplaySettings(RegistryStore& store, DisplaySettingsRecord& record = DisplaySettings);

}  // namespace zorvane::settings
