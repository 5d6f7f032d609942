// Bytes that the check program reads, laid out here by hand rather than by its own code:
// Resiliency (DisabledItems) records and the start of a program file. Portable C++, so the
// native unit tests and the Windows tests build the same bytes.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zorvane::test {

using Bytes = std::vector<std::uint8_t>;

// `value` little-endian in `size` bytes.
inline void Put(Bytes& out, std::uint32_t value, int size = 4) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline Bytes Dword(std::uint32_t value) {
  Bytes out;
  Put(out, value);
  return out;
}

// A record with the given byte lengths and strings (each string written with its NUL).
inline Bytes DisabledItemRecord(std::uint32_t first, std::uint32_t second, std::u16string_view path,
                                std::u16string_view name) {
  Bytes out;
  for (const std::uint32_t value : {1u, first, second}) Put(out, value);
  for (const std::u16string_view text : {path, name}) {
    for (const char16_t unit : text) Put(out, unit, 2);
    Put(out, 0, 2);
  }
  return out;
}

// The same as Office writes it: both lengths count their strings' NULs.
inline Bytes DisabledItemRecord(std::u16string_view path, std::u16string_view name) {
  return DisabledItemRecord(static_cast<std::uint32_t>(2 * (path.size() + 1)),
                            static_cast<std::uint32_t>(2 * (name.size() + 1)), path, name);
}

// The first bytes of a program file: MZ, e_lfanew, "PE\0\0", the file header and an optional
// header of the kind `magic` names (0x10B or 0x20B) whose certificate entry is set as asked.
inline Bytes PeStart(std::uint16_t machine, std::uint16_t magic, bool signature) {
  Bytes out(0x3C, 0);
  out[0] = 'M';
  out[1] = 'Z';
  Put(out, 0x40);
  Put(out, 0x00004550);
  const std::uint32_t directories = magic == 0x20B ? 112 : 96, optionalSize = directories + 16 * 8;
  Put(out, machine, 2);
  out.resize(out.size() + 14);  // sections, time stamp, symbols
  Put(out, optionalSize, 2);
  Put(out, 0, 2);
  const std::size_t optional = out.size();
  out.resize(optional + optionalSize);
  out[optional] = static_cast<std::uint8_t>(magic);
  out[optional + 1] = static_cast<std::uint8_t>(magic >> 8);
  if (signature) {
    out[optional + directories + 32] = 0x10;      // offset
    out[optional + directories + 32 + 4] = 0x20;  // size
  }
  return out;
}

}  // namespace zorvane::test
