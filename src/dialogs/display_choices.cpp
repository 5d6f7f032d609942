#include "dialogs/display_choices.h"

#include <windows.h>
#include <wrl/client.h>

#include <cstddef>

#include "addin/host_ribbon.h"
#include "settings/advapi32_registry_store.h"

namespace zorvane::dialogs {

void ApplyDisplayChoices(const DisplayChoices& choices) noexcept {
  using namespace zorvane::settings;
  for (std::size_t index = 0; index < kSwitchCount; ++index) {
    const bool on = choices[index];
    DisplaySettings.switches[index] = on ? kHostTrue : kHostFalse;
    SaveSettingText(HKEY_CURRENT_USER, kSettingsKeyPath, kSwitchNames[index], TextFromSwitch(on));
  }

  // Held for the call: the host may replace the kept ribbon while it is being invalidated.
  const Microsoft::WRL::ComPtr<IRibbonUI> ribbon(addin::HostRibbon());
  if (ribbon != nullptr) ribbon->Invalidate();
}

}  // namespace zorvane::dialogs
