#include "settings/registry_value_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zorvane::settings {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

// --- REG_SZ: the text before the first NUL ---------------------------------------------

TEST(RegistryValueTextString, IsTheTextBeforeTheFirstNul) {
  // Whole without a terminator; a terminator dropped; empty data and a lone terminator empty.
  EXPECT_EQ(RegistryValueText(kRegSz, BytesOf("0")), "0");
  EXPECT_EQ(RegistryValueText(kRegSz, BytesOf("off")), "off");
  EXPECT_EQ(RegistryValueText(kRegSz, Bytes{'0', 0}), "0");
  EXPECT_EQ(RegistryValueText(kRegSz, Bytes{'1', 0, 0, 0}), "1");
  EXPECT_EQ(RegistryValueText(kRegSz, Bytes{}), "");
  EXPECT_EQ(RegistryValueText(kRegSz, Bytes{0}), "");
  EXPECT_EQ(RegistryValueText(kRegSz, Bytes{'a', 'b', 0, 'c', 'd', 0}), "ab");
  EXPECT_EQ(RegistryValueText(kRegSz, Bytes{0, '1', 0}), "");
  // Blanks pass through, and bytes above 0x7F, which belong to the code page and are
  // converted later, not here.
  EXPECT_EQ(RegistryValueText(kRegSz, BytesOf(" 0 ")), " 0 ");
  const Bytes gbk = {0xC8, 0xAB, 0xB2, 0xBF, 0};
  EXPECT_EQ(RegistryValueText(kRegSz, gbk), std::string("\xC8\xAB\xB2\xBF"));
}

// --- REG_BINARY: a 16-bit signed integer, first byte low -------------------------------

TEST(RegistryValueTextBinary, NoBytesIsZeroAndASingleByteIsTheLowByte) {
  EXPECT_EQ(RegistryValueText(kRegBinary, Bytes{}), "0");
  EXPECT_EQ(RegistryValueText(kRegBinary, Bytes{0x05}), "5");
  EXPECT_EQ(RegistryValueText(kRegBinary, Bytes{0x00}), "0");
  // The high byte stays 0, so a lone FF is positive.
  EXPECT_EQ(RegistryValueText(kRegBinary, Bytes{0xFF}), "255");
}

// Two bytes are low then high, signed, and a NUL byte does not end them: every pattern.
TEST(RegistryValueTextBinary, EveryTwoBytePatternMatchesItsInteger) {
  for (int high = 0; high < 256; ++high) {
    for (int low = 0; low < 256; ++low) {
      const int unsignedValue = high * 256 + low;
      const int expected = unsignedValue >= 32768 ? unsignedValue - 65536 : unsignedValue;
      const Bytes data = {static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high)};
      ASSERT_EQ(RegistryValueText(kRegBinary, data), std::to_string(expected)) << "low " << low << " high " << high;
    }
  }
}

TEST(RegistryValueTextBinary, LongerDataYieldsItsFirstTwoBytes) {
  EXPECT_EQ(RegistryValueText(kRegBinary, Bytes{0x05, 0x00, 0xFF, 0xFF}), "5");
  EXPECT_EQ(RegistryValueText(kRegBinary, Bytes{0x01, 0x02, 0x03}), "513");
  EXPECT_EQ(RegistryValueText(kRegBinary, Bytes{0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00}), "-1");
}

// --- every other type reads as empty, whatever its data ----------------------------------

TEST(RegistryValueTextOtherTypes, AreEmpty) {
  const Bytes textLike = {'1', 0};
  const Bytes zeroDword = {0, 0, 0, 0};
  const Bytes multi = {'1', 0, '0', 0, 0};
  const std::uint32_t types[] = {kRegNone, kRegExpandSz, kRegDword, kRegDwordBigEndian, kRegLink,
                                 kRegMultiSz, kRegQword, 8u, 0xFFFFFFFFu};
  for (const std::uint32_t type : types) {
    EXPECT_EQ(RegistryValueText(type, textLike), "") << "type " << type;
    EXPECT_EQ(RegistryValueText(type, zeroDword), "") << "type " << type;
    EXPECT_EQ(RegistryValueText(type, multi), "") << "type " << type;
    EXPECT_EQ(RegistryValueText(type, Bytes{}), "") << "type " << type;
  }
}

}  // namespace
}  // namespace zorvane::settings
