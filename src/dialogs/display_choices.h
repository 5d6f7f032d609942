// What the customization dialog's OK does with the user's choices.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <array>

#include "common/office_host.h"
#include "common/office_version.h"
#include "office.h"
#include "settings/display_settings.h"
#include "settings/host_switches.h"

namespace zorvane::dialogs {

// The host's ribbons that OK has asked again: one per window with a ribbon of its own (all but
// Outlook have one); an empty place is none.
using HostRibbons = std::array<Microsoft::WRL::ComPtr<IRibbonUI>, settings::kRibbonWindowCount>;

// One choice per switch, indexed as the host's switches; true is on.
using DisplayChoices = std::array<bool, settings::kMaxSwitchCount>;

// Writes the choices for the switches that `version` of `host` has to the host's settings key
// as "1" / "0", sets those switches of DisplaySettingsOf(host) to match (StoredTexts stays as
// the last load left it) and asks each of `ribbons` to invalidate, so that the host asks the visibility
// callback again. A switch that `locked` sets is skipped: its user value stays as it was and
// its switch keeps the policy's state.
//
// False when a value could not be written: the choice is in force in memory all the same,
// until the program closes, and the registry keeps what it had. A failing Invalidate, or no
// ribbons, changes nothing here: the host shows the choices at its next refresh of the ribbon.
[[nodiscard]] bool ApplyDisplayChoices(OfficeHost host, OfficeVersion version, const DisplayChoices& choices,
                                       const settings::PolicySettings& locked, const HostRibbons& ribbons) noexcept;

}  // namespace zorvane::dialogs
