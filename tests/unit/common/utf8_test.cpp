#include "common/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvane {
namespace {

TEST(Utf8, EncodesEachLengthOfSequence) {
  EXPECT_EQ(ToUtf8(u""), "");
  EXPECT_EQ(ToUtf8(u"a\u00E9"), "a\xC3\xA9");
  EXPECT_EQ(ToUtf8(u"全部"), "\xE5\x85\xA8\xE9\x83\xA8");
  EXPECT_EQ(ToUtf8(u"\xD83D\xDE00"), "\xF0\x9F\x98\x80");  // U+1F600 from its surrogate pair
}

TEST(Utf8, ReplacesAndCountsUnpairedSurrogates) {
  std::size_t unpaired = 0;
  EXPECT_EQ(ToUtf8(std::u16string{0xD800, u'x'}, &unpaired), "\xEF\xBF\xBDx");  // high, then no low
  EXPECT_EQ(ToUtf8(std::u16string{0xDC00}, &unpaired), "\xEF\xBF\xBD");         // low alone
  EXPECT_EQ(ToUtf8(std::u16string{u'a', 0xD800}, &unpaired), "a\xEF\xBF\xBD");  // high at the end
  EXPECT_EQ(unpaired, 3u);
  // U+FFFD written as such is text, not a fault.
  EXPECT_EQ(ToUtf8(u"\uFFFD\xD83D\xDE00", &unpaired), "\xEF\xBF\xBD\xF0\x9F\x98\x80");
  EXPECT_EQ(unpaired, 3u);
}

}  // namespace
}  // namespace zorvane
