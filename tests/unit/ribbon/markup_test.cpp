#include "ribbon/markup.h"

#include <gtest/gtest.h>

#include <string_view>

#include "ribbon/fixed_text.h"

namespace zorvane::ribbon {
namespace {

using markup::Attr;
using markup::Attributes;
using markup::Element;

TEST(FixedTextTest, ConcatenatesLiteralsAndTextsInOrder) {
  constexpr auto kHead = Text(u"<a");
  constexpr auto kJoined = Concat(kHead, u" b", Text(u""), u"/>");
  static_assert(kJoined.size() == 6);
  EXPECT_EQ(kJoined.view(), u"<a b/>");
  EXPECT_EQ((kHead + u">" + kHead).view(), u"<a><a");
  EXPECT_EQ((u"x" + Text(u"y")).view(), u"xy");
  EXPECT_EQ(Concat().size(), 0u);
}

TEST(FixedTextTest, KeepsATrailingZeroOutsideTheView) {
  constexpr auto kText = Text(u"关于");
  EXPECT_EQ(kText.view().size(), 2u);
  EXPECT_EQ(kText.chars[kText.size()], u'\0');
  EXPECT_EQ(kText.view().data(), kText.chars);  // a view, not a copy
}

TEST(FixedTextTest, WorksAtRunTimeToo) {
  // Nothing in concatenation itself needs constant evaluation.
  const FixedText<2> left{u"ab"};
  const auto joined = left + Text(u"c");
  EXPECT_EQ(joined.view(), u"abc");
}

// Each attribute with one leading blank and its value verbatim (blanks and quotes of the other
// kind included) in double quotes; several in the order given.
TEST(MarkupTest, AttributesAreWrittenVerbatimInDoubleQuotesInTheOrderGiven) {
  constexpr auto kAttr = Attr(u"label", u"全部");
  EXPECT_EQ(kAttr.text.view(), u" label=\"全部\"");
  EXPECT_EQ(Attr(u"label", u"   ").text.view(), u" label=\"   \"");
  EXPECT_EQ(Attr(u"label", u"a>b 'c'").text.view(), u" label=\"a>b 'c'\"");
  EXPECT_EQ(Attr(u"label", u"").text.view(), u" label=\"\"");
  constexpr auto kTwo = Attributes(Attr(u"b", u"2"), Attr(u"a", u"1"));
  EXPECT_EQ(kTwo.text.view(), u" b=\"2\" a=\"1\"");
  EXPECT_EQ(Attributes().text.size(), 0u);
}

TEST(MarkupTest, ElementWithoutChildrenIsSelfClosed) {
  EXPECT_EQ(Element(u"ribbon").view(), u"<ribbon/>");
  EXPECT_EQ(Element(u"box", Attr(u"id", u"b")).view(), u"<box id=\"b\"/>");
  // Children that add up to nothing leave the element empty too.
  EXPECT_EQ(Element(u"box", Attr(u"id", u"b"), Text(u"")).view(), u"<box id=\"b\"/>");
}

TEST(MarkupTest, ElementWithChildrenNestsThemWithoutWhitespace) {
  constexpr auto kTree = Element(u"tabs", Element(u"tab", Attr(u"id", u"t1")),
                                 Element(u"tab", Attr(u"id", u"t2"), Element(u"group")));
  EXPECT_EQ(kTree.view(), u"<tabs><tab id=\"t1\"/><tab id=\"t2\"><group/></tab></tabs>");
}

}  // namespace
}  // namespace zorvane::ribbon
