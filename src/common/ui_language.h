// The languages of the add-in's own text; the host's own controls follow the host by themselves.
#pragma once

#include <cstddef>

namespace zorvane {

enum class UiLanguage : unsigned char { kSimplifiedChinese, kTraditionalChinese, kEnglish };
inline constexpr std::size_t kUiLanguageCount = 3;

}  // namespace zorvane
