// The Format menu of Outlook's message windows (tag "Format"): items in the order the user
// sees them. A received message is read, not written, so its menu keeps only the font and
// paragraph, which apply once the user edits it.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::message {
using namespace controls;

inline constexpr auto kFontAndParagraph = Concat(
    Control(u"FontDialog"),
    Control(u"ParagraphDialog"));

inline constexpr auto kComposeFormatMenu = MenuAnswer(
    Control(u"StylesPane"),
    kFontAndParagraph,
    Control(u"BulletsGalleryWord"),
    Control(u"NumberingGalleryWord"),
    Control(u"BordersShadingDialogWord"),
    Control(u"PageColorPicker"),  // Background ▸
    Control(u"ThemesGallery"),
    Separator(u"rxAuditMiscSeparator_MsgFormatI"),
    Control(u"MessageFormatPlainText"),
    Control(u"MessageFormatHtml"),
    Control(u"MessageFormatRichText"),
    Separator(u"rxAuditMiscSeparator_MsgFormatII"),
    Control(u"MessageEncodingGallery"));

inline constexpr auto kReadFormatMenu = MenuAnswer(kFontAndParagraph);

}  // namespace zorvane::ribbon::menus::outlook::message
