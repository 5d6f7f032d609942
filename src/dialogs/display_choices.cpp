#include "dialogs/display_choices.h"

#include <cstddef>

#include "settings/advapi32_registry_store.h"
#include "settings/host_switches.h"

namespace zorvane::dialogs {

void ApplyDisplayChoices(OfficeHost host, const DisplayChoices& choices, const settings::PolicySettings& locked,
                         IRibbonUI* ribbon) noexcept {
  using namespace zorvane::settings;
  const HostSwitches& switches = SwitchesOf(host);
  DisplaySettingsRecord& record = DisplaySettingsOf(host);
  for (std::size_t index = 0; index < kSwitchCount; ++index) {
    if (locked[index]) continue;
    const bool on = choices[index];
    record.switches[index] = on ? kHostTrue : kHostFalse;
    SaveSettingText(HKEY_CURRENT_USER, switches.settingsKeyPath, switches.names[index], TextFromSwitch(on));
  }
  if (ribbon != nullptr) ribbon->Invalidate();
}

}  // namespace zorvane::dialogs
