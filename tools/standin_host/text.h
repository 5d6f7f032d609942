// Text helpers for what the host prints: column widths of CJK text (UTF-8 encoding is the
// common ToUtf8).
#pragma once

#include <string>
#include <string_view>

#include "common/utf8.h"

namespace zorvane::standin {

// Columns that `text` takes in a terminal: East Asian wide and full-width characters
// take two, combining marks none, everything else one.
std::size_t DisplayWidth(std::wstring_view text);

// `text` followed by blanks up to `width` columns; at least `minimumGap` blanks follow it.
std::wstring PadToWidth(std::wstring_view text, std::size_t width, std::size_t minimumGap = 2);

// The text in double quotes, so that blank labels stay visible.
std::wstring Quoted(std::wstring_view text);

}  // namespace zorvane::standin
