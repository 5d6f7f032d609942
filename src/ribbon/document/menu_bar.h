// The menu bar of the add-in's tab: the nine dynamic menus, once gathered under the
// combined menu and once side by side, with blank labels as spacing.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/ribbon_names.h"
#include "ribbon/text/ribbon_text.h"

namespace zorvane::ribbon::document {
using namespace controls;

// The spacing labels of the menu bar are three blanks wide.
inline constexpr char16_t kMenuBarGap[] = u"   ";

// label, screentip, supertip and tag, from the language's table `T`, the supertip naming the
// host `H`: the same on both copies of each menu, so that both open with the same items.
template <class H, class T, TextPart Label, TextPart Screentip, std::size_t N, TextPart Tag>
consteval auto MenuCaption(const Label& label, const Screentip& screentip, const char16_t (&supertip)[N],
                           const Tag& tag) {
  return DynamicMenuCaption(label, screentip, text::NamingHost(supertip, H::template Name<T>()), tag);
}

template <class H, class T>
inline constexpr auto kFile = MenuCaption<H, T>(T::kFileLabel, T::kFileScreentip, T::kFileSupertip, tag::kFile);
template <class H, class T>
inline constexpr auto kEdit = MenuCaption<H, T>(T::kEditLabel, T::kEditScreentip, T::kEditSupertip, tag::kEdit);
template <class H, class T>
inline constexpr auto kView = MenuCaption<H, T>(T::kViewLabel, T::kViewScreentip, T::kViewSupertip, tag::kView);
template <class H, class T>
inline constexpr auto kInsert =
    MenuCaption<H, T>(T::kInsertLabel, T::kInsertScreentip, T::kInsertSupertip, tag::kInsert);
template <class H, class T>
inline constexpr auto kFormat =
    MenuCaption<H, T>(T::kFormatLabel, T::kFormatScreentip, T::kFormatSupertip, tag::kFormat);
template <class H, class T>
inline constexpr auto kTools = MenuCaption<H, T>(T::kToolsLabel, T::kToolsScreentip, T::kToolsSupertip, tag::kTools);
// The seventh menu is the host's own: Slide Show, Table or Data.
template <class H, class T>
inline constexpr auto kOwn = MenuCaption<H, T>(H::template OwnLabel<T>(), H::template OwnScreentip<T>(),
                                               H::template OwnSupertip<T>(), H::kOwnTag);
template <class H, class T>
inline constexpr auto kWindow =
    MenuCaption<H, T>(T::kWindowLabel, T::kWindowScreentip, T::kWindowSupertip, tag::kWindows);
template <class H, class T>
inline constexpr auto kHelp = MenuCaption<H, T>(T::kHelpLabel, T::kHelpScreentip, T::kHelpSupertip, tag::kHelp);
template <class H, class T>
inline constexpr auto kGo = MenuCaption<H, T>(T::kGoLabel, T::kGoScreentip, T::kGoSupertip, tag::kGo);
template <class H, class T>
inline constexpr auto kActions =
    MenuCaption<H, T>(T::kActionsLabel, T::kActionsScreentip, T::kActionsSupertip, tag::kActions);

// The own menu's ids carry its tag.
template <class H>
inline constexpr auto kOwnId = Concat(u"rxMenu_", H::kOwnTag, u"I");
template <class H>
inline constexpr auto kOwnInnerId = Concat(u"rxMenu_", H::kOwnTag, u"II");

template <class H, class T, TextPart... Menus>
consteval auto CombinedMenuOf(const Menus&... menus) {
  return Element(u"menu",
      Attributes(Attr(u"id", id::kMenuAll), Attr(u"label", Caption(T::kAllLabel)),
                 Attr(u"screentip", Caption(T::kAllScreentip)), Attr(u"getVisible", callback::kGetVisible)),
      menus...);
}

// The combined menu: all nine menus in one, shown or hidden by the user's switch.
template <class H, class T>
inline constexpr auto kCombinedMenu = CombinedMenuOf<H, T>(
    DynamicMenu(u"rxMenu_wenjianII", kFile<H, T>),
    DynamicMenu(u"rxMenu_bianjiII", kEdit<H, T>),
    DynamicMenu(u"rxMenu_shituII", kView<H, T>),
    DynamicMenu(u"rxMenu_charuII", kInsert<H, T>),
    DynamicMenu(u"rxMenu_FormatII", kFormat<H, T>),
    DynamicMenu(u"rxMenu_ToolsII", kTools<H, T>),
    DynamicMenu(kOwnInnerId<H>, kOwn<H, T>),
    DynamicMenu(u"rxMenu_WindowII", kWindow<H, T>),
    DynamicMenu(u"rxMenu_HelpII", kHelp<H, T>));

// The gap after the combined menu comes and goes with it.
inline constexpr auto kCombinedMenuGap = Element(u"labelControl",
    Attributes(Attr(u"id", id::kLabelAll), Attr(u"label", kMenuBarGap),
               Attr(u"getVisible", callback::kGetVisible)));

template <class H, class T>
inline constexpr auto kMenuBar = Box(u"Quelby_menu",
    kCombinedMenu<H, T>,
    kCombinedMenuGap,
    DynamicMenu(u"rxMenu_wenjianI", kFile<H, T>),
    LabelControl(u"rxlable1", kMenuBarGap),
    DynamicMenu(u"rxMenu_bianjiI", kEdit<H, T>),
    LabelControl(u"rxlable2", kMenuBarGap),
    DynamicMenu(u"rxMenu_shituI", kView<H, T>),
    LabelControl(u"rxlable3", kMenuBarGap),
    DynamicMenu(u"rxMenu_charuI", kInsert<H, T>),
    LabelControl(u"rxlable4", kMenuBarGap),
    DynamicMenu(u"rxMenu_FormatI", kFormat<H, T>),
    LabelControl(u"rxlable5", kMenuBarGap),
    DynamicMenu(u"rxMenu_ToolsI", kTools<H, T>),
    LabelControl(u"rxlable6", kMenuBarGap),
    DynamicMenu(kOwnId<H>, kOwn<H, T>),
    LabelControl(u"rxlable7", kMenuBarGap),
    DynamicMenu(u"rxMenu_WindowI", kWindow<H, T>),
    LabelControl(u"rxlable8", kMenuBarGap),
    DynamicMenu(u"rxMenu_HelpI", kHelp<H, T>));

// Outlook's windows: each document's menus have ids of their own, its prefix, the tag and the
// copy ("I" on the bar, "II" in the combined menu).
template <class H, TextPart Tag>
consteval auto BarMenuId(const Tag& tag) {
  return Concat(H::kMenuIdPrefix, tag, u"I");
}
template <class H, TextPart Tag>
consteval auto CombinedMenuId(const Tag& tag) {
  return Concat(H::kMenuIdPrefix, tag, u"II");
}


// The main window's menu bar: File, Edit, View, Go, Tools, Actions, Help.
template <class H, class T>
inline constexpr auto kExplorerMenuBar = Box(u"Quelby_menu",
    CombinedMenuOf<H, T>(
        DynamicMenu(CombinedMenuId<H>(tag::kFile), kFile<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kEdit), kEdit<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kView), kView<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kGo), kGo<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kTools), kTools<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kActions), kActions<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kHelp), kHelp<H, T>)),
    kCombinedMenuGap,
    DynamicMenu(BarMenuId<H>(tag::kFile), kFile<H, T>),
    LabelControl(u"rxlable1", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kEdit), kEdit<H, T>),
    LabelControl(u"rxlable2", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kView), kView<H, T>),
    LabelControl(u"rxlable3", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kGo), kGo<H, T>),
    LabelControl(u"rxlable4", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kTools), kTools<H, T>),
    LabelControl(u"rxlable5", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kActions), kActions<H, T>),
    LabelControl(u"rxlable6", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kHelp), kHelp<H, T>));

// A message window's menu bar: File, Edit, View, Insert, Format, Tools, Actions, Help.
template <class H, class T>
inline constexpr auto kMessageMenuBar = Box(u"Quelby_menu",
    CombinedMenuOf<H, T>(
        DynamicMenu(CombinedMenuId<H>(tag::kFile), kFile<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kEdit), kEdit<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kView), kView<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kInsert), kInsert<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kFormat), kFormat<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kTools), kTools<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kActions), kActions<H, T>),
        DynamicMenu(CombinedMenuId<H>(tag::kHelp), kHelp<H, T>)),
    kCombinedMenuGap,
    DynamicMenu(BarMenuId<H>(tag::kFile), kFile<H, T>),
    LabelControl(u"rxlable1", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kEdit), kEdit<H, T>),
    LabelControl(u"rxlable2", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kView), kView<H, T>),
    LabelControl(u"rxlable3", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kInsert), kInsert<H, T>),
    LabelControl(u"rxlable4", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kFormat), kFormat<H, T>),
    LabelControl(u"rxlable5", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kTools), kTools<H, T>),
    LabelControl(u"rxlable6", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kActions), kActions<H, T>),
    LabelControl(u"rxlable7", kMenuBarGap),
    DynamicMenu(BarMenuId<H>(tag::kHelp), kHelp<H, T>));

}  // namespace zorvane::ribbon::document
