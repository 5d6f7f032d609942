// PowerPoint's record of a hard-disabled add-in: one REG_BINARY value of
// ...\PowerPoint\Resiliency\DisabledItems. Portable: the data comes from wherever it was read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zorvane::check {

// The layout: a DWORD type, the byte lengths of the two strings (each counting its NUL),
// then the two UTF-16LE strings. The first is the module's path (lower case), the second a
// name.
struct DisabledItem {
  std::uint32_t type = 0;
  std::u16string path;  // without its NUL
  std::u16string name;
};

// Larger data than this is no record PowerPoint writes.
inline constexpr std::size_t kMaxDisabledItemBytes = 64 * 1024;

// Nothing for data that is not such a record: shorter than its header or its lengths, odd
// lengths, a string without its NUL or with one inside, more than kMaxDisabledItemBytes.
// Bytes after the second string are ignored.
std::optional<DisabledItem> ParseDisabledItem(std::span<const std::uint8_t> data);

}  // namespace zorvane::check
