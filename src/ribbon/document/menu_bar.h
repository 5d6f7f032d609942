// The menu bar of the add-in's tab: the nine dynamic menus, once gathered under the
// combined menu and once side by side, with blank labels as spacing.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/ribbon_names.h"

namespace zorvane::ribbon::document {
using namespace controls;

// The spacing labels of the menu bar are three blanks wide.
inline constexpr char16_t kMenuBarGap[] = u"   ";

// label, screentip, supertip and tag, from the language's table `T`: the same on both
// copies of each menu, so that both open with the same items.
template <class T>
inline constexpr auto kFile = DynamicMenuCaption(T::kFileLabel, T::kFileScreentip, T::kFileSupertip, tag::kFile);
template <class T>
inline constexpr auto kEdit = DynamicMenuCaption(T::kEditLabel, T::kEditScreentip, T::kEditSupertip, tag::kEdit);
template <class T>
inline constexpr auto kView = DynamicMenuCaption(T::kViewLabel, T::kViewScreentip, T::kViewSupertip, tag::kView);
template <class T>
inline constexpr auto kInsert =
    DynamicMenuCaption(T::kInsertLabel, T::kInsertScreentip, T::kInsertSupertip, tag::kInsert);
template <class T>
inline constexpr auto kFormat =
    DynamicMenuCaption(T::kFormatLabel, T::kFormatScreentip, T::kFormatSupertip, tag::kFormat);
template <class T>
inline constexpr auto kTools = DynamicMenuCaption(T::kToolsLabel, T::kToolsScreentip, T::kToolsSupertip, tag::kTools);
template <class T>
inline constexpr auto kSlide = DynamicMenuCaption(T::kSlideLabel, T::kSlideScreentip, T::kSlideSupertip, tag::kSlide);
template <class T>
inline constexpr auto kWindow =
    DynamicMenuCaption(T::kWindowLabel, T::kWindowScreentip, T::kWindowSupertip, tag::kWindows);
template <class T>
inline constexpr auto kHelp = DynamicMenuCaption(T::kHelpLabel, T::kHelpScreentip, T::kHelpSupertip, tag::kHelp);

// The combined menu: all nine menus in one, shown or hidden by the user's switch.
template <class T>
inline constexpr auto kCombinedMenu = Element(u"menu",
    Attributes(Attr(u"id", id::kMenuAll), Attr(u"label", T::kAllLabel), Attr(u"screentip", T::kAllScreentip),
               Attr(u"getVisible", callback::kGetVisible)),
    DynamicMenu(u"rxMenu_wenjianII", kFile<T>),
    DynamicMenu(u"rxMenu_bianjiII", kEdit<T>),
    DynamicMenu(u"rxMenu_shituII", kView<T>),
    DynamicMenu(u"rxMenu_charuII", kInsert<T>),
    DynamicMenu(u"rxMenu_FormatII", kFormat<T>),
    DynamicMenu(u"rxMenu_ToolsII", kTools<T>),
    DynamicMenu(u"rxMenu_SlideII", kSlide<T>),
    DynamicMenu(u"rxMenu_WindowII", kWindow<T>),
    DynamicMenu(u"rxMenu_HelpII", kHelp<T>));

// The gap after the combined menu comes and goes with it.
inline constexpr auto kCombinedMenuGap = Element(u"labelControl",
    Attributes(Attr(u"id", id::kLabelAll), Attr(u"label", kMenuBarGap),
               Attr(u"getVisible", callback::kGetVisible)));

template <class T>
inline constexpr auto kMenuBar = Box(u"Quelby_menu",
    kCombinedMenu<T>,
    kCombinedMenuGap,
    DynamicMenu(u"rxMenu_wenjianI", kFile<T>),
    LabelControl(u"rxlable1", kMenuBarGap),
    DynamicMenu(u"rxMenu_bianjiI", kEdit<T>),
    LabelControl(u"rxlable2", kMenuBarGap),
    DynamicMenu(u"rxMenu_shituI", kView<T>),
    LabelControl(u"rxlable3", kMenuBarGap),
    DynamicMenu(u"rxMenu_charuI", kInsert<T>),
    LabelControl(u"rxlable4", kMenuBarGap),
    DynamicMenu(u"rxMenu_FormatI", kFormat<T>),
    LabelControl(u"rxlable5", kMenuBarGap),
    DynamicMenu(u"rxMenu_ToolsI", kTools<T>),
    LabelControl(u"rxlable6", kMenuBarGap),
    DynamicMenu(u"rxMenu_SlideI", kSlide<T>),
    LabelControl(u"rxlable7", kMenuBarGap),
    DynamicMenu(u"rxMenu_WindowI", kWindow<T>),
    LabelControl(u"rxlable8", kMenuBarGap),
    DynamicMenu(u"rxMenu_HelpI", kHelp<T>));

}  // namespace zorvane::ribbon::document
