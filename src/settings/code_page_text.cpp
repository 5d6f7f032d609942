#include "settings/code_page_text.h"

#include <windows.h>

#include "settings/two_call_conversion.h"

namespace zorvane::settings {

// char16_t and wchar_t are both UTF-16 code units here, but distinct types: the text is
// copied unit by unit rather than reinterpreted, which the aliasing rules forbid.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Windows wide character is UTF-16");

std::optional<std::string> CodePageFromWide(std::u16string_view text) {
  const std::wstring wide(text.begin(), text.end());
  return ConvertInTwoCalls<char>(wide.size(), [&](char* buffer, int capacity) {
    return WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), buffer, capacity, nullptr,
                               nullptr);
  });
}

std::u16string WideFromCodePage(std::string_view text) {
  const std::optional<std::wstring> wide = ConvertInTwoCalls<wchar_t>(text.size(), [&](wchar_t* buffer, int capacity) {
    return MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), buffer, capacity);
  });
  if (!wide) return {};
  return std::u16string(wide->begin(), wide->end());
}

}  // namespace zorvane::settings
