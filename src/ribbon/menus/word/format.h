// Word's Format menu (tag "Format"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::word {
using namespace controls;

// Its own captions come from the language's table `T`.
template <class T>
inline constexpr auto kFormatMenu = MenuAnswer(
    Control(u"FontDialog"),
    Control(u"ParagraphDialog"),
    Control(u"BulletsAndNumberingClassic"),
    Control(u"BordersShadingDialogWord"),
    Control(u"ColumnsDialog"),
    Control(u"TabsDialog"),
    // East Asian layout, which Chinese builds have.
    LargeSubMenu(u"RXAsianLayout", T::kAsianLayout,
        Control(u"AsianLayoutPhoneticGuide"),
        Control(u"AsianLayoutCharactersEnclose"),
        Control(u"AsianLayoutHorizontalInVertical"),
        Control(u"AsianLayoutCombineCharacters"),
        Control(u"AsianLayoutTwoLinesInOne"),
        Control(u"AsianLayoutFitText"),
        Control(u"AsianLayoutCharacterScaling")),
    Control(u"DropCapOptionsDialog"),
    Control(u"TextDirection"),
    Control(u"ChangeCaseGallery"),
    Separator(u"rxAuditMiscSeparator_FormatI"),
    Control(u"PageColorPicker"),
    Control(u"ThemesGallery"),
    BuiltInMenu(u"FramesetMenu"),
    Control(u"AutoFormat"),
    Control(u"StylesPane"),
    Control(u"RevealFormatting"),
    Separator(u"rxAuditMiscSeparator_FormatII"),
    Control(u"ObjectFormatDialog"));

}  // namespace zorvane::ribbon::menus::word
