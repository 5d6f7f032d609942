// The View menu of Outlook's message windows (tag "View"): items in the order the user sees
// them. The new message shows or hides its Bcc and From fields; the received one its header,
// source and encoding.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::message {
using namespace controls;

// Previous ▸ and Next ▸, whole from the host.
inline constexpr auto kItemNavigation = Concat(
    Control(u"ViewPreviousItemMenu"),
    Control(u"ViewNextItemMenu"),
    Separator(u"rxAuditMiscSeparator_MsgViewI"));

inline constexpr auto kComposeViewMenu = MenuAnswer(
    kItemNavigation,
    Control(u"ShowBcc"),
    Control(u"ShowFrom"),
    Separator(u"rxAuditMiscSeparator_MsgViewII"),
    Control(u"MessageOptions"));

inline constexpr auto kReadViewMenu = MenuAnswer(
    kItemNavigation,
    Control(u"MessageHeaderToggle"),
    Control(u"ViewSource"),
    Control(u"MessageEncodingGallery"),
    Separator(u"rxAuditMiscSeparator_MsgViewII"),
    Control(u"MessageOptions"));

}  // namespace zorvane::ribbon::menus::outlook::message
