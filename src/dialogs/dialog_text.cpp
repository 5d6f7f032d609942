#include "dialogs/dialog_text.h"

#include "dialogs/text/english.h"
#include "dialogs/text/simplified_chinese.h"
#include "dialogs/text/traditional_chinese.h"

namespace zorvane::dialogs {
namespace {

// In the order of UiLanguage.
constexpr const DialogText* kTexts[] = {&text::kSimplifiedChinese, &text::kTraditionalChinese, &text::kEnglish};
static_assert(std::size(kTexts) == kUiLanguageCount);

static_assert(IsComplete(text::kSimplifiedChinese), "a Simplified Chinese text is missing");
static_assert(IsComplete(text::kTraditionalChinese), "a Traditional Chinese text is missing");
static_assert(IsComplete(text::kEnglish), "an English text is missing");

}  // namespace

const DialogText& TextFor(UiLanguage language) noexcept {
  const auto index = static_cast<std::size_t>(language);
  return *kTexts[index < std::size(kTexts) ? index : 0];
}

}  // namespace zorvane::dialogs
