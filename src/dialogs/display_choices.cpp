#include "dialogs/display_choices.h"

#include <cstddef>

#include "settings/advapi32_registry_store.h"

namespace zorvane::dialogs {

void ApplyDisplayChoices(const DisplayChoices& choices, const settings::PolicySettings& locked,
                         IRibbonUI* ribbon) noexcept {
  using namespace zorvane::settings;
  for (std::size_t index = 0; index < kSwitchCount; ++index) {
    if (locked[index]) continue;
    const bool on = choices[index];
    DisplaySettings.switches[index] = on ? kHostTrue : kHostFalse;
    SaveSettingText(HKEY_CURRENT_USER, kSettingsKeyPath, kSwitchNames[index], TextFromSwitch(on));
  }
  if (ribbon != nullptr) ribbon->Invalidate();
}

}  // namespace zorvane::dialogs
