// The Slide Show menu (tag "Slide"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus {
using namespace controls;

// Its own captions come from the language\'s table `T`.
template <class T>
inline constexpr auto kSlideMenu = MenuAnswer(
    Control(u"SlideShowFromBeginning"),
    Control(u"SlideShowFromCurrent"),
    Control(u"SlideShowSetUpDialog"),
    Control(u"SlideShowRehearseTimings"),
    Control(u"SlideShowUseRehearsedTimings"),
    Control(u"RecordNarration"),
    Separator(u"rxAuditMiscSeparator_SlideI"),
    Control(u"ShapesInsertGallery"),
    Control(u"ActionInsert"),
    Control(u"AnimationCustom"),
    LargeSubMenu(u"RXTrasition", T::kTransition,
        Control(u"AnimationTransitionGallery"),
        Control(u"TransitionSoundLoopUntilNextSound"),
        Control(u"SlideTransitionOnMouseClick"),
        Control(u"SlideTransitionApplyToAll")),
    Separator(u"rxAuditMiscSeparator_SlideII"),
    Control(u"SlideHide"),
    Control(u"SlideShowCustom"),
    Separator(u"rxAuditMiscSeparator_SlideIII"),
    Control(u"SlideShowUsePresenterView"));

}  // namespace zorvane::ribbon::menus
