// Text across the registry's narrow interface: wide text to and from the system code
// page (CP_ACP). Windows only.
#pragma once

#include <optional>
#include <string_view>

#include "common/heap_string.h"

namespace zorvane::settings {

// `text` in the system code page; characters it cannot represent become its default
// character. Embedded NULs are kept. Nothing when the conversion fails or memory ran out.
std::optional<HeapNarrowString> CodePageFromWide(std::u16string_view text) noexcept;

// `text` from the system code page as wide text; nothing when the conversion fails or memory
// ran out.
std::optional<HeapU16String> WideFromCodePage(std::string_view text) noexcept;

}  // namespace zorvane::settings
