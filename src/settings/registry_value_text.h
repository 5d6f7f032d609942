// Decoding of a registry value's raw data into the text the settings work with.
// Portable: the Windows store hands over what advapi32 returned, tests hand over bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "common/heap_string.h"

namespace zorvane::settings {

// Registry value types (the numbers advapi32 uses), named here so the decoding does
// not depend on <windows.h>.
enum RegistryType : std::uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegDwordBigEndian = 5,
  kRegLink = 6,
  kRegMultiSz = 7,
  kRegQword = 11,
};

// The text of a value of `type` whose data is `data`, still in the system code page:
// - kRegSz: the bytes before the first NUL, all of them if there is none;
// - kRegBinary: the 16-bit signed integer whose low byte is the first byte and whose high
//   byte is the second (missing bytes are 0), in decimal. Data longer than two bytes
//   yields the number of its first two bytes; the rest is ignored;
// - every other type: the empty text.
// Nothing when memory for the text ran out.
std::optional<HeapNarrowString> RegistryValueText(std::uint32_t type, std::span<const std::uint8_t> data);

}  // namespace zorvane::settings
