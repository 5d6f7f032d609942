// Which elements of the ribbon the user's display switches show or hide.
#pragma once

#include <span>
#include <string_view>

#include "settings/display_settings.h"

namespace zorvane::ribbon {

// The stored switch that governs the element with this id, passed through unchanged;
// false for any id that no switch governs (the empty id included). Exact comparison.
settings::HostBool ControlVisibility(std::u16string_view controlId,
                                     const settings::DisplaySettingsRecord& settings) noexcept;

// The ten ids that ControlVisibility knows, in the order it compares them.
std::span<const std::u16string_view> VisibilityIds() noexcept;

}  // namespace zorvane::ribbon
