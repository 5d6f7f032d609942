// The File menu of Outlook's message windows (tag "File"): items in the order the user sees
// them. The new-message window can send; the received one cannot.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::message {
using namespace controls;

// New ▸, the same in both windows. Its caption comes from the language's table `T`.
template <class T>
inline constexpr auto kNewSubMenu = LargeSubMenu(u"RXMsgNew", T::kMsgNew,
    Control(u"NewMailMessage"),
    Control(u"NewPostInThisFolder"),
    Control(u"NewTaskRequest2"),
    Control(u"NewJournalEntry"),
    Control(u"NewInternetFax"),
    Control(u"NewOfficeDocument"));

// From Save on, both windows' File menus are the same.
inline constexpr auto kFileTail = Concat(
    Separator(u"rxAuditMiscSeparator_MsgFileII"),
    Control(u"FileSave"),
    Control(u"FileSaveAs"),
    Control(u"SaveAttachments"),
    Control(u"PermissionRestrictMenu"),
    Separator(u"rxAuditMiscSeparator_MsgFileIII"),
    Control(u"Delete"),
    Control(u"MoveToFolder"),
    Control(u"FileClose"),
    Separator(u"rxAuditMiscSeparator_MsgFileIV"),
    Control(u"PageSetupDialog"),
    Control(u"FilePrintPreview"),
    Control(u"FilePrint"),
    Separator(u"rxAuditMiscSeparator_MsgFileV"),
    Control(u"PropertySheet"),
    Control(u"FileCloseAndLogOff"));

template <class T>
inline constexpr auto kComposeFileMenu = MenuAnswer(
    kNewSubMenu<T>,
    Separator(u"rxAuditMiscSeparator_MsgFileI"),
    Control(u"SendDefault"),
    BuiltInMenu(u"AccountMenu"),  // Send Using ▸
    kFileTail);

template <class T>
inline constexpr auto kReadFileMenu = MenuAnswer(
    kNewSubMenu<T>,
    kFileTail);

}  // namespace zorvane::ribbon::menus::outlook::message
