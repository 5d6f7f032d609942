// The Edit menu of Outlook's main window (tag "Edit"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::explorer {
using namespace controls;

inline constexpr auto kEditMenu = MenuAnswer(
    Control(u"Undo"),
    Separator(u"rxAuditMiscSeparator_OlEditI"),
    Control(u"Cut"),
    Control(u"Copy"),
    Control(u"Paste"),
    Control(u"ShowClipboard"),
    Control(u"SelectAll"),
    Control(u"Delete"),
    Separator(u"rxAuditMiscSeparator_OlEditII"),
    Control(u"MoveToFolder"),
    Control(u"CopyToFolder"),
    Separator(u"rxAuditMiscSeparator_OlEditIII"),
    Control(u"MarkAsRead"),
    Control(u"MarkAsUnread"),
    Control(u"MarkAllAsRead"),
    Separator(u"rxAuditMiscSeparator_OlEditIV"),
    // The category dialog, where the old menu item opened one.
    Control(u"AllCategories"));

}  // namespace zorvane::ribbon::menus::outlook::explorer
