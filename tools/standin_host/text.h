// Text helpers for what the host prints: UTF-8 encoding and column widths of CJK text.
#pragma once

#include <string>
#include <string_view>

namespace zorvane::standin {

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);

// Columns that `text` takes in a terminal: East Asian wide and full-width characters
// take two, combining marks none, everything else one.
std::size_t DisplayWidth(std::wstring_view text);

// `text` followed by blanks up to `width` columns; at least `minimumGap` blanks follow it.
std::wstring PadToWidth(std::wstring_view text, std::size_t width, std::size_t minimumGap = 2);

// The text in double quotes, so that blank labels stay visible.
std::wstring Quoted(std::wstring_view text);

}  // namespace zorvane::standin
