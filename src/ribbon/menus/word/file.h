// Word's File menu (tag "File"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::word {
using namespace controls;

// Its own captions come from the language's table `T`.
template <class T>
inline constexpr auto kFileMenu = MenuAnswer(
    Control(u"FileNew"),
    Control(u"FileOpen"),
    Control(u"FileClose"),
    Separator(u"rxAuditMiscSeparator_wenjian1"),
    Control(u"FileSave"),
    Control(u"FileSaveAs"),
    Control(u"FileSaveAsWebPage"),
    Control(u"FileFind"),
    Separator(u"rxAuditMiscSeparator_wenjian2"),
    BuiltInMenu(u"FilePermissionRestrictMenu"),
    Separator(u"rxAuditMiscSeparator_wenjian3"),
    Control(u"FileVersionHistoryWord"),
    Separator(u"rxAuditMiscSeparator_wenjian4"),
    Control(u"WebPagePreview"),
    Separator(u"rxAuditMiscSeparator_wenjian5"),
    Control(u"PageSetupDialog"),
    Control(u"FilePrintPreview"),
    Control(u"FilePrint"),
    Separator(u"rxAuditMiscSeparator_wenjian6"),
    LargeSubMenu(u"RXSend", T::kSend,
        Control(u"SendCopySendToMailRecipient"),
        Control(u"ReviewSendForReview"),
        Control(u"FileSendAsAttachment"),
        Control(u"ExchangeFolder"),
        Control(u"FileInternetFax"),
        Control(u"FileSendToPowerPoint")),
    Control(u"AdvancedFileProperties"),
    Separator(u"rxAuditMiscSeparator_wenjian7"),
    Control(u"FileExit"));

}  // namespace zorvane::ribbon::menus::word
