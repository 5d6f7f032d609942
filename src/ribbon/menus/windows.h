// The Window menu (tag "Windows"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus {
using namespace controls;

inline constexpr auto kWindowsMenu = MenuAnswer(
    Control(u"WindowNew"),
    Control(u"WindowsArrangeAll"),
    Control(u"WindowsCascade"),
    Separator(u"rxAuditMiscSeparator_WindowI"),
    Control(u"NextPane"),
    Control(u"WindowMoveSplit"),
    Separator(u"rxAuditMiscSeparator_WindowII"),
    Control(u"WindowSwitchWindowsMenuPowerPoint"));

}  // namespace zorvane::ribbon::menus
