#include "check/check_text.h"

namespace zorvane::check {

std::u16string RenderText(std::span<const TextEntry> table, TextId id, std::span<const std::u16string> args) {
  const auto index = static_cast<std::size_t>(id);
  const std::u16string_view pattern = index < table.size() ? table[index].text : std::u16string_view{};
  std::u16string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'{' && i + 2 < pattern.size() && pattern[i + 2] == u'}' && pattern[i + 1] >= u'0' &&
        pattern[i + 1] <= u'9' && static_cast<std::size_t>(pattern[i + 1] - u'0') < args.size()) {
      out += args[pattern[i + 1] - u'0'];
      i += 2;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace zorvane::check
