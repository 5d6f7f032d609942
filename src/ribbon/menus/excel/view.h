// Excel's View menu (tag "View"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::excel {
using namespace controls;

inline constexpr auto kViewMenu = MenuAnswer(
    Control(u"ViewNormalViewExcel"),
    Control(u"ViewPageBreakPreviewView"),
    Separator(u"rxAuditMiscSeparator_shitu1"),
    Control(u"ViewFormulaBar"),
    Separator(u"rxAuditMiscSeparator_shitu2"),
    Control(u"HeaderFooterInsert"),
    Control(u"ReviewShowAllComments"),
    Separator(u"rxAuditMiscSeparator_shitu3"),
    Control(u"ViewCustomViews"),
    Control(u"ViewFullScreenView"),
    Control(u"ZoomDialog"));

}  // namespace zorvane::ribbon::menus::excel
