// Fuzzes the decoding of registry data: a value's type and bytes into text, and that text
// through the conversions' length handling, with a double-byte code page standing in for
// the system's. The input is the type (four bytes, little-endian; fewer make it short) and
// then the value's data. A broken rule traps; the sanitizers report the rest.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/registry_value_text.h"
#include "settings/two_call_conversion.h"

namespace {

using zorvane::settings::ConvertInTwoCalls;
using zorvane::settings::RegistryValueText;

void Require(bool rule) {
  if (!rule) __builtin_trap();
}

bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// As MultiByteToWideChar: a lead byte and the byte after it are one unit, any other byte (a
// lead byte at the end too) is one. With a buffer, fails (0) when the units do not fit.
int WideFromDoubleByte(std::string_view text, char16_t* buffer, int capacity) {
  int units = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto unit = static_cast<char16_t>(static_cast<unsigned char>(text[i]));
    if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
      unit = static_cast<char16_t>(0x4E00 + ((unit << 8) | static_cast<unsigned char>(text[++i])) % 0x5000);
    }
    if (buffer != nullptr) {
      if (units == capacity) return 0;
      buffer[units] = unit;
    }
    ++units;
  }
  return units;
}

// As WideCharToMultiByte: units below 0x80 are one byte, all others two.
int DoubleByteFromWide(std::u16string_view text, char* buffer, int capacity) {
  int bytes = 0;
  for (const char16_t unit : text) {
    const int width = unit < 0x80 ? 1 : 2;
    if (buffer != nullptr) {
      if (bytes + width > capacity) return 0;
      buffer[bytes] = static_cast<char>(width == 1 ? unit : 0x81 + unit % 0x7E);
      if (width == 2) buffer[bytes + 1] = static_cast<char>(0x40 + unit % 0xBF);
    }
    bytes += width;
  }
  return bytes;
}

void CheckText(std::uint32_t type, std::span<const std::uint8_t> data, const std::string& text) {
  switch (type) {
    case zorvane::settings::kRegSz:
      // The bytes before the first NUL, or all of them.
      Require(text.size() <= data.size());
      Require(std::memcmp(text.data(), data.data(), text.size()) == 0);
      Require(text.size() == data.size() || data[text.size()] == 0);
      Require(text.find('\0') == std::string::npos);
      break;
    case zorvane::settings::kRegBinary: {
      const int low = data.size() > 0 ? data[0] : 0;
      const int high = data.size() > 1 ? data[1] : 0;
      Require(std::atoi(text.c_str()) == static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8)));
      break;
    }
    default:
      Require(text.empty());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
  const std::size_t typeBytes = size < 4 ? size : 4;
  std::uint32_t type = 0;
  for (std::size_t i = 0; i < typeBytes; ++i) type |= static_cast<std::uint32_t>(input[i]) << (8 * i);
  const std::span<const std::uint8_t> data(input + typeBytes, size - typeBytes);

  const std::optional<zorvane::HeapNarrowString> decoded = RegistryValueText(type, data);
  Require(decoded.has_value());
  const std::string text(decoded->view());
  CheckText(type, data, text);

  const std::optional<zorvane::HeapU16String> wide = ConvertInTwoCalls<char16_t>(
      text.size(), [&](char16_t* buffer, int capacity) { return WideFromDoubleByte(text, buffer, capacity); });
  Require(wide.has_value());
  Require(wide->size() <= text.size() && wide->size() >= (text.size() + 1) / 2);

  const std::optional<zorvane::HeapNarrowString> narrow = ConvertInTwoCalls<char>(
      wide->size(), [&](char* buffer, int capacity) { return DoubleByteFromWide(*wide, buffer, capacity); });
  Require(narrow.has_value());
  Require(narrow->size() >= wide->size() && narrow->size() <= 2 * wide->size());
  return 0;
}
