#include "common/office_version.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zorvane {
namespace {

using namespace std::string_view_literals;

// Each host's form of Build: PowerPoint's digits, Excel's number as text, Word's dotted text.
TEST(OfficeVersionTest, BuildIsTheNumberOrTheThirdDottedGroup) {
  const struct {
    std::u16string_view text;
    std::optional<std::uint32_t> build;
  } kCases[] = {
      {u"17928", 17928u},          {u"4266", 4266u},           {u"16.0.17928.20114", 17928u},
      {u"16.0.4266", 4266u},       {u"0", 0u},                 {u"4294967295", 4294967295u},
      {u"4294967296", std::nullopt}, {u"", std::nullopt},      {u"16.0", std::nullopt},
      {u"16.0.", std::nullopt},    {u"16.0.x1.2", std::nullopt}, {u" 17928", std::nullopt},
      {u"17928 ", std::nullopt},   {u"-1", std::nullopt},      {u"1e4", std::nullopt},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(BuildFromText(c.text), c.build) << std::string(c.text.begin(), c.text.end());
  }
}

// Outlook's Version carries the build in its fourth group; the others' Version has none.
TEST(OfficeVersionTest, BuildInVersionIsTheFourthGroupOfFour) {
  const struct {
    std::u16string_view text;
    std::optional<std::uint32_t> build;
  } kCases[] = {
      {u"16.0.0.17928", 17928u}, {u"15.0.0.4420", 4420u},   {u"16.0.0.9126", 9126u},
      {u"16.0", std::nullopt},   {u"16.0.17928", std::nullopt}, {u"16.0.0.", std::nullopt},
      {u"16.0.0.1.2", std::nullopt}, {u"16.0.0.x", std::nullopt}, {u"", std::nullopt},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(BuildInVersion(c.text), c.build) << std::string(c.text.begin(), c.text.end());
  }
  EXPECT_EQ(OfficeVersionFrom(u"16.0.0.17928", BuildInVersion(u"16.0.0.17928")), OfficeVersion::k2019);
  EXPECT_EQ(OfficeVersionFrom(u"16.0.0.9126", BuildInVersion(u"16.0.0.9126")), OfficeVersion::k2016);
  EXPECT_EQ(OfficeVersionFrom(u"14.0.0.7268", BuildInVersion(u"14.0.0.7268")), OfficeVersion::k2010);
}

TEST(OfficeVersionTest, VersionTextAndBuildNameTheRelease) {
  using enum OfficeVersion;
  constexpr std::optional<std::uint32_t> kNone;
  const struct {
    std::u16string_view version;
    std::optional<std::uint32_t> build;
    OfficeVersion expected;
  } kCases[] = {
      {u"12.0", kNone, k2007},   {u"14.0", kNone, k2010},   {u"15.0", kNone, k2013},
      {u"16.0", kNone, k2016},   {u"16.0", 4266u, k2016},   {u"16.0", 9999u, k2016},
      {u"16.0", 10000u, k2019},  {u"16.0", 17928u, k2019},  {u"16.0.0.17928", 17928u, k2019},
      {u"17.0", kNone, k2016},   {u"13.0", kNone, k2007},   {u"11.0", kNone, k2007},
      // What does not read as "<major>.<minor>" is 2007, whatever the build says.
      {u"", 17928u, k2007},      {u"16", 17928u, k2007},    {u"16.", 17928u, k2007},
      {u".0", kNone, k2007},     {u"16.x", 17928u, k2007},  {u"Sixteen", kNone, k2007},
      {u" 16.0", 17928u, k2007}, {u"16.0\0"sv, 17928u, k2007},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(OfficeVersionFrom(c.version, c.build), c.expected)
        << std::string(c.version.begin(), c.version.end()) << " build " << c.build.value_or(0);
  }
}

}  // namespace
}  // namespace zorvane
