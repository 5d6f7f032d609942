// The View menu (tag "View"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus {
using namespace controls;

// Its own captions come from the language\'s table `T`.
template <class T>
inline constexpr auto kViewMenu = MenuAnswer(
    ToggleButton(u"ViewNormalViewPowerPoint"),
    ToggleButton(u"ViewSlideSorterView"),
    Control(u"ViewSlideShowView"),
    ToggleButton(u"ViewNotesPageView"),
    Separator(u"rxAuditMiscSeparator_shitu1"),
    LargeSubMenu(u"RXMaster", T::kMaster,
        Control(u"ViewSlideSorterView"),
        Control(u"ViewHandoutMasterView"),
        Control(u"ViewNotesMasterView")),
    LargeSubMenu(u"RXColor", T::kColorAndGrayscale,
        Control(u"ViewDisplayInColor"),
        Control(u"ViewDisplayInGrayscale"),
        Control(u"ViewDisplayInPureBlackAndWhite")),
    Button(u"OutlineExpandAll"),
    ToggleButton(u"OutlineShowTextFormatting"),
    Separator(u"rxAuditMiscSeparator_shitu2"),
    CheckBox(u"ViewRulerPowerPoint"),
    CheckBox(u"ViewGridlines"),
    Control(u"GridSettings"),
    CheckBox(u"ViewMessageBar"),
    Control(u"ShowClipboard"),
    Separator(u"rxAuditMiscSeparator_shitu3"),
    Button(u"HeaderFooterInsert"),
    ToggleButton(u"ReviewShowOrHideMarkup"),
    Button(u"ZoomDialog"),
    Button(u"ZoomFitToWindow"),
    Separator(u"rxAuditMiscSeparator_shitu4"),
    Control(u"FileProperties"));

}  // namespace zorvane::ribbon::menus
