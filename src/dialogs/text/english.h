// The dialogs' text in English.
#pragma once

#include "dialogs/dialog_text.h"

namespace zorvane::dialogs::text {

inline constexpr DialogText kEnglish{
    .ok = L"OK",

    .customCaption = L"Customize",
    .showCustomFrame = L"Choose",
    .showAllMenu = L" Show the \"All\" menu",
    .builtinTabsFrame = L"Built-in tabs to show",
    .checkAllItems = L"Select All",
    .unCheckAllItems = L"Clear All",
    .cancel = L"Cancel",
    .policyNote = L"Some items are set by your administrator.",
    .lockedItem = L"Set by your administrator",
    .tabItems = {L"Show the Home tab", L"Show the Insert tab", L"Show the Design tab", L"Show the Animations tab",
                 L"Show the Slide Show tab", L"Show the Review tab", L"Show the View tab", L"Show the Developer tab",
                 L"Show the Page Layout tab", L"Show the References tab", L"Show the Mailings tab",
                 L"Show the Formulas tab", L"Show the Data tab"},

    .aboutCaption = L"About Quelby",
    .logoName = L"Quelby logo",
    .subtitles = {L"PowerPoint 2007 Menus", L"Word 2007 Menus", L"Excel 2007 Menus"},
    .description = L"    I made this menu add-in for fun. My skills are limited, so please forgive any mistakes "
                   L"you find. Do keep in touch, so that we can all get better together.",
    .authorPrefix = L"Made by:              ",
    .contactHeading = L"Contact:",
    .blogHeading = L"My blog:",
};

}  // namespace zorvane::dialogs::text
