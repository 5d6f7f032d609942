// The two toolbar rows of Outlook's main window on the add-in's tab, the Standard and Advanced
// toolbars of a mail folder: the host's own buttons, in button groups separated by one-blank
// labels. No caption of ours, so one text serves every language.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/document/shared_toolbars.h"

namespace zorvane::ribbon::document::outlook::explorer {
using namespace controls;

// New is a button and the host's menu of every new item, as the old split button was.
inline constexpr auto kStandardToolbar = Box(u"Quelby_toolsI",
    ButtonGroup(u"RXbuttonI",
        ToolbarControl(u"NewMailMessage"),
        ToolbarControl(u"MailNewItemMenu")),
    ButtonGroup(u"RXbuttonII",
        ToolbarControl(u"FilePrintQuick"),
        ToolbarControl(u"MoveToFolderGallery"),
        ToolbarControl(u"Delete")),
    LabelControl(u"rxlableI", kToolbarGap),
    ButtonGroup(u"RXbuttonIII",
        ToolbarControl(u"Reply"),
        ToolbarControl(u"ReplyAll"),
        ToolbarControl(u"Forward")),
    LabelControl(u"rxlableII", kToolbarGap),
    ButtonGroup(u"RXbuttonIV",
        ToolbarControl(u"SendReceiveAll")),
    LabelControl(u"rxlableIII", kToolbarGap),
    ButtonGroup(u"RXbuttonV",
        ToolbarControl(u"InstantSearch")),
    // A box to type in, which a button group cannot hold.
    ToolbarControl(u"FindContactCombo"),
    ButtonGroup(u"RXbuttonVI",
        ToolbarControl(u"AddressBook")),
    LabelControl(u"rxlableIV", kToolbarGap),
    ButtonGroup(u"RXbuttonVII",
        ToolbarControl(u"FollowUpMenu"),
        ToolbarControl(u"Help")));

// Labels and button groups go on from the first row's.
inline constexpr auto kAdvancedToolbar = Box(u"Quelby_toolsII",
    ButtonGroup(u"RXbuttonVIII",
        ToolbarControl(u"GotoOutlookToday")),
    ButtonGroup(u"RXbuttonIX",
        ToolbarControl(u"NavBack"),
        ToolbarControl(u"NavForward")),
    LabelControl(u"rxlableV", kToolbarGap),
    ButtonGroup(u"RXbuttonX",
        ToolbarControl(u"MenuPreviewPane"),
        ToolbarControl(u"FilePrintPreview"),
        ToolbarControl(u"Undo")),
    LabelControl(u"rxlableVI", kToolbarGap),
    ButtonGroup(u"RXbuttonXI",
        ToolbarControl(u"RulesAndAlerts")),
    // The list of views, a drop-down box as it was before.
    ToolbarControl(u"CurrentViewGallery"),
    ButtonGroup(u"RXbuttonXII",
        ToolbarControl(u"ToggleGroupByZone"),
        ToolbarControl(u"FieldChooser"),
        ToolbarControl(u"MessagePreview")));

inline constexpr auto kToolbars = Concat(kStandardToolbar, kAdvancedToolbar);

}  // namespace zorvane::ribbon::document::outlook::explorer
