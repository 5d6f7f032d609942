// Word's two toolbar rows on the add-in's tab, its Standard and Formatting toolbars: the
// host's own buttons, in button groups separated by one-blank labels. No caption of ours, so
// one text serves every language.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/document/shared_toolbars.h"

namespace zorvane::ribbon::document::word {
using namespace controls;

inline constexpr auto kStandardToolbar = Box(u"Quelby_toolsI",
    kFileGroups,
    ButtonGroup(u"RXbuttonIV",
        ToolbarControl(u"SpellingAndGrammar"),
        ToolbarControl(u"ResearchPane")),
    LabelControl(u"rxlableII", kToolbarGap),
    kEditingGroups,
    ButtonGroup(u"RXbuttonVII",
        ToolbarControl(u"HyperlinkInsert"),
        ToolbarControl(u"TableDrawTable"),
        ToolbarControl(u"TableInsertGallery"),
        ToolbarControl(u"TableExcelSpreadsheetInsert"),
        ToolbarControl(u"TableColumnsGallery")),
    ButtonGroup(u"RXbuttonVIII",
        ToolbarControl(u"ShapesInsertGallery"),
        ToolbarControl(u"ParagraphMarks")),
    LabelControl(u"rxlableIV", kToolbarGap),
    ButtonGroup(u"RXbuttonIX",
        ToolbarControl(u"ZoomClassic"),
        ToolbarControl(u"Help"),
        ToolbarControl(u"ViewFullScreenReadingView")));

// Labels here are numbered on from XI; the button groups go on from the first row's.
inline constexpr auto kFormattingToolbar = Box(u"Quelby_toolsII",
    ButtonGroup(u"RXbuttonX",
        ToolbarControl(u"StylesPane")),
    ToolbarControl(u"StyleGalleryClassic"),
    ToolbarControl(u"Font"),
    ToolbarControl(u"FontSize"),
    LabelControl(u"rxlableXI", kToolbarGap),
    ButtonGroup(u"RXbuttonXI",
        ToolbarControl(u"Bold"),
        ToolbarControl(u"Italic"),
        ToolbarControl(u"Underline"),
        ToolbarControl(u"CharacterBorder"),
        ToolbarControl(u"CharacterShading"),
        ToolbarControl(u"AsianLayoutCharacterScaling")),
    ButtonGroup(u"RXbuttonXII",
        ToolbarControl(u"AlignJustify"),
        ToolbarControl(u"AlignCenter"),
        ToolbarControl(u"AlignRight"),
        ToolbarControl(u"ParagraphDistributed"),
        ToolbarControl(u"LineSpacingGallery")),
    LabelControl(u"rxlableXII", kToolbarGap),
    ButtonGroup(u"RXbuttonXIII",
        ToolbarControl(u"NumberingGalleryWord"),
        ToolbarControl(u"BulletsGalleryWord"),
        ToolbarControl(u"IndentDecreaseWord"),
        ToolbarControl(u"IndentIncreaseWord")),
    ButtonGroup(u"RXbuttonXIV",
        ToolbarControl(u"BordersSelectionGallery"),
        ToolbarControl(u"TextHighlightColorPicker"),
        ToolbarControl(u"FontColorPicker")),
    LabelControl(u"rxlableXIII", kToolbarGap),
    ButtonGroup(u"RXbuttonXV",
        ToolbarControl(u"AsianLayoutPhoneticGuide"),
        ToolbarControl(u"AsianLayoutCharactersEnclose")));

inline constexpr auto kToolbars = Concat(kStandardToolbar, kFormattingToolbar);

}  // namespace zorvane::ribbon::document::word
