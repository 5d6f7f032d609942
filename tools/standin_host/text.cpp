#include "text.h"

namespace zorvane::standin {
namespace {

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
         (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

bool IsZeroWidth(char32_t c) {
  return (c >= 0x0300 && c <= 0x036F) || c == 0x200B || c == 0x200C || c == 0x200D ||
         (c >= 0xFE00 && c <= 0xFE0F);
}

}  // namespace

std::size_t DisplayWidth(std::wstring_view text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    if (IsZeroWidth(c)) continue;
    width += IsWide(c) ? 2 : 1;
  }
  return width;
}

std::wstring PadToWidth(std::wstring_view text, std::size_t width, std::size_t minimumGap) {
  const std::size_t used = DisplayWidth(text);
  const std::size_t gap = used + minimumGap > width ? minimumGap : width - used;
  std::wstring out(text);
  out.append(gap, L' ');
  return out;
}

std::wstring Quoted(std::wstring_view text) {
  std::wstring out = L"\"";
  out += text;
  out += L'"';
  return out;
}

}  // namespace zorvane::standin
