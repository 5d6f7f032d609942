// Word's Edit menu (tag "Edit"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/menus/clipboard.h"

namespace zorvane::ribbon::menus::word {
using namespace controls;

inline constexpr auto kEditMenu = MenuAnswer(
    Control(u"Undo"),
    Control(u"RedoOrRepeat"),
    Separator(u"rxAuditMiscSeparator_bianji1"),
    kClipboardItems,
    Separator(u"rxAuditMiscSeparator_bianji2"),
    BuiltInMenu(u"ClearMenuWord"),
    Control(u"SelectAll"),
    Separator(u"rxAuditMiscSeparator_bianji3"),
    Control(u"FindDialog"),
    Control(u"ReplaceDialog"),
    Control(u"GoTo"),
    Separator(u"rxAuditMiscSeparator_bianji4"),
    Control(u"FileLinksToFiles"),
    Control(u"ObjectEditDialog"));

}  // namespace zorvane::ribbon::menus::word
