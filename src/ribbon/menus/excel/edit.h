// Excel's Edit menu (tag "Edit"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/menus/clipboard.h"

namespace zorvane::ribbon::menus::excel {
using namespace controls;

inline constexpr auto kEditMenu = MenuAnswer(
    Control(u"Undo"),
    Control(u"Repeat"),
    Separator(u"rxAuditMiscSeparator_bianji1"),
    kClipboardItems,
    Separator(u"rxAuditMiscSeparator_bianji2"),
    BuiltInMenu(u"FillMenu"),
    BuiltInMenu(u"ClearMenu"),
    Control(u"CellsDelete"),
    Control(u"SheetDelete"),
    Control(u"SheetMoveOrCopy"),
    Separator(u"rxAuditMiscSeparator_bianji3"),
    Control(u"FindDialogExcel"),
    Control(u"ReplaceDialog"),
    Control(u"GoTo"),
    Separator(u"rxAuditMiscSeparator_bianji4"),
    Control(u"FileLinksToFiles"));

}  // namespace zorvane::ribbon::menus::excel
