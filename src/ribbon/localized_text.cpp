#include "ribbon/localized_text.h"

namespace zorvane::ribbon {

// Copies the skeleton, each packed byte replaced by its markup and each mark by the next
// caption; the first unit goes in last.
void PutTogether(const LocalizedSource& source, std::size_t language, char16_t* room) noexcept {
  const char16_t* captions = source.captions[language];
  char16_t* out = room + 1;
  // Not substr(1): its range check would bring an exception into a module built without them.
  for (const char c : std::string_view(source.skeleton.data() + 1, source.skeleton.size() - 1)) {
    const auto unit = static_cast<unsigned char>(c);
    if (unit >= 0x80) {
      for (const char m : detail::kFrequentMarkup[unit - 0x80]) *out++ = static_cast<unsigned char>(m);
    } else if (c != detail::kCaptionMark) {
      *out++ = unit;
    } else {
      while (*captions != u'\0') *out++ = *captions++;
      ++captions;
    }
  }
  // Every text starts with '<', which is no caption.
  PublishFirstUnit(room, static_cast<unsigned char>(source.skeleton[0]));
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
  PutTogetherOnce(flag, room, &Assemble, &assembly);
}

}  // namespace zorvane::ribbon
