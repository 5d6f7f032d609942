// Excel's Format menu (tag "Format"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::excel {
using namespace controls;

// Its own captions come from the language's table `T`.
template <class T>
inline constexpr auto kFormatMenu = MenuAnswer(
    Control(u"FormatCellsDialog"),
    LargeSubMenu(u"RXRow", T::kRow,
        Control(u"RowHeight"),
        Control(u"RowHeightAutoFit"),
        Control(u"RowsHide"),
        Control(u"RowsUnhide")),
    LargeSubMenu(u"RXColumn", T::kColumn,
        Control(u"ColumnWidth"),
        Control(u"ColumnWidthAutoFit"),
        Control(u"ColumnsHide"),
        Control(u"ColumnsUnhide"),
        Control(u"ColumnWidthDefault")),
    LargeSubMenu(u"RXSheet", T::kSheet,
        Control(u"SheetRename"),
        Control(u"SheetHide"),
        Control(u"SheetUnhide"),
        Control(u"SheetBackground"),
        Control(u"SheetTabColorGallery")),
    Separator(u"rxAuditMiscSeparator_FormatI"),
    Control(u"AutoFormatDialog"),
    BuiltInMenu(u"ConditionalFormattingMenu"),
    Control(u"CellStylesGallery"),
    // Phonetic guide, which East Asian builds have.
    Control(u"PhoneticGuideMenu"));

}  // namespace zorvane::ribbon::menus::excel
