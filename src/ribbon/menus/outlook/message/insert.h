// The Insert menu of Outlook's message windows (tag "Insert"): items in the order the user
// sees them. A received message takes the same insertions once it is opened for editing, so
// both windows share one menu.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::message {
using namespace controls;

// Its own captions come from the language's table `T`.
template <class T>
inline constexpr auto kInsertMenu = MenuAnswer(
    Control(u"AttachFile"),
    Control(u"AttachItem"),
    Control(u"OleObjectctInsert"),  // the host's own spelling
    Separator(u"rxAuditMiscSeparator_MsgInsertI"),
    BuiltInMenu(u"SignatureInsertMenu"),
    Separator(u"rxAuditMiscSeparator_MsgInsertII"),
    LargeSubMenu(u"RXMsgPicture", T::kPicture,
        Control(u"ClipArtInsertDialog"),
        Control(u"PictureInsertFromFile"),
        Control(u"ShapesInsertGallery"),
        Control(u"WordArtInsertGallery"),
        Control(u"ChartInsert")),
    Control(u"HorizontalLineInsert"),
    Control(u"HyperlinkInsert"),
    Control(u"BookmarkInsert"),
    Separator(u"rxAuditMiscSeparator_MsgInsertIII"),
    Control(u"SymbolsDialog"),
    Control(u"TableInsertDialogWord"));

template <class T>
inline constexpr const auto& kComposeInsertMenu = kInsertMenu<T>;
template <class T>
inline constexpr const auto& kReadInsertMenu = kInsertMenu<T>;

}  // namespace zorvane::ribbon::menus::outlook::message
