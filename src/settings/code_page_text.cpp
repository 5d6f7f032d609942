#include "settings/code_page_text.h"

#include <windows.h>

#include "settings/two_call_conversion.h"

namespace zorvane::settings {

// char16_t and wchar_t are both UTF-16 code units here. The text is handed to the system's
// conversions as wchar_t without a copy: only kernel32, outside anything this compiler sees,
// reads or writes it through that type, so no access of ours breaks the aliasing rules.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Windows wide character is UTF-16");

std::optional<HeapNarrowString> CodePageFromWide(std::u16string_view text) noexcept {
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  return ConvertInTwoCalls<char>(text.size(), [&](char* buffer, int capacity) {
    return WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(text.size()), buffer, capacity, nullptr, nullptr);
  });
}

std::optional<HeapU16String> WideFromCodePage(std::string_view text) noexcept {
  return ConvertInTwoCalls<char16_t>(text.size(), [&](char16_t* buffer, int capacity) {
    return MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                               reinterpret_cast<wchar_t*>(buffer), capacity);
  });
}

}  // namespace zorvane::settings
