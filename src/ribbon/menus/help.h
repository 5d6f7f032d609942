// The Help menu (tag "Help"): items in the order the user sees them. It ends with the
// add-in's own two commands, the only items that call back into the add-in.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/ribbon_names.h"

namespace zorvane::ribbon::menus {
using namespace controls;

// The add-in's own commands that end every host's Help menu; their captions come from the
// language's table `T`.
template <class T>
inline constexpr auto kOwnCommands =
    Concat(CommandButton(id::kCustomizeButton, T::kCustomize, callback::kCustomMenu),
           CommandButton(id::kAboutButton, T::kAbout, callback::kAboutMenu));

// PowerPoint's, which Excel's is too.
template <class T>
inline constexpr auto kHelpMenu = MenuAnswer(
    Control(u"Help"),
    Separator(u"rxAuditMiscSeparator_HelpI"),
    Control(u"ContactUs"),
    Control(u"CheckForUpdates"),
    Control(u"About"),
    Separator(u"rxAuditMiscSeparator_HelpII"),
    kOwnCommands<T>);

}  // namespace zorvane::ribbon::menus
