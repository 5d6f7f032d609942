// The Edit menu of Outlook's message windows (tag "Edit"): items in the order the user sees
// them. Only a received message can be categorized or opened for editing.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::message {
using namespace controls;

inline constexpr auto kEditHead = Concat(
    Control(u"Undo"),
    Control(u"RedoOrRepeat"),
    Separator(u"rxAuditMiscSeparator_MsgEditI"),
    Control(u"Cut"),
    Control(u"Copy"),
    Control(u"Paste"),
    Control(u"PasteSpecialDialog"),
    Control(u"ShowClipboard"),
    Control(u"SelectAll"),
    Separator(u"rxAuditMiscSeparator_MsgEditII"),
    Control(u"FindDialog"),
    Control(u"ReplaceDialog"),
    Separator(u"rxAuditMiscSeparator_MsgEditIII"),
    Control(u"MarkAsUnread"));

// No captions of its own: one text serves every language.
inline constexpr auto kComposeEditMenu = MenuAnswer(kEditHead);

inline constexpr auto kReadEditMenu = MenuAnswer(
    kEditHead,
    Control(u"CategorizeMenu"),
    Separator(u"rxAuditMiscSeparator_MsgEditIV"),
    Control(u"EditMessage"));

}  // namespace zorvane::ribbon::menus::outlook::message
