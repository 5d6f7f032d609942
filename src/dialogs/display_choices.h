// What the customization dialog's OK does with the user's nine choices.
#pragma once

#include <array>

#include "settings/display_settings.h"

namespace zorvane::dialogs {

// One choice per switch, in the order of settings::SwitchIndex; true is on.
using DisplayChoices = std::array<bool, settings::kSwitchCount>;

// Writes all nine choices to the settings key as "1" / "0", sets the switches of
// DisplaySettings to match (StoredTexts stays as the last load left it) and asks the host
// to invalidate its ribbon, so that the visibility callback is asked again.
//
// A failing Invalidate, or no ribbon yet, changes nothing here: the choices are saved and
// in force in memory, and the host shows them at its next refresh of the ribbon.
void ApplyDisplayChoices(const DisplayChoices& choices) noexcept;

}  // namespace zorvane::dialogs
