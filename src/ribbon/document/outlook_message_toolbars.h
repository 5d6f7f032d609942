// The two toolbar rows of Outlook's message windows on the add-in's tab, their Standard and
// Formatting toolbars: the host's own buttons, in button groups separated by one-blank
// labels. The new-message and the received-message window are two ribbons that know
// different controls, so each has its own rows. No caption of ours: one text serves every
// language.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/document/shared_toolbars.h"

namespace zorvane::ribbon::document::outlook::message {
using namespace controls;

// Font, size, emphasis and colour, which a received message also takes once opened for
// editing. Groups here are numbered on from X in both windows.
inline constexpr auto kFontGroups = Concat(
    ToolbarControl(u"Font"),
    ToolbarControl(u"FontSize"),
    LabelControl(u"rxMsglableX", kToolbarGap),
    ButtonGroup(u"RXMsgbuttonX",
        ToolbarControl(u"Bold"),
        ToolbarControl(u"Italic"),
        ToolbarControl(u"Underline")),
    ButtonGroup(u"RXMsgbuttonXI",
        ToolbarControl(u"FontColorPicker"),
        ToolbarControl(u"TextHighlightColorPicker")));

inline constexpr auto kComposeStandardToolbar = Box(u"Quelby_toolsI",
    ButtonGroup(u"RXMsgbuttonI",
        ToolbarControl(u"SendDefault"),
        ToolbarControl(u"AccountMenu")),
    ButtonGroup(u"RXMsgbuttonII",
        ToolbarControl(u"FileSave"),
        ToolbarControl(u"FilePrint")),
    LabelControl(u"rxMsglableI", kToolbarGap),
    ButtonGroup(u"RXMsgbuttonIII",
        ToolbarControl(u"Cut"),
        ToolbarControl(u"Copy"),
        ToolbarControl(u"PasteMenu"),
        ToolbarControl(u"FormatPainter")),
    ButtonGroup(u"RXMsgbuttonIV",
        ToolbarControl(u"Undo"),
        ToolbarControl(u"RedoOrRepeat")),
    LabelControl(u"rxMsglableII", kToolbarGap),
    ButtonGroup(u"RXMsgbuttonV",
        ToolbarControl(u"AttachFile"),
        ToolbarControl(u"AttachItem"),
        ToolbarControl(u"SignatureInsertMenu")),
    ButtonGroup(u"RXMsgbuttonVI",
        ToolbarControl(u"AddressBook"),
        ToolbarControl(u"CheckNames")),
    LabelControl(u"rxMsglableIII", kToolbarGap),
    ButtonGroup(u"RXMsgbuttonVII",
        ToolbarControl(u"HighImportance"),
        ToolbarControl(u"LowImportance"),
        ToolbarControl(u"FollowUpComposeMenu"),
        ToolbarControl(u"PermissionRestrictMenu"),
        ToolbarControl(u"MessageOptions")));

inline constexpr auto kComposeFormattingToolbar = Box(u"Quelby_toolsII",
    ButtonGroup(u"RXMsgbuttonIX",
        ToolbarControl(u"StylesPane")),
    kFontGroups,
    LabelControl(u"rxMsglableXI", kToolbarGap),
    ButtonGroup(u"RXMsgbuttonXII",
        ToolbarControl(u"AlignLeft"),
        ToolbarControl(u"AlignCenter"),
        ToolbarControl(u"AlignRight")),
    ButtonGroup(u"RXMsgbuttonXIII",
        ToolbarControl(u"NumberingGalleryWord"),
        ToolbarControl(u"BulletsGalleryWord"),
        ToolbarControl(u"IndentDecreaseWord"),
        ToolbarControl(u"IndentIncreaseWord")),
    ButtonGroup(u"RXMsgbuttonXIV",
        ToolbarControl(u"HorizontalLineInsert")));

inline constexpr auto kComposeToolbars = Concat(kComposeStandardToolbar, kComposeFormattingToolbar);

inline constexpr auto kReadStandardToolbar = Box(u"Quelby_toolsI",
    ButtonGroup(u"RXMsgbuttonI",
        ToolbarControl(u"Reply"),
        ToolbarControl(u"ReplyAll"),
        ToolbarControl(u"Forward")),
    LabelControl(u"rxMsglableI", kToolbarGap),
    ButtonGroup(u"RXMsgbuttonII",
        ToolbarControl(u"FilePrint"),
        ToolbarControl(u"MoveToFolder"),
        ToolbarControl(u"Delete")),
    LabelControl(u"rxMsglableII", kToolbarGap),
    ButtonGroup(u"RXMsgbuttonIII",
        ToolbarControl(u"FollowUpReadMenu"),
        ToolbarControl(u"CategorizeMenu"),
        ToolbarControl(u"JunkMenu")),
    ButtonGroup(u"RXMsgbuttonIV",
        ToolbarControl(u"ViewPreviousItemMenu"),
        ToolbarControl(u"ViewNextItemMenu")),
    LabelControl(u"rxMsglableIII", kToolbarGap),
    ButtonGroup(u"RXMsgbuttonV",
        ToolbarControl(u"Help")));

// Short: a received message is read, and is formatted only after Edit Message.
inline constexpr auto kReadFormattingToolbar = Box(u"Quelby_toolsII",
    ButtonGroup(u"RXMsgbuttonIX",
        ToolbarControl(u"EditMessage")),
    kFontGroups);

inline constexpr auto kReadToolbars = Concat(kReadStandardToolbar, kReadFormattingToolbar);

}  // namespace zorvane::ribbon::document::outlook::message
