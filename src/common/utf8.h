// UTF-16 to UTF-8: the one encoder of the stand-in host's printout and of the tests' messages
// and parsers. Portable standard C++ (the native tests use it as well as the Windows build).
#pragma once

#include <cstddef>
#include <cwchar>
#include <string>
#include <string_view>

namespace zorvane {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point that starts at `text[i]` and advances `i` past it; an unpaired
// surrogate decodes as U+FFFD. `Unit` is a 16-bit code unit (char16_t, or wchar_t on Windows).
template <typename Unit>
constexpr char32_t NextCodePoint(std::basic_string_view<Unit> text, std::size_t& i) noexcept {
  static_assert(sizeof(Unit) == 2, "UTF-16 code units");
  const char32_t unit = static_cast<char16_t>(text[i++]);
  if (unit >= 0xD800 && unit <= 0xDBFF && i < text.size()) {
    const char32_t low = static_cast<char16_t>(text[i]);
    if (low >= 0xDC00 && low <= 0xDFFF) {
      ++i;
      return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }
  }
  return unit >= 0xD800 && unit <= 0xDFFF ? kReplacementCharacter : unit;
}

namespace utf8_detail {

template <typename Unit>
std::string Encode(std::basic_string_view<Unit> text, std::size_t* unpaired) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    const char32_t c = NextCodePoint(text, i);
    // A surrogate that decodes alone, not the character U+FFFD written as such.
    if (unpaired != nullptr && c == kReplacementCharacter && static_cast<char16_t>(text[start]) != 0xFFFD) {
      ++*unpaired;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace utf8_detail

// UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD; where `unpaired` is given, each one
// is also counted there, for callers that must refuse broken text rather than patch it.
inline std::string ToUtf8(std::u16string_view text, std::size_t* unpaired = nullptr) {
  return utf8_detail::Encode(text, unpaired);
}

#if WCHAR_MAX <= 0xFFFF
inline std::string ToUtf8(std::wstring_view text, std::size_t* unpaired = nullptr) {
  return utf8_detail::Encode(text, unpaired);
}
#endif

}  // namespace zorvane
