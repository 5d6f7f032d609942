// The items of the dynamic menus of each host's documents (nine; seven and eight in Outlook's
// windows), chosen by the window and the menu's tag.
#pragma once

#include <span>
#include <string_view>

#include "common/office_host.h"
#include "common/ui_language.h"
#include "settings/host_switches.h"

namespace zorvane::ribbon {

// The whole menu answer of `window` of `host` for `tag` in `language` (UTF-16, root `menu` in
// the customUI namespace, followed by a zero), or an empty view when no menu of that window's
// document has exactly that tag. Views are of static storage. A language outside the
// enumeration is the first.
std::u16string_view MenuContent(OfficeHost host, std::u16string_view tag, UiLanguage language,
                                settings::RibbonWindow window = settings::RibbonWindow::kMain) noexcept;

// The tags that MenuContent answers for `window` of `host`, in menu-bar order.
std::span<const std::u16string_view> MenuTags(OfficeHost host,
                                              settings::RibbonWindow window = settings::RibbonWindow::kMain) noexcept;

}  // namespace zorvane::ribbon
