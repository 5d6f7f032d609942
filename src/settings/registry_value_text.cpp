#include "settings/registry_value_text.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace zorvane::settings {
namespace {

std::string TextBeforeNul(std::span<const std::uint8_t> data) {
  const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
  return std::string(data.begin(), end);
}

// The value is read into one 16-bit integer that starts at 0, so at most two bytes count.
std::string SmallIntegerText(std::span<const std::uint8_t> data) {
  std::uint16_t bits = 0;
  if (data.size() > 0) bits = data[0];
  if (data.size() > 1) bits = static_cast<std::uint16_t>(bits | (data[1] << 8));
  return std::to_string(static_cast<std::int16_t>(bits));
}

}  // namespace

std::string RegistryValueText(std::uint32_t type, std::span<const std::uint8_t> data) {
  switch (type) {
    case kRegSz:
      return TextBeforeNul(data);
    case kRegBinary:
      return SmallIntegerText(data);
    default:
      return {};
  }
}

}  // namespace zorvane::settings
