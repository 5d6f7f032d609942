// The Edit menu (tag "Edit"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/menus/clipboard.h"

namespace zorvane::ribbon::menus {
using namespace controls;

inline constexpr auto kEditMenu = MenuAnswer(
    Control(u"Undo"),
    Control(u"RedoOrRepeat"),
    Separator(u"rxAuditMiscSeparator_bianji1"),
    kClipboardItems,
    Separator(u"rxAuditMiscSeparator_bianji2"),
    Control(u"Clear"),
    BuiltInMenu(u"SelectMenu"),
    Button(u"PasteDuplicate"),
    Button(u"SlideDelete"),
    Separator(u"rxAuditMiscSeparator_bianji3"),
    Button(u"FindDialog"),
    Button(u"ReplaceDialog"),
    Button(u"GoToProperty"),
    Separator(u"rxAuditMiscSeparator_bianji4"),
    Button(u"ObjectEditDialog"));

}  // namespace zorvane::ribbon::menus
