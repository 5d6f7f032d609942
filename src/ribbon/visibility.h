// Which elements of a host's ribbon the user's display switches show or hide.
#pragma once

#include <span>
#include <string_view>

#include "common/office_host.h"
#include "settings/display_settings.h"

namespace zorvane::ribbon {

// The stored switch of `settings` (the host's own record) that governs the element of `host`'s
// ribbon with this id, passed through unchanged; false for any id that no switch governs (the
// empty id included). Exact comparison.
settings::HostBool ControlVisibility(OfficeHost host, std::u16string_view controlId,
                                     const settings::DisplaySettingsRecord& settings) noexcept;

// The ids that ControlVisibility knows for `host`: the combined menu's gap, the combined menu,
// then every tab of the host's switches in switch order.
std::span<const std::u16string_view> VisibilityIds(OfficeHost host) noexcept;

}  // namespace zorvane::ribbon
