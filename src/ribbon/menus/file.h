// The File menu (tag "File"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus {
using namespace controls;

inline constexpr auto kFileMenu = MenuAnswer(
    Button(u"FileNew"),
    Button(u"FileOpen"),
    Button(u"FileClose"),
    Separator(u"rxAuditMiscSeparator_wenjian1"),
    Button(u"FileSave"),
    Button(u"FileSaveAs"),
    LabelledButton(u"FileSaveAsPowerPoint97_2003", u"另存为Power Point97_2003工作薄"),
    Separator(u"rxAuditMiscSeparator_wenjian2"),
    BuiltInMenu(u"FilePermissionRestrictMenu"),
    Separator(u"rxAuditMiscSeparator_wenjian3"),
    Button(u"FilePackageForCD"),
    Separator(u"rxAuditMiscSeparator_wenjian4"),
    Button(u"WebPagePreview"),
    Separator(u"rxAuditMiscSeparator_wenjian5"),
    Button(u"PowerPointPageSetup"),
    Control(u"FilePrintPreview"),
    Button(u"FilePrint"),
    Separator(u"rxAuditMiscSeparator_wenjian6"),
    BuiltInMenu(u"FilePrepareMenu"),
    LargeSubMenu(u"RXSend", u"发送",
        Button(u"FileSendAsAttachment"),
        Button(u"ExchangeFolder"),
        Button(u"FileInternetFax"),
        Button(u"CreateHandoutsInWord")),
    BuiltInMenu(u"MenuPublish"),
    Button(u"AdvancedFileProperties"),
    Separator(u"rxAuditMiscSeparator_wenjian7"),
    Button(u"FileExit"));

}  // namespace zorvane::ribbon::menus
