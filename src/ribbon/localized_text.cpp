#include "ribbon/localized_text.h"

namespace zorvane::ribbon {

// Copies the skeleton, each mark replaced by the next caption.
void PutTogether(const LocalizedSource& source, std::size_t language, char16_t* out) noexcept {
  const char16_t* captions = source.captions[language];
  for (const char c : source.skeleton) {
    if (c != detail::kCaptionMark) {
      *out++ = static_cast<unsigned char>(c);
      continue;
    }
    while (*captions != u'\0') *out++ = *captions++;
    ++captions;
  }
}

}  // namespace zorvane::ribbon
