#include "check/disabled_items.h"

namespace zorvane::check {
namespace {

std::uint32_t ReadDword(std::span<const std::uint8_t> data, std::size_t offset) {
  return static_cast<std::uint32_t>(data[offset]) | static_cast<std::uint32_t>(data[offset + 1]) << 8 |
         static_cast<std::uint32_t>(data[offset + 2]) << 16 | static_cast<std::uint32_t>(data[offset + 3]) << 24;
}

// `bytes` bytes of UTF-16LE that end with their only NUL.
std::optional<std::u16string> ReadString(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 2 || bytes.size() % 2 != 0) return std::nullopt;
  std::u16string text;
  text.reserve(bytes.size() / 2 - 1);
  for (std::size_t i = 0; i + 2 < bytes.size(); i += 2) {
    const auto unit = static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
    if (unit == u'\0') return std::nullopt;
    text += unit;
  }
  if (bytes[bytes.size() - 2] != 0 || bytes[bytes.size() - 1] != 0) return std::nullopt;
  return text;
}

}  // namespace

std::optional<DisabledItem> ParseDisabledItem(std::span<const std::uint8_t> data) {
  constexpr std::size_t kHeader = 12;
  if (data.size() < kHeader || data.size() > kMaxDisabledItemBytes) return std::nullopt;
  // Both lengths are checked against what is left before they are added: no overflow.
  const std::size_t first = ReadDword(data, 4);
  const std::size_t second = ReadDword(data, 8);
  const std::size_t left = data.size() - kHeader;
  if (first > left || second > left - first) return std::nullopt;
  auto path = ReadString(data.subspan(kHeader, first));
  auto name = ReadString(data.subspan(kHeader + first, second));
  if (!path || !name) return std::nullopt;
  return DisabledItem{ReadDword(data, 0), std::move(*path), std::move(*name)};
}

}  // namespace zorvane::check
