// The Actions menu of Outlook's main window (tag "Actions"), as it reads in a mail folder:
// items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::explorer {
using namespace controls;

// Its own captions come from the language's table `T`. Follow-up flags, junk mail and the
// related messages are the host's own menus.
template <class T>
inline constexpr auto kActionsMenu = MenuAnswer(
    Control(u"NewMailMessage"),
    LargeSubMenu(u"RXOlNewMailUsing", T::kOlNewMailUsing,
        Control(u"MoreStationery"),
        Control(u"NewMailUsingPlainText"),
        Control(u"NewMailUsingRichText"),
        Control(u"NewMailUsingHtml")),
    Separator(u"rxAuditMiscSeparator_OlActionsI"),
    BuiltInMenu(u"FollowUpMenu"),
    BuiltInMenu(u"JunkMenu"),
    Separator(u"rxAuditMiscSeparator_OlActionsII"),
    BuiltInMenu(u"FindAllRelatedMenu"),
    Separator(u"rxAuditMiscSeparator_OlActionsIII"),
    Control(u"Reply"),
    Control(u"ReplyAll"),
    Control(u"Forward"));

}  // namespace zorvane::ribbon::menus::outlook::explorer
