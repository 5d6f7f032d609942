// The items of the nine dynamic menus, chosen by the menu's tag.
#pragma once

#include <span>
#include <string_view>

#include "common/ui_language.h"

namespace zorvane::ribbon {

// The whole menu answer for `tag` in `language` (UTF-16, root `menu` in the customUI
// namespace), or an empty view when no menu has exactly that tag. Views are of static storage.
std::u16string_view MenuContent(std::u16string_view tag,
                                UiLanguage language = UiLanguage::kSimplifiedChinese) noexcept;

// The nine tags that MenuContent answers, in menu-bar order.
std::span<const std::u16string_view> MenuTags() noexcept;

}  // namespace zorvane::ribbon
