#include "dialogs/display_choices.h"

#include <cstddef>

#include "settings/advapi32_registry_store.h"
#include "settings/host_switches.h"

namespace zorvane::dialogs {

bool ApplyDisplayChoices(OfficeHost host, OfficeVersion version, const DisplayChoices& choices,
                         const settings::PolicySettings& locked, const HostRibbons& ribbons) noexcept {
  using namespace zorvane::settings;
  const HostSwitches& switches = SwitchesOf(host);
  DisplaySettingsRecord& record = DisplaySettingsOf(host);
  bool saved = true;
  for (const std::size_t index : SwitchList(switches, version)) {
    if (locked[index]) continue;
    const bool on = choices[index];
    record.switches[index] = on ? kHostTrue : kHostFalse;
    saved = SaveSettingText(HKEY_CURRENT_USER, switches.settingsKeyPath, switches.Name(index), TextFromSwitch(on)) && saved;
  }
  // The host may refuse to refresh now; it asks again at its next refresh, so nothing is lost.
  for (const Microsoft::WRL::ComPtr<IRibbonUI>& ribbon : ribbons) {
    if (ribbon) static_cast<void>(ribbon->Invalidate());
  }
  return saved;
}

}  // namespace zorvane::dialogs
