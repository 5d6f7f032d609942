// The Insert menu (tag "Insert"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus {
using namespace controls;

// Its own captions come from the language\'s table `T`.
template <class T>
inline constexpr auto kInsertMenu = MenuAnswer(
    Control(u"SlideNewGallery"),
    Control(u"DuplicateSelectedSlides"),
    Separator(u"rxAuditMiscSeparator_charuI"),
    Control(u"DateAndTimeInsert"),
    Control(u"SymbolInsert"),
    LargeSubMenu(u"RXComment", T::kComments,
        Control(u"ReviewShowOrHideMarkup"),
        Control(u"ReviewNewComment"),
        Control(u"ReviewEditComment"),
        Control(u"ReviewDeleteCommentPowerPoint"),
        Control(u"ReviewPreviousCommentPowerPoint"),
        Control(u"ReviewNextCommentPowerPoint")),
    Separator(u"rxAuditMiscSeparator_charuII"),
    Control(u"SlidesReuseSlides"),
    Control(u"SlidesFromOutline"),
    Separator(u"rxAuditMiscSeparator_charuIII"),
    LargeSubMenu(u"RXArt", T::kIllustrations,
        Control(u"ClipArtInsert"),
        Control(u"PictureInsertFromFile"),
        Control(u"PhotoAlbumInsert"),
        Control(u"ShapesInsertGallery"),
        Control(u"WordArtInsertGallery"),
        Control(u"SmartArtInsert")),
    Control(u"SmartArtInsert"),
    Control(u"TextBoxInsertVertical"),
    Control(u"MovieFromFileInsert"),
    Control(u"SoundInsertFromFile"),
    Separator(u"rxAuditMiscSeparator_charuIV"),
    Control(u"ChartInsert"),
    Control(u"TableInsertGallery"),
    Control(u"OleObjectctInsert"),  // the host's own spelling
    Control(u"HyperlinkInsert"),
    Control(u"HeaderFooterInsert"));

}  // namespace zorvane::ribbon::menus
