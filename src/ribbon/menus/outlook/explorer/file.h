// The File menu of Outlook's main window (tag "File"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::explorer {
using namespace controls;

// Its own captions come from the language's table `T`. Exit has no control on this ribbon.
template <class T>
inline constexpr auto kFileMenu = MenuAnswer(
    LargeSubMenu(u"RXOlNew", T::kOlNew,
        Control(u"NewMailMessage"),
        Control(u"NewPostInThisFolder3"),
        Control(u"NewFolder"),
        Control(u"NewSearchFolder"),
        Control(u"NewShortcut"),
        Control(u"NewAppointment"),
        Control(u"NewMeetingRequest"),
        Control(u"NewContact"),
        Control(u"NewDistributionList"),
        Control(u"NewTask"),
        Control(u"NewTaskRequestCompact"),
        Control(u"NewJournalEntry"),
        Control(u"NewNote"),
        Control(u"NewInternetFax"),
        Control(u"ChooseForm"),
        Control(u"NewOutlookDataFile")),
    LargeSubMenu(u"RXOlOpen", T::kOlOpen,
        Control(u"OpenSelectedItems"),
        Control(u"OtherUserFolderOpen"),
        Control(u"OutlookDataFileOpen")),
    Control(u"CloseAllItems"),
    Separator(u"rxAuditMiscSeparator_OlFileI"),
    Control(u"FileSaveAs"),
    Control(u"SaveAttachments"),
    Separator(u"rxAuditMiscSeparator_OlFileII"),
    LargeSubMenu(u"RXOlFolder", T::kOlFolder,
        Control(u"NewFolder"),
        Control(u"MoveThisFolder"),
        Control(u"CopyThisFolder"),
        Control(u"DeleteThisFolder"),
        Control(u"RenameThisFolder"),
        Control(u"FolderProperties")),
    Separator(u"rxAuditMiscSeparator_OlFileIII"),
    Control(u"DataFileManagement"),
    Control(u"ImportExport"),
    Control(u"Archive"),
    Separator(u"rxAuditMiscSeparator_OlFileIV"),
    LargeSubMenu(u"RXOlPageSetup", T::kOlPageSetup,
        Control(u"PageSetupDialog"),
        Control(u"DefinePrintStyles")),
    Control(u"FilePrintPreview"),
    Control(u"FilePrint"),
    Separator(u"rxAuditMiscSeparator_OlFileV"),
    Control(u"ToggleOnline"));

}  // namespace zorvane::ribbon::menus::outlook::explorer
