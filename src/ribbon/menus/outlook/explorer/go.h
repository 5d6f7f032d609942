// The Go menu of Outlook's main window (tag "Go"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::explorer {
using namespace controls;

inline constexpr auto kGoMenu = MenuAnswer(
    Control(u"GoToMail"),
    Control(u"GotoCalendar"),
    Control(u"GotoContacts"),
    Control(u"GotoTasks"),
    Control(u"GotoNotes"),
    Control(u"GotoFolderList"),
    Control(u"GotoShortcuts"),
    Control(u"GotoJournal"),
    Separator(u"rxAuditMiscSeparator_OlGoI"),
    Control(u"GoToFolder"));

}  // namespace zorvane::ribbon::menus::outlook::explorer
