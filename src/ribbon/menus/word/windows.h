// Word's Window menu (tag "Windows"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::word {
using namespace controls;

inline constexpr auto kWindowsMenu = MenuAnswer(
    Control(u"WindowNew"),
    Control(u"WindowsArrangeAll"),
    Control(u"WindowSideBySide"),
    Control(u"WindowSplit"),
    Separator(u"rxAuditMiscSeparator_WindowI"),
    Control(u"WindowSwitchWindowsMenuWord"));

}  // namespace zorvane::ribbon::menus::word
