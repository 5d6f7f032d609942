// Excel's Tools menu (tag "Tools"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::excel {
using namespace controls;

// Its own captions come from the language's table `T`.
template <class T>
inline constexpr auto kToolsMenu = MenuAnswer(
    Control(u"Spelling"),
    Control(u"ErrorChecking"),
    Separator(u"rxAuditMiscSeparator_ToolsI"),
    Control(u"FileCreateDocumentWorkspace"),
    Control(u"ReviewShareWorkbook"),
    BuiltInMenu(u"ReviewTrackChangesMenu"),
    Control(u"CompareAndMergeWorkbooks"),
    LargeSubMenu(u"RXProtection", T::kProtection,
        Control(u"SheetProtect"),
        Control(u"ReviewAllowUsersToEditRanges"),
        Control(u"ReviewProtectWorkbook"),
        Control(u"ReviewProtectAndShareWorkbook")),
    Separator(u"rxAuditMiscSeparator_ToolsII"),
    Control(u"GoalSeek"),
    Control(u"ScenarioManager"),
    LargeSubMenu(u"RXFormulaAuditing", T::kFormulaAuditing,
        Control(u"TracePrecedents"),
        Control(u"TraceDependents"),
        Control(u"TraceError"),
        Control(u"TraceRemoveAllArrows"),
        Control(u"FormulaEvaluate"),
        Control(u"WatchWindow"),
        Control(u"ShowFormulas")),
    Separator(u"rxAuditMiscSeparator_ToolsIII"),
    LargeSubMenu(u"RXMacro", T::kMacros,
        Control(u"MacroPlay"),
        Control(u"MacroRecord"),
        Control(u"MacroSecurity"),
        Control(u"VisualBasic")),
    Control(u"AddInManager"),
    Control(u"AutoCorrect"),
    Control(u"ApplicationOptionsDialog"));

}  // namespace zorvane::ribbon::menus::excel
