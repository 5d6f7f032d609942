#include "check/disabled_items.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "check/pe_image.h"
#include "portable/check_bytes.h"

namespace zorvane::check {
namespace {

using test::Bytes;
using test::PeStart;
Bytes Record(std::uint32_t first, std::uint32_t second, std::u16string_view path, std::u16string_view name) {
  return test::DisabledItemRecord(first, second, path, name);
}

TEST(DisabledItems, ReadsWellFormedRecords) {
  const std::u16string path = u"c:\\program files\\zorvane\\zorvane.dll";
  const auto item = ParseDisabledItem(Record(2 * (path.size() + 1), 2 * 8, path, u"Zorvane"));
  ASSERT_TRUE(item);
  EXPECT_EQ(item->type, 1u);
  EXPECT_EQ(item->path, path);
  EXPECT_EQ(item->name, u"Zorvane");

  Bytes padded = Record(4, 2, u"a", u"");
  padded.push_back(0x5A);  // bytes past the second string are not part of it
  const auto shortItem = ParseDisabledItem(padded);
  ASSERT_TRUE(shortItem);
  EXPECT_EQ(shortItem->path, u"a");
  EXPECT_EQ(shortItem->name, u"");
}

TEST(DisabledItems, RefusesOddAndHostileData) {
  const Bytes good = Record(4, 4, u"a", u"b");
  struct Case {
    const char* what;
    Bytes data;
  };
  Bytes noNul = good;
  noNul[12 + 2] = 'x';  // the path's NUL overwritten
  Bytes innerNul = Record(6, 4, std::u16string(u"a\0", 2), u"b");
  Bytes huge = Record(4, 4, u"a", u"b");
  huge.resize(kMaxDisabledItemBytes + 1, 0x5A);
  const Case cases[] = {
      {"empty", {}},
      {"header cut short", Bytes(good.begin(), good.begin() + 11)},
      {"strings cut short", Bytes(good.begin(), good.end() - 1)},
      {"odd first length", Record(3, 4, u"a", u"b")},
      {"zero lengths", Record(0, 0, u"", u"")},
      {"first length past the end", Record(0xFFFFFFF0u, 4, u"a", u"b")},
      {"second length past the end", Record(4, 0xFFFFFFFEu, u"a", u"b")},
      {"lengths whose sum wraps", Record(0x80000000u, 0x80000000u, u"a", u"b")},
      {"path without NUL", noNul},
      {"NUL inside the path", innerNul},
      {"oversized", huge},
  };
  for (const Case& c : cases) EXPECT_FALSE(ParseDisabledItem(c.data)) << c.what;
}

TEST(PeImage, ReadsMachineAndSignatureOfBothHeaderKinds) {
  const std::pair<std::uint16_t, std::uint16_t> kinds[] = {{kMachineI386, 0x10B}, {kMachineAmd64, 0x20B}};
  for (const bool signature : {false, true}) {
    for (const auto& [machine, magic] : kinds) {
      const auto headers = ReadPeHeaders(PeStart(machine, magic, signature));
      ASSERT_TRUE(headers);
      EXPECT_EQ(headers->machine, machine);
      EXPECT_EQ(headers->hasSignature, signature);
    }
  }
  Bytes cut = PeStart(kMachineAmd64, 0x20B, true);
  cut.resize(0x40 + 4 + 20 + 8);  // the optional header cut short: no signature seen, no overread
  EXPECT_FALSE(ReadPeHeaders(cut)->hasSignature);
  Bytes farAway = PeStart(kMachineI386, 0x10B, false);
  farAway[0x3C] = 0xFF;
  farAway[0x3D] = 0xFF;
  EXPECT_FALSE(ReadPeHeaders(farAway));
  EXPECT_FALSE(ReadPeHeaders(Bytes{'M', 'Z'}));
}

}  // namespace
}  // namespace zorvane::check
