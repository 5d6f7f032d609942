// Each host's ribbon: its 2007 texts as they were before versions were told apart, and each
// version's document re-declaring exactly that version's tabs.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

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
  for (const OfficeHost host : kOneRibbonHosts) {
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

// Outlook's windows re-declare the tabs each has in each version, whichever switch governs
// them; its main window has a ribbon from 2010 on.
TEST(HostsTest, EachOutlookWindowRedeclaresItsTabsInEachVersion) {
  using enum OfficeVersion;
  using settings::RibbonWindow;
  using Tabs = std::vector<std::string>;
  const Tabs home2010{"TabMail", "TabCalendar", "TabContacts", "TabTasks", "TabNotes", "TabJournals"};
  const auto explorer = [&home2010](Tabs homeAfter2010, Tabs last) {
    Tabs tabs = home2010;
    tabs.insert(tabs.end(), homeAfter2010.begin(), homeAfter2010.end());
    for (const char* tab : {"TabSendReceive", "TabFolder", "TabView", "TabDeveloper"}) tabs.push_back(tab);
    tabs.insert(tabs.end(), last.begin(), last.end());
    return tabs;
  };
  const auto message = [](const char* messageTab, bool review, bool help) {
    Tabs tabs{messageTab, "TabInsert", "TabOptions", "TabFormatText"};
    if (review) tabs.push_back("TabReviewWord");
    tabs.push_back("TabDeveloper");
    if (help) tabs.push_back("HelpTab");
    return tabs;
  };
  const struct {
    RibbonWindow window;
    OfficeVersion version;
    Tabs tabs;
  } kCases[] = {
      {RibbonWindow::kMain, k2007, {}},
      {RibbonWindow::kMain, k2010, explorer({}, {})},
      {RibbonWindow::kMain, k2013, explorer({"TabCalendarTableView"}, {})},
      {RibbonWindow::kMain, k2016, explorer({"TabCalendarTableView", "TabHomeGroup"}, {})},
      {RibbonWindow::kMain, k2019, explorer({"TabCalendarTableView", "TabHomeGroup"}, {"HelpTab"})},
      {RibbonWindow::kCompose, k2007, message("TabNewMailMessage", false, false)},
      {RibbonWindow::kCompose, k2016, message("TabNewMailMessage", true, false)},
      {RibbonWindow::kCompose, k2019, message("TabNewMailMessage", true, true)},
      {RibbonWindow::kRead, k2007, message("TabReadMessage", false, false)},
      {RibbonWindow::kRead, k2013, message("TabReadMessage", true, false)},
      {RibbonWindow::kRead, k2019, message("TabReadMessage", true, true)},
  };
  for (const auto& row : kCases) {
    for (const UiLanguage language : kAllLanguages) {
      EXPECT_EQ(RedeclaredTabs(RibbonDocument(OfficeHost::Outlook, row.version, language, row.window)), row.tabs)
          << static_cast<int>(row.window) << " " << static_cast<int>(row.version);
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
