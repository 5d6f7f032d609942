// Excel's Window menu (tag "Windows"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::excel {
using namespace controls;

inline constexpr auto kWindowsMenu = MenuAnswer(
    Control(u"WindowNew"),
    Control(u"WindowsArrangeAll"),
    Control(u"ViewSideBySide"),
    Control(u"WindowHide"),
    Control(u"WindowUnhide"),
    Separator(u"rxAuditMiscSeparator_WindowI"),
    Control(u"WindowSplitToggle"),
    Control(u"FreezePanes"),
    Separator(u"rxAuditMiscSeparator_WindowII"),
    Control(u"WindowSwitchWindowsMenuExcel"));

}  // namespace zorvane::ribbon::menus::excel
