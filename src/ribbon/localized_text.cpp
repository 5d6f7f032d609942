#include "ribbon/localized_text.h"

#include <atomic>

namespace zorvane::ribbon {

// Copies the skeleton, each mark replaced by the next caption.
void PutTogether(const LocalizedSource& source, std::size_t language, char16_t* room) noexcept {
  const char16_t* captions = source.captions[language];
  char16_t* out = room + 1;
  // Not substr(1): its range check would bring an exception into a module built without them.
  for (const char c : std::string_view(source.skeleton.data() + 1, source.skeleton.size() - 1)) {
    if (c != detail::kCaptionMark) {
      *out++ = static_cast<unsigned char>(c);
      continue;
    }
    while (*captions != u'\0') *out++ = *captions++;
    ++captions;
  }
  // The first unit says the text is whole, so it goes in last: a reader on another thread
  // sees either nothing yet (and puts the same units together itself) or the whole text.
  std::atomic_ref<char16_t>(room[0]).store(static_cast<unsigned char>(source.skeleton[0]), std::memory_order_release);
}

}  // namespace zorvane::ribbon
