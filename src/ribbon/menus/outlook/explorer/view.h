// The View menu of Outlook's main window (tag "View"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::explorer {
using namespace controls;

// Its own captions come from the language's table `T`. The panes, the preview and the groups
// are the host's own menus, which offer what the old sub-menus and switches did.
template <class T>
inline constexpr auto kViewMenu = MenuAnswer(
    LargeSubMenu(u"RXOlArrangeBy", T::kOlArrangeBy,
        Control(u"CurrentViewGallery"),
        Control(u"ArrangeByDate"),
        Control(u"ArrangeByConversation"),
        Control(u"ArrangeByFrom"),
        Control(u"ArrangeByTo"),
        Control(u"ArrangeByFolder"),
        Control(u"ArrangeBySize"),
        Control(u"ArrangeBySubject"),
        Control(u"ArrangeByType"),
        Control(u"ArrangeByToDoDue"),
        Control(u"ArrangeByAttachment"),
        Control(u"ArrangeByAccount"),
        Control(u"ArrangeByImportance"),
        Control(u"ArrangeByCategory"),
        Control(u"ReverseSort"),
        Control(u"CurrentViewSettings")),
    Separator(u"rxAuditMiscSeparator_OlViewI"),
    BuiltInMenu(u"MenuNavigationPane"),
    BuiltInMenu(u"MenuPreviewPane"),
    BuiltInMenu(u"MessagePreview"),
    Separator(u"rxAuditMiscSeparator_OlViewII"),
    BuiltInMenu(u"MenuExpandCollapse"),
    Separator(u"rxAuditMiscSeparator_OlViewIII"),
    Control(u"ShowRemindersWindow"));

}  // namespace zorvane::ribbon::menus::outlook::explorer
