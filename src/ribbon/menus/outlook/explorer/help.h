// The Help menu of Outlook's main window (tag "Help"): items in the order the user sees them,
// ending with the add-in's own two commands.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/menus/help.h"

namespace zorvane::ribbon::menus::outlook::explorer {
using namespace controls;

template <class T>
inline constexpr auto kHelpMenu = MenuAnswer(
    Control(u"Help"),
    Separator(u"rxAuditMiscSeparator_OlHelpI"),
    Control(u"ContactUs"),
    Control(u"CheckForUpdates"),
    Control(u"ActivateProduct"),
    Control(u"About"),
    Separator(u"rxAuditMiscSeparator_OlHelpII"),
    menus::kOwnCommands<T>);

}  // namespace zorvane::ribbon::menus::outlook::explorer
