// Excel's Data menu (tag "Data"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::excel {
using namespace controls;

// The XML sub-menu's caption, the same in every language.
inline constexpr char16_t kXml[] = u"XML";

// Its own captions come from the language's table `T`.
template <class T>
inline constexpr auto kDataMenu = MenuAnswer(
    Control(u"SortDialog"),
    LargeSubMenu(u"RXFilter", T::kFilter,
        Control(u"Filter"),
        Control(u"SortClear"),
        Control(u"AdvancedFilterDialog")),
    Control(u"DataFormExcel"),
    Control(u"OutlineSubtotals"),
    Control(u"DataValidation"),
    Control(u"DataTable"),
    Control(u"ConvertTextToTable"),  // Excel's name for Text to Columns
    Control(u"Consolidate"),
    LargeSubMenu(u"RXGroupAndOutline", T::kGroupAndOutline,
        Control(u"OutlineHideDetail"),
        Control(u"OutlineShowDetail"),
        Control(u"OutlineGroup"),
        Control(u"OutlineUngroup"),
        Control(u"OutlineAuto"),
        Control(u"OutlineClear"),
        Control(u"OutlineSettings")),
    Separator(u"rxAuditMiscSeparator_DataI"),
    Control(u"PivotTableInsert"),
    LargeSubMenu(u"RXExternalData", T::kExternalData,
        Control(u"GetExternalDataExistingConnections"),
        Control(u"GetExternalDataFromWeb"),
        Control(u"DatabaseQueryNew"),
        Control(u"EditQuery"),
        Control(u"ConnectionProperties")),
    LargeSubMenu(u"RXList", T::kList,
        Control(u"TableInsertExcel"),
        Control(u"TableResize"),
        Control(u"TableStyleTotalsRow"),
        Control(u"TableConvertToRange"),
        Control(u"TableExportTableToSharePointList"),
        Control(u"TableOpenInBrowser"),
        Control(u"ListSynchronize"),
        Control(u"ChangesDiscardAndRefresh")),
    LargeSubMenu(u"RXXml", kXml,
        Control(u"XmlSource"),
        Control(u"XmlImport"),
        Control(u"XmlExport"),
        Control(u"XmlDataRefresh"),
        Control(u"XmlMapProperties"),
        Control(u"XmlExpansionPacksExcel")),
    Control(u"RefreshAll"));

}  // namespace zorvane::ribbon::menus::excel
