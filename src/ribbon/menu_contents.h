// The items of each host's nine dynamic menus, chosen by the menu's tag.
#pragma once

#include <span>
#include <string_view>

#include "common/office_host.h"
#include "common/ui_language.h"

namespace zorvane::ribbon {

// The whole menu answer of `host` for `tag` in `language` (UTF-16, root `menu` in the customUI
// namespace, followed by a zero), or an empty view when no menu of that host has exactly that
// tag. Views are of static storage. A language outside the enumeration is the first.
std::u16string_view MenuContent(OfficeHost host, std::u16string_view tag, UiLanguage language) noexcept;

// The nine tags that MenuContent answers for `host`, in menu-bar order.
std::span<const std::u16string_view> MenuTags(OfficeHost host) noexcept;

}  // namespace zorvane::ribbon
