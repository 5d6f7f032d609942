// What the hosts' toolbar rows share.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::document {
using namespace controls;

// The spacing labels of the toolbars are one blank wide.
inline constexpr char16_t kToolbarGap[] = u" ";

// Cut, Copy, Paste and Format Painter; Undo and Redo; a gap: the middle of every host's first row.
inline constexpr auto kEditingGroups = Concat(
    ButtonGroup(u"RXbuttonV",
        ToolbarControl(u"Cut"),
        ToolbarControl(u"Copy"),
        ToolbarControl(u"PasteMenu"),
        ToolbarControl(u"FormatPainter")),
    ButtonGroup(u"RXbuttonVI",
        ToolbarControl(u"Undo"),
        ToolbarControl(u"Redo")),
    LabelControl(u"rxlableIII", kToolbarGap));

// New, Open and Save; Permission and E-mail; a gap; Print and Print Preview: how Word's and
// Excel's Standard toolbars open.
inline constexpr auto kFileGroups = Concat(
    ButtonGroup(u"RXbuttonI",
        ToolbarControl(u"FileNewDefault"),
        ToolbarControl(u"FileOpen"),
        ToolbarControl(u"FileSave")),
    ButtonGroup(u"RXbuttonII",
        ToolbarControl(u"FilePermissionRestrictMenu"),
        ToolbarControl(u"FileSendAsAttachment")),
    LabelControl(u"rxlableI", kToolbarGap),
    ButtonGroup(u"RXbuttonIII",
        ToolbarControl(u"FilePrintQuick"),
        ToolbarControl(u"FilePrintPreview")));

}  // namespace zorvane::ribbon::document
