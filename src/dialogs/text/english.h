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
    .saveFailed = L"Your choice could not be saved: writing to the registry failed.\nThe change holds only until you close the program; at its next start the earlier settings return.\n\nRegistry key: HKEY_CURRENT_USER\\",
    // In the order of settings::TabKind.
    .tabItems = {
        L"Show the Home tab",  // Home
        L"Show the Insert tab",  // Insert
        L"Show the Draw tab",  // Draw
        L"Show the Design tab",  // Design
        L"Show the Transitions tab",  // Transitions
        L"Show the Animations tab",  // Animations
        L"Show the Slide Show tab",  // SlideShow
        L"Show the Recording tab",  // Recording
        L"Show the Page Layout tab",  // PageLayout
        L"Show the References tab",  // References
        L"Show the Mailings tab",  // Mailings
        L"Show the Formulas tab",  // Formulas
        L"Show the Data tab",  // Data
        L"Show the Review tab",  // Review
        L"Show the View tab",  // View
        L"Show the Developer tab",  // Developer
        L"Show the Help tab",  // Help
        L"Show the Send / Receive tab",  // SendReceive
        L"Show the Folder tab",  // Folder
        L"Show the Message tab",  // Message
        L"Show the Options tab",  // Options
        L"Show the Format Text tab",  // FormatText
    },

    .aboutCaption = L"About Quelby",
    .logoName = L"Quelby logo",
    .subtitles = {L"PowerPoint 2007 Menus", L"Word 2007 Menus", L"Excel 2007 Menus", L"Outlook Menus"},
    .description = L"    I made this menu add-in for fun. My skills are limited, so please forgive any mistakes "
                   L"you find. Do keep in touch, so that we can all get better together.",
    .authorPrefix = L"Made by:              ",
    .contactHeading = L"Contact:",
    .blogHeading = L"My blog:",
};

}  // namespace zorvane::dialogs::text
