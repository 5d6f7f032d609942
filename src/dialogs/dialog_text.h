// The dialogs' own text in one language. The web address, the author and the contact lines
// are the product's own (product_info.h) and read the same in every language.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "common/office_host.h"
#include "common/ui_language.h"
#include "settings/host_switches.h"

namespace zorvane::dialogs {

struct DialogText {
  // Both dialogs
  std::wstring_view ok;

  // The customization dialog
  std::wstring_view customCaption;
  std::wstring_view showCustomFrame;
  std::wstring_view showAllMenu;  // the combined menu's check box
  std::wstring_view builtinTabsFrame;  // also the list's name for screen readers
  std::wstring_view checkAllItems;
  std::wstring_view unCheckAllItems;
  std::wstring_view cancel;
  std::wstring_view policyNote;  // shown when policy sets a switch
  std::wstring_view lockedItem;  // what a screen reader says of an item policy sets
  // What OK says when the choice could not be written: it holds until the program closes.
  // The settings key follows it.
  std::wstring_view saveFailed;
  // A list item per kind of built-in tab (in settings::TabKind order), in the pattern of
  // "显示开始选项卡"; each host's list takes those of its switches.
  std::array<std::wstring_view, settings::kTabKindCount> tabItems;

  // The About dialog
  std::wstring_view aboutCaption;
  std::wstring_view logoName;
  std::array<std::wstring_view, kOfficeHostCount> subtitles;  // the second title line, naming the host
  std::wstring_view description;
  std::wstring_view authorPrefix;  // blanks at its end line the name up with the contact lines
  std::wstring_view contactHeading;
  std::wstring_view blogHeading;
};

const DialogText& TextFor(UiLanguage language) noexcept;

// The text members, all of them: a language is complete when none of them is empty.
inline constexpr std::wstring_view DialogText::*kSingleTexts[] = {
    &DialogText::ok,           &DialogText::customCaption,  &DialogText::showCustomFrame,
    &DialogText::showAllMenu,  &DialogText::builtinTabsFrame, &DialogText::checkAllItems,
    &DialogText::unCheckAllItems, &DialogText::cancel,      &DialogText::policyNote,
    &DialogText::lockedItem,   &DialogText::saveFailed,     &DialogText::aboutCaption,   &DialogText::logoName,
    &DialogText::description,    &DialogText::authorPrefix,
    &DialogText::contactHeading, &DialogText::blogHeading,
};
// A member added without joining the list above stops the build here.
static_assert(sizeof(DialogText) ==
              (std::size(kSingleTexts) + settings::kTabKindCount + kOfficeHostCount) * sizeof(std::wstring_view));

constexpr bool IsComplete(const DialogText& text) noexcept {
  for (const auto member : kSingleTexts) {
    if ((text.*member).empty()) return false;
  }
  for (const std::wstring_view item : text.tabItems) {
    if (item.empty()) return false;
  }
  for (const std::wstring_view subtitle : text.subtitles) {
    if (subtitle.empty()) return false;
  }
  return true;
}

}  // namespace zorvane::dialogs
