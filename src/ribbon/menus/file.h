// The File menu (tag "File"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus {
using namespace controls;

// Its own captions come from the language\'s table `T`.
template <class T>
inline constexpr auto kFileMenu = MenuAnswer(
    Button(u"FileNew"),
    Button(u"FileOpen"),
    Button(u"FileClose"),
    Separator(u"rxAuditMiscSeparator_wenjian1"),
    Button(u"FileSave"),
    Button(u"FileSaveAs"),
    LabelledButton(u"FileSaveAsPowerPoint97_2003", T::kSaveAs97),
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
    LargeSubMenu(u"RXSend", T::kSend,
        Button(u"FileSendAsAttachment"),
        Button(u"ExchangeFolder"),
        Button(u"FileInternetFax"),
        Button(u"CreateHandoutsInWord")),
    BuiltInMenu(u"MenuPublish"),
    Button(u"AdvancedFileProperties"),
    Separator(u"rxAuditMiscSeparator_wenjian7"),
    Button(u"FileExit"));

}  // namespace zorvane::ribbon::menus
