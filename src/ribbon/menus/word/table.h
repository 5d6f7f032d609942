// Word's Table menu (tag "Table"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::word {
using namespace controls;

// Its own captions come from the language's table `T`.
template <class T>
inline constexpr auto kTableMenu = MenuAnswer(
    Control(u"TableDrawTable"),
    LargeSubMenu(u"RXTableInsert", T::kInsertLabel,
        Control(u"TableInsertDialogWord"),
        Control(u"TableColumnsInsertLeft"),
        Control(u"TableColumnsInsertRight"),
        Control(u"TableRowsInsertAboveWord"),
        Control(u"TableRowsInsertBelowWord"),
        Control(u"TableInsertCellsDialog")),
    LargeSubMenu(u"RXTableDelete", T::kDelete,
        Control(u"TableDelete"),
        Control(u"TableColumnsDelete"),
        Control(u"TableRowsDelete"),
        Control(u"CellsDelete")),
    BuiltInMenu(u"TableSelectMenu"),
    Control(u"MergeCells"),
    Control(u"SplitCells"),
    Control(u"TableSplitTable"),
    Separator(u"rxAuditMiscSeparator_TableI"),
    Control(u"TableAutoFormat"),
    BuiltInMenu(u"TableAutoFitMenu"),
    Control(u"TableRepeatHeaderRows"),
    Separator(u"rxAuditMiscSeparator_TableII"),
    LargeSubMenu(u"RXTableConvert", T::kConvert,
        Control(u"ConvertTextToTable"),
        Control(u"ConvertTableToText")),
    Control(u"SortDialogClassic"),
    Control(u"TableFormulaDialog"),
    Control(u"TableShowGridlines"),
    Separator(u"rxAuditMiscSeparator_TableIII"),
    Control(u"TablePropertiesDialog"));

}  // namespace zorvane::ribbon::menus::word
