// The ribbon's own text, one table per language, and the check that every table has every
// string: a table that misses one, or leaves one empty, does not compile.
#pragma once

#include <array>
#include <cstddef>

#include "common/ui_language.h"
#include "ribbon/fixed_text.h"
#include "ribbon/text/english.h"
#include "ribbon/text/simplified_chinese.h"
#include "ribbon/text/traditional_chinese.h"

namespace zorvane::ribbon::text {

template <std::size_t N>
consteval bool NonEmpty(const char16_t (&)[N]) {
  return N > 1;
}

// Where a supertip names the host.
inline constexpr char16_t kHostPlaceholder = u'%';

// A supertip holds the host's name once, and text besides.
template <std::size_t N>
consteval bool NamesTheHost(const char16_t (&pattern)[N]) {
  std::size_t placeholders = 0;
  for (std::size_t i = 0; i + 1 < N; ++i) placeholders += pattern[i] == kHostPlaceholder ? 1 : 0;
  return placeholders == 1 && N > 2;
}

// Every string the ribbon document and the menus take from a language's table.
template <class T>
concept CompleteRibbonText = requires {
  requires NonEmpty(T::kPowerPointName);
  requires NonEmpty(T::kWordName);
  requires NonEmpty(T::kExcelName);
  requires NonEmpty(T::kOutlookName);
  requires NonEmpty(T::kAllLabel);
  requires NonEmpty(T::kAllScreentip);
  requires NonEmpty(T::kFileLabel);
  requires NonEmpty(T::kFileScreentip);
  requires NamesTheHost(T::kFileSupertip);
  requires NonEmpty(T::kEditLabel);
  requires NonEmpty(T::kEditScreentip);
  requires NamesTheHost(T::kEditSupertip);
  requires NonEmpty(T::kViewLabel);
  requires NonEmpty(T::kViewScreentip);
  requires NamesTheHost(T::kViewSupertip);
  requires NonEmpty(T::kInsertLabel);
  requires NonEmpty(T::kInsertScreentip);
  requires NamesTheHost(T::kInsertSupertip);
  requires NonEmpty(T::kFormatLabel);
  requires NonEmpty(T::kFormatScreentip);
  requires NamesTheHost(T::kFormatSupertip);
  requires NonEmpty(T::kToolsLabel);
  requires NonEmpty(T::kToolsScreentip);
  requires NamesTheHost(T::kToolsSupertip);
  requires NonEmpty(T::kSlideLabel);
  requires NonEmpty(T::kSlideScreentip);
  requires NamesTheHost(T::kSlideSupertip);
  requires NonEmpty(T::kTableLabel);
  requires NonEmpty(T::kTableScreentip);
  requires NamesTheHost(T::kTableSupertip);
  requires NonEmpty(T::kDataLabel);
  requires NonEmpty(T::kDataScreentip);
  requires NamesTheHost(T::kDataSupertip);
  requires NonEmpty(T::kWindowLabel);
  requires NonEmpty(T::kWindowScreentip);
  requires NamesTheHost(T::kWindowSupertip);
  requires NonEmpty(T::kGoLabel);
  requires NonEmpty(T::kGoScreentip);
  requires NamesTheHost(T::kGoSupertip);
  requires NonEmpty(T::kActionsLabel);
  requires NonEmpty(T::kActionsScreentip);
  requires NamesTheHost(T::kActionsSupertip);
  requires NonEmpty(T::kHelpLabel);
  requires NonEmpty(T::kHelpScreentip);
  requires NamesTheHost(T::kHelpSupertip);
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
  requires NonEmpty(T::kReference);
  requires NonEmpty(T::kPicture);
  requires NonEmpty(T::kTextBox);
  requires NonEmpty(T::kAsianLayout);
  requires NonEmpty(T::kMsgNew);
  requires NonEmpty(T::kMsgFollowUp);
  requires NonEmpty(T::kMsgJunkEmail);
  requires NonEmpty(T::kMsgFindAll);
  requires NonEmpty(T::kMsgForms);
  requires NonEmpty(T::kLanguage);
  requires NonEmpty(T::kLettersAndMailings);
  requires NonEmpty(T::kDelete);
  requires NonEmpty(T::kConvert);
  requires NonEmpty(T::kName);
  requires NonEmpty(T::kRow);
  requires NonEmpty(T::kColumn);
  requires NonEmpty(T::kSheet);
  requires NonEmpty(T::kProtection);
  requires NonEmpty(T::kFormulaAuditing);
  requires NonEmpty(T::kFilter);
  requires NonEmpty(T::kGroupAndOutline);
  requires NonEmpty(T::kExternalData);
  requires NonEmpty(T::kList);
  requires NonEmpty(T::kOlNew);
  requires NonEmpty(T::kOlOpen);
  requires NonEmpty(T::kOlFolder);
  requires NonEmpty(T::kOlPageSetup);
  requires NonEmpty(T::kOlArrangeBy);
  requires NonEmpty(T::kOlSendReceive);
  requires NonEmpty(T::kOlFind);
  requires NonEmpty(T::kOlForms);
  requires NonEmpty(T::kOlNewMailUsing);
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

// Never defined: reached while compiling, it stops the build and names the fault.
void SupertipMustNameTheHostOnce();

// `pattern` with its placeholder replaced by `host`: a supertip that names the host.
template <std::size_t N, std::size_t M>
consteval FixedText<N + M - 3> NamingHost(const char16_t (&pattern)[N], const char16_t (&host)[M]) {
  FixedText<N + M - 3> out{};
  std::size_t pos = 0;
  for (std::size_t i = 0; i + 1 < N; ++i) {
    if (pattern[i] == kHostPlaceholder) {
      pos = detail::CopyInto(out.chars, pos, detail::ViewOf(host));
    } else {
      out.chars[pos++] = pattern[i];
    }
  }
  if (pos != N + M - 3) SupertipMustNameTheHostOnce();
  return out;
}

// A language's place in PerLanguage's arrays; a value outside the enumeration is the first.
constexpr std::size_t IndexOf(UiLanguage language) noexcept {
  const auto index = static_cast<std::size_t>(language);
  return index < kUiLanguageCount ? index : 0;
}

}  // namespace zorvane::ribbon::text
