// The Actions menu of Outlook's message windows (tag "Actions"): items in the order the user
// sees them. Replies, junk-mail handling and searches need a message that was received.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::message {
using namespace controls;

// Follow Up ▸, built from the flags both windows know. Its caption comes from the
// language's table `T`.
template <class T>
inline constexpr auto kFollowUpSubMenu = LargeSubMenu(u"RXMsgFollowUp", T::kMsgFollowUp,
    Control(u"FlagToday"),
    Control(u"FlagTomorrow"),
    Control(u"FlagThisWeek"),
    Control(u"FlagNextWeek"),
    Control(u"FlagNoDate"),
    Control(u"FlagCustom"),
    Control(u"AddReminder"),
    Control(u"TagMarkComplete"),
    Control(u"ClearFlag"));

// A sent message can be recalled or sent again from either window.
inline constexpr auto kSentMessageActions = Concat(
    Separator(u"rxAuditMiscSeparator_MsgActionsIII"),
    Control(u"RecallThisMessage"),
    Control(u"ResendThisMessage"));

template <class T>
inline constexpr auto kComposeActionsMenu = MenuAnswer(
    Control(u"NewMailMessage"),
    Separator(u"rxAuditMiscSeparator_MsgActionsI"),
    kFollowUpSubMenu<T>,
    Control(u"Forward"),
    kSentMessageActions);

template <class T>
inline constexpr auto kReadActionsMenu = MenuAnswer(
    Control(u"NewMailMessage"),
    Separator(u"rxAuditMiscSeparator_MsgActionsI"),
    Control(u"Reply"),
    Control(u"ReplyAll"),
    Control(u"Forward"),
    Control(u"ForwardAsAttachment"),
    Separator(u"rxAuditMiscSeparator_MsgActionsII"),
    kFollowUpSubMenu<T>,
    LargeSubMenu(u"RXMsgJunkEmail", T::kMsgJunkEmail,
        Control(u"JunkEmailAddToBlockedSendersList"),
        Control(u"JunkEmailAddToSafeSendersList"),
        Control(u"JunkEmailAddToSafeDomainList"),
        Control(u"JunkEmailAddToSafeRecipientsList"),
        Control(u"JunkEmailMarkAsNotJunk"),
        Control(u"JunkEmailOptions")),
    LargeSubMenu(u"RXMsgFindAll", T::kMsgFindAll,
        Control(u"FindRelatedMessages"),
        Control(u"FindMessagesFromSender")),
    Control(u"Call"),
    kSentMessageActions);

}  // namespace zorvane::ribbon::menus::outlook::message
