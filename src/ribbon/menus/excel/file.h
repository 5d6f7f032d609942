// Excel's File menu (tag "File"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::excel {
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
    Control(u"WindowSaveWorkspace"),
    Separator(u"rxAuditMiscSeparator_wenjian2"),
    BuiltInMenu(u"FilePermissionRestrictMenu"),
    Separator(u"rxAuditMiscSeparator_wenjian3"),
    Control(u"WebPagePreview"),
    Separator(u"rxAuditMiscSeparator_wenjian4"),
    Control(u"PageSetupPageDialog"),
    BuiltInMenu(u"PrintAreaMenu"),
    Control(u"FilePrintPreview"),
    Control(u"FilePrint"),
    Separator(u"rxAuditMiscSeparator_wenjian5"),
    LargeSubMenu(u"RXSend", T::kSend,
        Control(u"SendCopySendToMailRecipient"),
        Control(u"ReviewSendForReview"),
        Control(u"FileSendAsAttachment"),
        Control(u"ExchangeFolder"),
        Control(u"FileInternetFax")),
    Control(u"AdvancedFileProperties"),
    Separator(u"rxAuditMiscSeparator_wenjian6"),
    Control(u"FileExit"));

}  // namespace zorvane::ribbon::menus::excel
