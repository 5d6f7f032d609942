// The menu bar of the add-in's tab: the nine dynamic menus, once gathered under the
// combined menu and once side by side, with blank labels as spacing.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/ribbon_names.h"

namespace zorvane::ribbon::document {
using namespace controls;

// The spacing labels of the menu bar are three blanks wide.
inline constexpr char16_t kMenuBarGap[] = u"   ";

// label, screentip, supertip and tag: the same on both copies of each menu, so that both
// open with the same items.
inline constexpr auto kFile = DynamicMenuCaption(
    u"文件", u"文件菜单", u"获取Power Point2007打开关闭等和文件相关操作。", tag::kFile);
inline constexpr auto kEdit = DynamicMenuCaption(
    u"编辑", u"编辑菜单", u"获取和Power Point2007复制剪切等和文件编辑有关的操作。", tag::kEdit);
inline constexpr auto kView = DynamicMenuCaption(
    u"视图", u"视图菜单", u"获取和Power Point2007页面布局，外观等的有关操作。", tag::kView);
inline constexpr auto kInsert = DynamicMenuCaption(
    u"插入", u"插入菜单", u"获取和Power Point2007各种对象插入的有关操作。", tag::kInsert);
inline constexpr auto kFormat = DynamicMenuCaption(
    u"格式", u"格式菜单", u"获取和Power Point2007各种对象格式有关的操作。", tag::kFormat);
inline constexpr auto kTools = DynamicMenuCaption(
    u"工具", u"工具菜单", u"获取和Power Point2007检查，控件，宏及方案管理等有关的操作。", tag::kTools);
inline constexpr auto kSlide = DynamicMenuCaption(
    u"幻灯片放映", u"幻灯片放映菜单", u"获取和Power Point2007幻灯片放映有关的操作。", tag::kSlide);
inline constexpr auto kWindow = DynamicMenuCaption(
    u"窗口", u"窗口菜单", u"获取和Power Point2007窗口布局有关的操作。", tag::kWindows);
inline constexpr auto kHelp = DynamicMenuCaption(
    u"帮助", u"帮助菜单", u"获取和Power Point2007有关的信息。", tag::kHelp);

// "全部": all nine menus in one, shown or hidden by the user's switch.
inline constexpr auto kCombinedMenu = Element(u"menu",
    Attributes(Attr(u"id", id::kMenuAll), Attr(u"label", u"全部"), Attr(u"screentip", u"全部菜单"),
               Attr(u"getVisible", callback::kGetVisible)),
    DynamicMenu(u"rxMenu_wenjianII", kFile),
    DynamicMenu(u"rxMenu_bianjiII", kEdit),
    DynamicMenu(u"rxMenu_shituII", kView),
    DynamicMenu(u"rxMenu_charuII", kInsert),
    DynamicMenu(u"rxMenu_FormatII", kFormat),
    DynamicMenu(u"rxMenu_ToolsII", kTools),
    DynamicMenu(u"rxMenu_SlideII", kSlide),
    DynamicMenu(u"rxMenu_WindowII", kWindow),
    DynamicMenu(u"rxMenu_HelpII", kHelp));

// The gap after the combined menu comes and goes with it.
inline constexpr auto kCombinedMenuGap = Element(u"labelControl",
    Attributes(Attr(u"id", id::kLabelAll), Attr(u"label", kMenuBarGap),
               Attr(u"getVisible", callback::kGetVisible)));

inline constexpr auto kMenuBar = Box(u"Quelby_menu",
    kCombinedMenu,
    kCombinedMenuGap,
    DynamicMenu(u"rxMenu_wenjianI", kFile),
    LabelControl(u"rxlable1", kMenuBarGap),
    DynamicMenu(u"rxMenu_bianjiI", kEdit),
    LabelControl(u"rxlable2", kMenuBarGap),
    DynamicMenu(u"rxMenu_shituI", kView),
    LabelControl(u"rxlable3", kMenuBarGap),
    DynamicMenu(u"rxMenu_charuI", kInsert),
    LabelControl(u"rxlable4", kMenuBarGap),
    DynamicMenu(u"rxMenu_FormatI", kFormat),
    LabelControl(u"rxlable5", kMenuBarGap),
    DynamicMenu(u"rxMenu_ToolsI", kTools),
    LabelControl(u"rxlable6", kMenuBarGap),
    DynamicMenu(u"rxMenu_SlideI", kSlide),
    LabelControl(u"rxlable7", kMenuBarGap),
    DynamicMenu(u"rxMenu_WindowI", kWindow),
    LabelControl(u"rxlable8", kMenuBarGap),
    DynamicMenu(u"rxMenu_HelpI", kHelp));

}  // namespace zorvane::ribbon::document
