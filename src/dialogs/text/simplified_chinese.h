// The dialogs' text in Simplified Chinese.
#pragma once

#include "dialogs/dialog_text.h"

namespace zorvane::dialogs::text {

inline constexpr DialogText kSimplifiedChinese{
    .ok = L"确定",

    .customCaption = L"自定义",
    .showCustomFrame = L"请选择",
    .showAllMenu = L" 显示“全部”菜单",
    .builtinTabsFrame = L"请选择需显示的内置选项卡",
    .checkAllItems = L"全选",
    .unCheckAllItems = L"全不选",
    .cancel = L"取消",
    .policyNote = L"部分项目已由管理员设置。",
    .lockedItem = L"已由管理员设置",
    .saveFailed = L"无法保存您的选择：写入注册表失败。\n所做的更改只在关闭本程序之前有效，下次启动时将恢复原来的设置。\n\n注册表项：HKEY_CURRENT_USER\\",
    // In the order of settings::TabKind.
    .tabItems = {
        L"显示开始选项卡",  // Home
        L"显示插入选项卡",  // Insert
        L"显示绘图选项卡",  // Draw
        L"显示设计选项卡",  // Design
        L"显示切换选项卡",  // Transitions
        L"显示动画选项卡",  // Animations
        L"显示幻灯片放映选项卡",  // SlideShow
        L"显示录制选项卡",  // Recording
        L"显示页面布局选项卡",  // PageLayout
        L"显示引用选项卡",  // References
        L"显示邮件选项卡",  // Mailings
        L"显示公式选项卡",  // Formulas
        L"显示数据选项卡",  // Data
        L"显示审阅选项卡",  // Review
        L"显示视图选项卡",  // View
        L"显示开发工具选项卡",  // Developer
        L"显示帮助选项卡",  // Help
        L"显示发送/接收选项卡",  // SendReceive
        L"显示文件夹选项卡",  // Folder
        L"显示邮件选项卡",  // Message
        L"显示选项选项卡",  // Options
        L"显示设置文本格式选项卡",  // FormatText
    },

    .aboutCaption = L"关于Quelby",
    .logoName = L"Quelby 标志",
    .subtitles = {L"PowerPoint2007菜单", L"Word2007菜单", L"Excel2007菜单", L"Outlook菜单"},
    .description =
        L"    本人制作此菜单插件纯属娱乐，加之能力有限，人又比较笨，所以出现错误请大家原谅。希望大家多联系我，共同进步。",
    .authorPrefix = L"代码制作:            ",
    .contactHeading = L"联系方式：",
    .blogHeading = L"我的博客:",
};

}  // namespace zorvane::dialogs::text
