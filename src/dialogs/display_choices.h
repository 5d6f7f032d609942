// What the customization dialog's OK does with the user's nine choices.
#pragma once

#include <windows.h>

#include <array>

#include "common/office_host.h"
#include "office.h"
#include "settings/display_settings.h"

namespace zorvane::dialogs {

// One choice per switch, in the order of settings::SwitchIndex; true is on.
using DisplayChoices = std::array<bool, settings::kSwitchCount>;

// Writes the choices to `host`'s settings key as "1" / "0", sets the switches of
// DisplaySettingsOf(host) to match (StoredTexts stays as the last load left it) and asks `ribbon` to invalidate, so
// that the host asks the visibility callback again. A switch that `locked` sets is skipped:
// its user value stays as it was and its switch keeps the policy's state.
//
// A failing Invalidate, or no ribbon, changes nothing here: the choices are saved and in
// force in memory, and the host shows them at its next refresh of the ribbon.
void ApplyDisplayChoices(OfficeHost host, const DisplayChoices& choices, const settings::PolicySettings& locked,
                         IRibbonUI* ribbon) noexcept;

}  // namespace zorvane::dialogs
