// Word's View menu (tag "View"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::word {
using namespace controls;

inline constexpr auto kViewMenu = MenuAnswer(
    Control(u"ViewDraftView"),
    Control(u"ViewWebLayoutView"),
    Control(u"ViewPrintLayoutView"),
    Control(u"ViewFullScreenReadingView"),
    Control(u"ViewOutlineView"),
    Separator(u"rxAuditMiscSeparator_shitu1"),
    Control(u"ViewRulerWord"),
    Control(u"ViewDocumentMap"),
    Control(u"ViewThumbnails"),
    Separator(u"rxAuditMiscSeparator_shitu2"),
    Control(u"HeaderFooterEditHeader"),
    Control(u"FootnotesEndnotesShow"),
    BuiltInMenu(u"ReviewShowMarkupMenu"),
    Separator(u"rxAuditMiscSeparator_shitu3"),
    Control(u"ViewFullScreenView"),
    Control(u"ZoomDialog"));

}  // namespace zorvane::ribbon::menus::word
