// Each host's ribbon: its 2007 texts as they were before versions were told apart, and each
// version's document re-declaring exactly that version's tabs.
#include <gtest/gtest.h>

#include <cstdint>

#include "powerpoint_texts.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "xml_support.h"

namespace zorvane::ribbon {
namespace {

using namespace testing;

std::uint64_t Fnv1a(std::uint64_t hash, std::u16string_view text) {
  for (const char16_t unit : text) {
    hash ^= unit;
    hash *= 1099511628211u;
  }
  return hash;
}

// Each host's 2007 document and nine menus, in each language, to the unit: their length and
// hash as this module produced them before it knew of versions (PowerPoint's are also those of
// the time it served PowerPoint alone).
TEST(HostsTest, The2007TextsAreUnchangedToTheUnit) {
  struct Recorded {
    OfficeHost host;
    UiLanguage language;
    std::size_t units;
    std::uint64_t hash;
  };
  constexpr Recorded kRecorded[] = {
      {OfficeHost::PowerPoint, UiLanguage::kSimplifiedChinese, 17127, 0x6701506ba11efb71},
      {OfficeHost::PowerPoint, UiLanguage::kTraditionalChinese, 17181, 0x94d324f76320081a},
      {OfficeHost::PowerPoint, UiLanguage::kEnglish, 17909, 0x893099d1d1ca7931},
      {OfficeHost::Word, UiLanguage::kSimplifiedChinese, 15298, 0x8345ff6b6d40bc33},
      {OfficeHost::Word, UiLanguage::kTraditionalChinese, 15367, 0xf241410ba57412a0},
      {OfficeHost::Word, UiLanguage::kEnglish, 16041, 0x935a302eef0a271f},
      {OfficeHost::Excel, UiLanguage::kSimplifiedChinese, 14629, 0xaafadf18babdb7f5},
      {OfficeHost::Excel, UiLanguage::kTraditionalChinese, 14694, 0xf5676107b8351f46},
      {OfficeHost::Excel, UiLanguage::kEnglish, 15438, 0xe50ee91d7c7be41d},
  };
  for (const Recorded& recorded : kRecorded) {
    const std::u16string_view document = RibbonDocument(recorded.host, OfficeVersion::k2007, recorded.language);
    std::uint64_t hash = Fnv1a(14695981039346656037u, document);
    std::size_t units = document.size();
    for (std::u16string_view tag : MenuTags(recorded.host)) {
      const std::u16string_view menu = MenuContent(recorded.host, tag, recorded.language);
      hash = Fnv1a(hash, menu);
      units += menu.size();
    }
    SCOPED_TRACE(::testing::Message() << "host " << static_cast<int>(recorded.host) << " language "
                                      << static_cast<int>(recorded.language));
    EXPECT_EQ(units, recorded.units);
    EXPECT_EQ(hash, recorded.hash);
  }
}

// The built-in tabs a document re-declares, in order.
std::vector<std::string> RedeclaredTabs(std::u16string_view document) {
  const auto parsed = ParseStrict(document);
  std::vector<std::string> tabs;
  for (const pugi::xml_node tab : parsed->Root().child("ribbon").child("tabs").children("tab")) {
    if (tab.attribute("idMso")) tabs.emplace_back(tab.attribute("idMso").value());
  }
  return tabs;
}

// Each version's document re-declares its tabs, and only in that differs from the 2007 one.
TEST(HostsTest, EachVersionsDocumentRedeclaresExactlyItsTabs) {
  for (const OfficeHost host : kAllHosts) {
    for (const OfficeVersion version : kAllVersions) {
      for (const UiLanguage language : kAllLanguages) {
        SCOPED_TRACE(::testing::Message() << "host " << static_cast<int>(host) << " version "
                                          << static_cast<int>(version) << " language " << static_cast<int>(language));
        const std::u16string_view document = RibbonDocument(host, version, language);
        std::vector<std::string> expected;
        for (const std::u16string_view name : zorvane::testing::SwitchNamesIn(host, version)) {
          if (name != settings::kShowAllMenuName) expected.push_back(ToUtf8(name));
        }
        EXPECT_EQ(RedeclaredTabs(document), expected);

        // Without the tabs' declarations, every version's document is the 2007 one.
        const auto withoutTabs = [](std::u16string_view text) {
          const std::size_t first = text.find(u"<tab idMso=");
          const std::size_t own = text.find(u"<tab id=");
          return std::u16string(text.substr(0, first)) + std::u16string(text.substr(own));
        };
        EXPECT_EQ(withoutTabs(document), withoutTabs(RibbonDocument(host, OfficeVersion::k2007, language)));
        EXPECT_EQ(document.data()[document.size()], u'\0');
      }
    }
  }
}

// A language value outside the enumeration gets the first: Simplified Chinese.
TEST(HostsTest, AnUnknownLanguageValueGetsTheFirst) {
  const auto unknownLanguage = static_cast<UiLanguage>(kUiLanguageCount);
  EXPECT_EQ(PowerPointRibbonDocument(unknownLanguage).data(), PowerPointRibbonDocument().data());
  EXPECT_EQ(PowerPointMenuContent(u"Help", unknownLanguage).data(), PowerPointMenuContent(u"Help").data());
}

}  // namespace
}  // namespace zorvane::ribbon
