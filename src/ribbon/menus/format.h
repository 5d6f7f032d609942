// The Format menu (tag "Format"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus {
using namespace controls;

// Its own captions come from the language\'s table `T`.
template <class T>
inline constexpr auto kFormatMenu = MenuAnswer(
    Control(u"FontDialogPowerPoint"),
    Control(u"BulletsAndNumberingBulletsDialog"),
    LargeSubMenu(u"RXAlign", T::kAlignment,
        Control(u"AlignLeft"),
        Control(u"AlignCenter"),
        Control(u"AlignRight"),
        Control(u"AlignJustify"),
        Control(u"ParagraphDistributed")),
    Control(u"TextAlignGallery"),
    Control(u"TextDirectionGallery"),
    Separator(u"rxAuditMiscSeparator_FormatI"),
    Control(u"PowerPointParagraphDialog"),
    Control(u"TableColumnsGallery"),
    Control(u"LineSpacingGalleryPowerPoint"),
    Control(u"ChangeCaseGallery"),
    Control(u"FontsReplaceFonts"),
    Separator(u"rxAuditMiscSeparator_FormatII"),
    LargeSubMenu(u"RXThemeI", T::kThemes,
        Control(u"SlideThemesGallery"),
        Control(u"ThemeColorsGallery"),
        Control(u"ThemeFontsGallery"),
        Control(u"ThemeEffectsGallery")),
    Control(u"SlideLayoutGallery"),
    Control(u"ChartInsert"),
    Control(u"SlideBackgroundStylesGallery"),
    Control(u"SlideBackgroundHideGraphics"),
    Control(u"SlideReset"),
    Separator(u"rxAuditMiscSeparator_FormatIII"),
    Control(u"PhotoAlbumEdit"),
    Separator(u"rxAuditMiscSeparator_FormatIV"),
    Control(u"ConvertToSmartArt"),
    Control(u"ObjectsArrangeMenu"),
    Control(u"ShapeQuickStylesHome"),
    Control(u"ShapeFillColorPicker"),
    Control(u"ShapeOutlineColorPicker"),
    Control(u"ShapeEffectsMenu"),
    Control(u"ObjectFormatDialog"));

}  // namespace zorvane::ribbon::menus
