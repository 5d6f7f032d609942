// Outlook's main-window menus and toolbar rows, before any document carries them, checked as
// the other hosts' are (published_refs_test.cpp), and their own ids against the other hosts'.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ribbon/document/outlook_explorer_toolbars.h"
#include "ribbon/localized_text.h"
#include "ribbon/menu_contents.h"
#include "ribbon/menus/outlook/explorer/actions.h"
#include "ribbon/menus/outlook/explorer/edit.h"
#include "ribbon/menus/outlook/explorer/file.h"
#include "ribbon/menus/outlook/explorer/go.h"
#include "ribbon/menus/outlook/explorer/help.h"
#include "ribbon/menus/outlook/explorer/tools.h"
#include "ribbon/menus/outlook/explorer/view.h"
#include "ribbon/ribbon_names.h"
#include "xml_support.h"

namespace zorvane::ribbon {
namespace {

using namespace testing;
namespace ol = menus::outlook::explorer;
namespace olbar = document::outlook::explorer;

struct OutlookMenu {
  const char* tag;
  const LocalizedSource* source;
};
const OutlookMenu kMenus[] = {
    {"File", &Localize([]<class T>() { return ol::kFileMenu<T>.view(); })},
    {"Edit", &Localize([]<class T>() { return ol::kEditMenu.view(); })},
    {"View", &Localize([]<class T>() { return ol::kViewMenu<T>.view(); })},
    {"Go", &Localize([]<class T>() { return ol::kGoMenu.view(); })},
    {"Tools", &Localize([]<class T>() { return ol::kToolsMenu<T>.view(); })},
    {"Actions", &Localize([]<class T>() { return ol::kActionsMenu<T>.view(); })},
    {"Help", &Localize([]<class T>() { return ol::kHelpMenu<T>.view(); })},
};

// The menu answer as the host would receive it in `language`.
std::u16string TextOf(const OutlookMenu& menu, UiLanguage language) {
  const std::size_t index = text::IndexOf(language);
  std::u16string text(menu.source->lengths[index] + 1, u'\0');
  PutTogether(*menu.source, index, text.data());
  text.pop_back();
  return text;
}

// A toolbar row where the document would put it: in a group of a tab of our own.
std::u16string InDocument(std::u16string_view row) {
  return u"<customUI xmlns=\"" + std::u16string(kCustomUiNamespace) +
         u"\"><ribbon><tabs><tab id=\"olTab\" label=\"t\"><group id=\"olGroup\" label=\"g\">" + std::u16string(row) +
         u"</group></tab></tabs></ribbon></customUI>";
}

const std::u16string_view kRows[] = {olbar::kStandardToolbar.view(), olbar::kAdvancedToolbar.view()};

TEST(OutlookExplorerTest, SchemaAcceptsEachMenuInEveryLanguageAndBothToolbarRows) {
  for (const OutlookMenu& menu : kMenus) {
    for (const UiLanguage language : kAllLanguages) {
      EXPECT_EQ(SchemaErrors(TextOf(menu, language)), Errors{}) << menu.tag << " " << static_cast<int>(language);
    }
  }
  for (std::u16string_view row : kRows) EXPECT_EQ(SchemaErrors(InDocument(row)), Errors{}) << ToUtf8(row);
}

// Each idMso is one the explorer ribbon publishes in 2013 and in 365, with a type that fits;
// PowerPoint's known misfits show that the check finds what does not.
TEST(OutlookExplorerTest, EveryBuiltInControlIsInBothExplorerListsWithAFittingType) {
  std::vector<std::u16string> texts;
  for (const OutlookMenu& menu : kMenus) texts.push_back(TextOf(menu, UiLanguage::kSimplifiedChinese));
  for (std::u16string_view row : kRows) texts.push_back(InDocument(row));
  for (const char* year : {"2013", "365"}) {
    const PublishedControls published = ReadPublishedControls(std::string("outlook-explorer-idmso-") + year + "-types.tsv");
    ASSERT_GT(published.size(), 900u) << year;
    std::size_t references = 0;
    for (const std::u16string& text : texts) {
      const auto parsed = ParseStrict(text);
      ASSERT_TRUE(parsed->result);
      EXPECT_EQ(MisfitsOf(parsed->Root(), published, references), std::set<std::string>{}) << year;
    }
    EXPECT_GT(references, 130u);
  }
}

// Our own ids: each once across the seven menus, none that another host's menus use, each
// marked as Outlook's; the toolbar rows' once within the two rows. The Help menu's two
// commands are every host's.
TEST(OutlookExplorerTest, OwnIdsAreDistinctAndOutlooksOwn) {
  std::set<std::string> others;
  for (const OfficeHost host : kOneRibbonHosts) {
    for (std::u16string_view tag : MenuTags(host)) {
      const auto parsed = ParseStrict(MenuContent(host, tag, UiLanguage::kSimplifiedChinese));
      for (const std::string& id : IdsOf(parsed->Root())) others.insert(id);
    }
  }
  const std::set<std::string> shared = {ToUtf8(id::kCustomizeButton), ToUtf8(id::kAboutButton)};
  std::map<std::string, std::string> owner;
  for (const OutlookMenu& menu : kMenus) {
    const auto parsed = ParseStrict(TextOf(menu, UiLanguage::kEnglish));
    for (const std::string& id : IdsOf(parsed->Root())) {
      const auto [it, inserted] = owner.emplace(id, menu.tag);
      EXPECT_TRUE(inserted) << id << " in " << menu.tag << " and " << it->second;
      if (shared.contains(id)) continue;
      EXPECT_FALSE(others.contains(id)) << id;
      EXPECT_TRUE(id.find("Ol") != std::string::npos) << id;
    }
  }
  EXPECT_EQ(owner.size(), 33u);
  std::set<std::string> rowIds;
  for (std::u16string_view row : kRows) {
    const auto parsed = ParseStrict(row);
    for (const std::string& id : IdsOf(parsed->Root())) EXPECT_TRUE(rowIds.insert(id).second) << id;
  }
  EXPECT_EQ(rowIds.size(), 2u + 12u + 6u);
}

// Every caption of ours is there in each language, and the English one is not a Chinese one.
TEST(OutlookExplorerTest, EachMenusLabelsArePresentInEveryLanguage) {
  for (const OutlookMenu& menu : kMenus) {
    std::vector<std::vector<std::string>> labels;
    for (const UiLanguage language : kAllLanguages) {
      const auto parsed = ParseStrict(TextOf(menu, language));
      labels.emplace_back();
      for (pugi::xml_node element : ElementsOf(parsed->Root())) {
        if (element.attribute("label")) labels.back().push_back(element.attribute("label").value());
      }
    }
    for (const auto& language : labels) {
      ASSERT_EQ(language.size(), labels[0].size()) << menu.tag;
      for (const std::string& label : language) EXPECT_FALSE(label.empty()) << menu.tag;
    }
    for (std::size_t i = 0; i < labels[0].size(); ++i) {
      EXPECT_NE(labels[text::IndexOf(UiLanguage::kEnglish)][i], labels[0][i]) << menu.tag;
    }
  }
}

}  // namespace
}  // namespace zorvane::ribbon
