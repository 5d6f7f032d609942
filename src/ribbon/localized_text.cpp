#include "ribbon/localized_text.h"

namespace zorvane::ribbon {

// Copies the skeleton, each mark replaced by the next caption.
void PutTogether(const LocalizedSource& source, std::size_t language, char16_t* room) noexcept {
  const char16_t* captions = source.captions[language];
  char16_t* out = room;
  for (const char c : source.skeleton) {
    if (c != detail::kCaptionMark) {
      *out++ = static_cast<unsigned char>(c);
      continue;
    }
    while (*captions != u'\0') *out++ = *captions++;
    ++captions;
  }
}

namespace {
struct Assembly {
  const LocalizedSource* source;
  std::size_t language;
  char16_t* room;
};

void Assemble(void* context) noexcept {
  const Assembly& assembly = *static_cast<const Assembly*>(context);
  PutTogether(*assembly.source, assembly.language, assembly.room);
}
}  // namespace

void PutTogetherOnce(OnceFlag& flag, const LocalizedSource& source, std::size_t language, char16_t* room) noexcept {
  Assembly assembly{&source, language, room};
  RunOnce(flag, &Assemble, &assembly);
}

}  // namespace zorvane::ribbon
