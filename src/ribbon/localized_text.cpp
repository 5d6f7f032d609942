#include "ribbon/localized_text.h"

namespace zorvane::ribbon {
namespace {

// Copies the skeleton to `out`, each mark replaced by the next caption.
void PutTogether(std::string_view skeleton, const char16_t* captions, char16_t* out) noexcept {
  for (const char c : skeleton) {
    if (c != detail::kCaptionMark) {
      *out++ = static_cast<unsigned char>(c);
      continue;
    }
    while (*captions != u'\0') *out++ = *captions++;
    ++captions;
  }
}

}  // namespace

std::u16string_view TextIn(const LocalizedSource& source, std::size_t language, char16_t* room) noexcept {
  // Every text starts with '<', so a zero first unit means not yet put together.
  if (room[0] == u'\0') PutTogether(source.skeleton, source.captions[language], room);
  return {room, source.lengths[language]};
}

}  // namespace zorvane::ribbon
