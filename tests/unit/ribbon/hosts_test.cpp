// Each host's ribbon: PowerPoint's texts as they were before other hosts joined, and what
// every host's document and menus have in common.
#include <gtest/gtest.h>

#include <cstdint>

#include "powerpoint_texts.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "xml_support.h"

namespace zorvane::ribbon {
namespace {

std::uint64_t Fnv1a(std::uint64_t hash, std::u16string_view text) {
  for (const char16_t unit : text) {
    hash ^= unit;
    hash *= 1099511628211u;
  }
  return hash;
}

// PowerPoint's document and nine menus, in each language, to the unit: their length and hash
// as this module produced them when it served PowerPoint alone.
TEST(HostsTest, PowerPointTextsAreUnchangedToTheUnit) {
  struct Recorded {
    UiLanguage language;
    std::size_t units;
    std::uint64_t hash;
  };
  constexpr Recorded kRecorded[] = {{UiLanguage::kSimplifiedChinese, 17127, 0x6701506ba11efb71},
                                    {UiLanguage::kTraditionalChinese, 17181, 0x94d324f76320081a},
                                    {UiLanguage::kEnglish, 17909, 0x893099d1d1ca7931}};
  for (const Recorded& recorded : kRecorded) {
    const std::u16string_view document = RibbonDocument(OfficeHost::PowerPoint, recorded.language);
    std::uint64_t hash = Fnv1a(14695981039346656037u, document);
    std::size_t units = document.size();
    for (std::u16string_view tag : MenuTags(OfficeHost::PowerPoint)) {
      const std::u16string_view menu = MenuContent(OfficeHost::PowerPoint, tag, recorded.language);
      hash = Fnv1a(hash, menu);
      units += menu.size();
    }
    EXPECT_EQ(units, recorded.units) << static_cast<int>(recorded.language);
    EXPECT_EQ(hash, recorded.hash) << static_cast<int>(recorded.language);
  }
}

// A value outside either enumeration gets the first: PowerPoint, Simplified Chinese.
TEST(HostsTest, AnUnknownHostOrLanguageValueGetsTheFirst) {
  const auto unknown = static_cast<OfficeHost>(kOfficeHostCount);
  EXPECT_EQ(RibbonDocument(unknown, UiLanguage::kEnglish).data(), PowerPointRibbonDocument(UiLanguage::kEnglish).data());
  EXPECT_EQ(MenuTags(unknown).data(), MenuTags(OfficeHost::PowerPoint).data());
  EXPECT_EQ(MenuContent(unknown, u"Slide", UiLanguage::kEnglish).data(), PowerPointMenuContent(u"Slide", UiLanguage::kEnglish).data());
  const auto unknownLanguage = static_cast<UiLanguage>(kUiLanguageCount);
  EXPECT_EQ(PowerPointRibbonDocument(unknownLanguage).data(), PowerPointRibbonDocument().data());
  EXPECT_EQ(PowerPointMenuContent(u"Help", unknownLanguage).data(), PowerPointMenuContent(u"Help").data());
}

}  // namespace
}  // namespace zorvane::ribbon
