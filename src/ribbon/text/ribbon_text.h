// The ribbon's own text, one table per language, and the check that every table has every
// string: a table that misses one, or leaves one empty, does not compile.
#pragma once

#include <array>
#include <cstddef>

#include "common/ui_language.h"
#include "ribbon/text/english.h"
#include "ribbon/text/simplified_chinese.h"
#include "ribbon/text/traditional_chinese.h"

namespace zorvane::ribbon::text {

template <std::size_t N>
consteval bool NonEmpty(const char16_t (&)[N]) {
  return N > 1;
}

// Every string the ribbon document and the menus take from a language's table.
template <class T>
concept CompleteRibbonText = requires {
  requires NonEmpty(T::kAllLabel);
  requires NonEmpty(T::kAllScreentip);
  requires NonEmpty(T::kFileLabel);
  requires NonEmpty(T::kFileScreentip);
  requires NonEmpty(T::kFileSupertip);
  requires NonEmpty(T::kEditLabel);
  requires NonEmpty(T::kEditScreentip);
  requires NonEmpty(T::kEditSupertip);
  requires NonEmpty(T::kViewLabel);
  requires NonEmpty(T::kViewScreentip);
  requires NonEmpty(T::kViewSupertip);
  requires NonEmpty(T::kInsertLabel);
  requires NonEmpty(T::kInsertScreentip);
  requires NonEmpty(T::kInsertSupertip);
  requires NonEmpty(T::kFormatLabel);
  requires NonEmpty(T::kFormatScreentip);
  requires NonEmpty(T::kFormatSupertip);
  requires NonEmpty(T::kToolsLabel);
  requires NonEmpty(T::kToolsScreentip);
  requires NonEmpty(T::kToolsSupertip);
  requires NonEmpty(T::kSlideLabel);
  requires NonEmpty(T::kSlideScreentip);
  requires NonEmpty(T::kSlideSupertip);
  requires NonEmpty(T::kWindowLabel);
  requires NonEmpty(T::kWindowScreentip);
  requires NonEmpty(T::kWindowSupertip);
  requires NonEmpty(T::kHelpLabel);
  requires NonEmpty(T::kHelpScreentip);
  requires NonEmpty(T::kHelpSupertip);
  requires NonEmpty(T::kSaveAs97);
  requires NonEmpty(T::kSend);
  requires NonEmpty(T::kMaster);
  requires NonEmpty(T::kAlignment);
  requires NonEmpty(T::kIllustrations);
  requires NonEmpty(T::kMacros);
  requires NonEmpty(T::kControls);
  requires NonEmpty(T::kTransition);
  requires NonEmpty(T::kColorAndGrayscale);
  requires NonEmpty(T::kThemes);
  requires NonEmpty(T::kComments);
  requires NonEmpty(T::kCustomize);
  requires NonEmpty(T::kAbout);
};

static_assert(CompleteRibbonText<SimplifiedChinese>, "the Simplified Chinese table misses a string");
static_assert(CompleteRibbonText<TraditionalChinese>, "the Traditional Chinese table misses a string");
static_assert(CompleteRibbonText<English>, "the English table misses a string");

// `make.operator()<Table>()` for each language's table, in UiLanguage order.
template <class Make>
consteval auto PerLanguage(Make make) {
  std::array all{make.template operator()<SimplifiedChinese>(), make.template operator()<TraditionalChinese>(),
                 make.template operator()<English>()};
  static_assert(all.size() == kUiLanguageCount, "one table per language");
  return all;
}

// A language's place in PerLanguage's arrays; a value outside the enumeration is the first.
constexpr std::size_t IndexOf(UiLanguage language) noexcept {
  const auto index = static_cast<std::size_t>(language);
  return index < kUiLanguageCount ? index : 0;
}

}  // namespace zorvane::ribbon::text
