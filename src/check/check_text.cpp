#include "check/check_text.h"

namespace zorvane::check {

std::span<const TextEntry> TextTable(UiLanguage language) noexcept {
  switch (language) {
    case UiLanguage::kTraditionalChinese:
      return TraditionalChineseText();
    case UiLanguage::kEnglish:
      return EnglishText();
    case UiLanguage::kSimplifiedChinese:
    default:
      return SimplifiedChineseText();
  }
}

std::u16string RenderText(std::span<const TextEntry> table, TextId id, std::span<const std::u16string> args,
                          HostWords host) {
  const auto index = static_cast<std::size_t>(id);
  const std::u16string_view pattern = index < table.size() ? table[index].text : std::u16string_view{};
  std::u16string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool placeholder = pattern[i] == u'{' && i + 2 < pattern.size() && pattern[i + 2] == u'}';
    const char16_t name = placeholder ? pattern[i + 1] : u'\0';
    if (name >= u'0' && name <= u'9' && static_cast<std::size_t>(name - u'0') < args.size()) {
      out += args[name - u'0'];
      i += 2;
    } else if (name == u'h' && !host.name.empty()) {
      out += host.name;
      i += 2;
    } else if (name == u'x' && !host.programFile.empty()) {
      out += host.programFile;
      i += 2;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace zorvane::check
