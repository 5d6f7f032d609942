// Word's Insert menu (tag "Insert"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::word {
using namespace controls;

// Its own captions come from the language's table `T`.
template <class T>
inline constexpr auto kInsertMenu = MenuAnswer(
    Control(u"BreakInsertDialog"),
    BuiltInMenu(u"HeaderFooterPageNumberInsert"),
    Control(u"DateAndTimeInsert"),
    Control(u"AutoTextGallery"),
    Control(u"FieldInsert"),
    Control(u"SymbolsDialog"),
    Control(u"NumberInsert"),
    Control(u"ReviewNewComment"),
    Separator(u"rxAuditMiscSeparator_charuI"),
    LargeSubMenu(u"RXReference", T::kReference,
        Control(u"FootnoteEndnoteDialog"),
        Control(u"CaptionInsert"),
        Control(u"CrossReferenceInsert"),
        Control(u"IndexAndTables")),
    Control(u"WebComponent"),
    Separator(u"rxAuditMiscSeparator_charuII"),
    LargeSubMenu(u"RXPicture", T::kPicture,
        Control(u"ClipArtInsert"),
        Control(u"PictureInsertFromFile"),
        Control(u"OrganizationChartInsert"),
        Control(u"ShapesInsertGallery"),
        Control(u"WordArtInsertGallery"),
        Control(u"ChartInsert")),
    Control(u"SmartArtInsert"),
    LargeSubMenu(u"RXTextBox", T::kTextBox,
        Control(u"TextBoxInsertHorizontal"),
        Control(u"TextBoxInsertVertical")),
    Control(u"TextFromFileInsert"),
    Control(u"OleObjectctInsert"),  // the host's own spelling
    Control(u"BookmarkInsert"),
    Separator(u"rxAuditMiscSeparator_charuIII"),
    Control(u"HyperlinkInsert"));

}  // namespace zorvane::ribbon::menus::word
