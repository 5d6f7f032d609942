// Excel's Insert menu (tag "Insert"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::excel {
using namespace controls;

// Its own captions come from the language's table `T`.
template <class T>
inline constexpr auto kInsertMenu = MenuAnswer(
    Control(u"CellsInsertDialog"),
    Control(u"SheetRowsInsert"),
    Control(u"SheetColumnsInsert"),
    Control(u"SheetInsert"),
    Control(u"ChartInsert"),
    Control(u"SymbolInsert"),
    Control(u"PageBreakInsertOrRemove"),
    Control(u"FunctionWizard"),
    LargeSubMenu(u"RXName", T::kName,
        Control(u"NameDefine"),
        Control(u"NamePasteName"),
        Control(u"NameCreateFromSelection"),
        Control(u"NamesApply")),
    Control(u"ReviewNewComment"),
    Separator(u"rxAuditMiscSeparator_charuI"),
    LargeSubMenu(u"RXPicture", T::kPicture,
        Control(u"ClipArtInsert"),
        Control(u"PictureInsertFromFile"),
        Control(u"ShapesInsertGallery"),
        Control(u"WordArtInsertGallery")),
    Control(u"SmartArtInsert"),
    Control(u"OleObjectctInsert"),  // the host's own spelling
    Control(u"HyperlinkInsert"));

}  // namespace zorvane::ribbon::menus::excel
