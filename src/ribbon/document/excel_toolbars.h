// Excel's two toolbar rows on the add-in's tab, its Standard and Formatting toolbars: the
// host's own buttons, in button groups separated by one-blank labels. No caption of ours, so
// one text serves every language.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/document/shared_toolbars.h"

namespace zorvane::ribbon::document::excel {
using namespace controls;

inline constexpr auto kStandardToolbar = Box(u"Quelby_toolsI",
    kFileGroups,
    ButtonGroup(u"RXbuttonIV",
        ToolbarControl(u"Spelling")),
    LabelControl(u"rxlableII", kToolbarGap),
    kEditingGroups,
    ButtonGroup(u"RXbuttonVII",
        ToolbarControl(u"HyperlinkInsert"),
        ToolbarControl(u"AutoSum"),
        ToolbarControl(u"SortAscendingExcel"),
        ToolbarControl(u"SortDescendingExcel")),
    ButtonGroup(u"RXbuttonVIII",
        ToolbarControl(u"ChartInsert"),
        ToolbarControl(u"ShapesInsertGallery")),
    LabelControl(u"rxlableIV", kToolbarGap),
    ButtonGroup(u"RXbuttonIX",
        ToolbarControl(u"ZoomClassic"),
        ToolbarControl(u"Help")));

// Labels here are numbered on from XI; the button groups go on from the first row's.
inline constexpr auto kFormattingToolbar = Box(u"Quelby_toolsII",
    ToolbarControl(u"Font"),
    ToolbarControl(u"FontSize"),
    LabelControl(u"rxlableXI", kToolbarGap),
    ButtonGroup(u"RXbuttonX",
        ToolbarControl(u"Bold"),
        ToolbarControl(u"Italic"),
        ToolbarControl(u"Underline")),
    ButtonGroup(u"RXbuttonXI",
        ToolbarControl(u"AlignLeft"),
        ToolbarControl(u"AlignCenter"),
        ToolbarControl(u"AlignRight"),
        ToolbarControl(u"MergeCenter")),
    LabelControl(u"rxlableXII", kToolbarGap),
    ButtonGroup(u"RXbuttonXII",
        ToolbarControl(u"AccountingFormatMenu"),
        ToolbarControl(u"PercentStyle"),
        ToolbarControl(u"CommaStyle"),
        ToolbarControl(u"DecimalsIncrease"),
        ToolbarControl(u"DecimalsDecrease")),
    ButtonGroup(u"RXbuttonXIII",
        ToolbarControl(u"IndentDecreaseExcel"),
        ToolbarControl(u"IndentIncreaseExcel")),
    LabelControl(u"rxlableXIII", kToolbarGap),
    ButtonGroup(u"RXbuttonXIV",
        ToolbarControl(u"BordersGallery"),
        ToolbarControl(u"CellFillColorPicker"),
        ToolbarControl(u"FontColorPicker")));

inline constexpr auto kToolbars = Concat(kStandardToolbar, kFormattingToolbar);

}  // namespace zorvane::ribbon::document::excel
