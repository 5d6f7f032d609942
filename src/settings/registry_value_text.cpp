#include "settings/registry_value_text.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace zorvane::settings {
namespace {

std::string_view TextBeforeNul(std::span<const std::uint8_t> data) {
  const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
  return {reinterpret_cast<const char*>(data.data()), static_cast<std::size_t>(end - data.begin())};
}

// The value is read into one 16-bit integer that starts at 0, so at most two bytes count.
std::int16_t SmallInteger(std::span<const std::uint8_t> data) {
  std::uint16_t bits = 0;
  if (data.size() > 0) bits = data[0];
  if (data.size() > 1) bits = static_cast<std::uint16_t>(bits | (data[1] << 8));
  return static_cast<std::int16_t>(bits);
}

// Decimal digits, with a minus sign below zero: at most "-32768".
std::string_view DecimalText(std::int16_t number, char (&buffer)[8]) {
  int magnitude = number < 0 ? -number : number;
  std::size_t start = sizeof(buffer);
  do {
    buffer[--start] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (number < 0) buffer[--start] = '-';
  return {buffer + start, sizeof(buffer) - start};
}

}  // namespace

std::optional<HeapNarrowString> RegistryValueText(std::uint32_t type, std::span<const std::uint8_t> data) {
  char digits[8];
  switch (type) {
    case kRegSz:
      return MakeHeapString(TextBeforeNul(data));
    case kRegBinary:
      return MakeHeapString(DecimalText(SmallInteger(data), digits));
    default:
      return HeapNarrowString();
  }
}

}  // namespace zorvane::settings
