// Text across the registry's narrow interface: wide text to and from the system code
// page (CP_ACP). Windows only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvane::settings {

// `text` in the system code page; characters it cannot represent become its default
// character. Embedded NULs are kept. Nothing when the conversion fails.
std::optional<std::string> CodePageFromWide(std::u16string_view text);

// `text` from the system code page as wide text; empty when the conversion fails.
std::u16string WideFromCodePage(std::string_view text);

}  // namespace zorvane::settings
