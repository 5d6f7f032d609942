// The length handling of the Windows text conversions (MultiByteToWideChar and
// WideCharToMultiByte): asked once without a buffer for the length, then once to fill a
// buffer of exactly that length. Portable, so that it is unit-tested and fuzzed natively.
#pragma once

#include <climits>
#include <cstddef>
#include <optional>

#include "common/heap_string.h"

namespace zorvane::settings {

// Converts an input of `inputLength` units with `convert(Out* buffer, int capacity)`, which
// returns the units it wrote, or with no buffer the units it needs; 0 means failure. The
// input length is checked against the int the routines take before `convert` is called, so
// `convert` may cast it. Empty input is the empty text; any failure, a second call that
// disagrees with the first, or no memory for the result is nothing.
template <typename Out, typename Convert>
std::optional<HeapString<Out>> ConvertInTwoCalls(std::size_t inputLength, Convert&& convert) {
  if (inputLength == 0) return HeapString<Out>();
  if (inputLength > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  const int length = convert(static_cast<Out*>(nullptr), 0);
  if (length <= 0) return std::nullopt;
  HeapString<Out> out;
  if (!out.Resize(static_cast<std::size_t>(length))) return std::nullopt;
  if (convert(out.data(), length) != length) return std::nullopt;
  return out;
}

}  // namespace zorvane::settings
