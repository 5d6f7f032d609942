#include "settings/code_page_text.h"

#include <windows.h>

#include <climits>

namespace zorvane::settings {

// char16_t and wchar_t are both UTF-16 code units here, but distinct types: the text is
// copied unit by unit rather than reinterpreted, which the aliasing rules forbid.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Windows wide character is UTF-16");

std::optional<std::string> CodePageFromWide(std::u16string_view text) {
  if (text.empty()) return std::string();
  if (text.size() > INT_MAX) return std::nullopt;
  const std::wstring wide(text.begin(), text.end());
  const int units = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(length), '\0');
  if (WideCharToMultiByte(CP_ACP, 0, wide.data(), units, narrow.data(), length, nullptr, nullptr) != length) {
    return std::nullopt;
  }
  return narrow;
}

std::u16string WideFromCodePage(std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int bytes = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, wide.data(), length) != length) return {};
  return std::u16string(wide.begin(), wide.end());
}

}  // namespace zorvane::settings
