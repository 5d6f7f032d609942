// Outlook's main-window menus and toolbar rows, before any document carries them: each menu
// answer in every language and each row checked against the schema, the explorer ribbon's
// published control lists and the language tables, and their own ids against one another and
// against the other hosts' menus.
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
using text::English;
using text::SimplifiedChinese;
using text::TraditionalChinese;

struct OutlookMenu {
  const char* tag;
  const LocalizedSource* source;
  std::size_t items;
  const char* first;  // id or idMso of the first and last item
  const char* last;
};

const OutlookMenu kMenus[] = {
    {"File", &Localize([]<class T>() { return ol::kFileMenu<T>.view(); }), 18, "RXOlNew", "ToggleOnline"},
    {"Edit", &Localize([]<class T>() { return ol::kEditMenu.view(); }), 17, "Undo", "AllCategories"},
    {"View", &Localize([]<class T>() { return ol::kViewMenu<T>.view(); }), 9, "RXOlArrangeBy", "ShowRemindersWindow"},
    {"Go", &Localize([]<class T>() { return ol::kGoMenu.view(); }), 10, "GoToMail", "GoToFolder"},
    {"Tools", &Localize([]<class T>() { return ol::kToolsMenu<T>.view(); }), 14, "RXOlSendReceive",
     "ApplicationOptionsDialog"},
    {"Actions", &Localize([]<class T>() { return ol::kActionsMenu<T>.view(); }), 11, "NewMailMessage", "Forward"},
    {"Help", &Localize([]<class T>() { return ol::kHelpMenu<T>.view(); }), 9, "Help", "AboutMe"},
};

// Every caption of ours in these menus, in each language (UiLanguage order).
struct OwnCaption {
  const char* id;
  std::u16string_view label[3];
};
const OwnCaption kCaptions[] = {
    {"RXOlNew", {SimplifiedChinese::kOlNew, TraditionalChinese::kOlNew, English::kOlNew}},
    {"RXOlOpen", {SimplifiedChinese::kOlOpen, TraditionalChinese::kOlOpen, English::kOlOpen}},
    {"RXOlFolder", {SimplifiedChinese::kOlFolder, TraditionalChinese::kOlFolder, English::kOlFolder}},
    {"RXOlPageSetup", {SimplifiedChinese::kOlPageSetup, TraditionalChinese::kOlPageSetup, English::kOlPageSetup}},
    {"RXOlArrangeBy", {SimplifiedChinese::kOlArrangeBy, TraditionalChinese::kOlArrangeBy, English::kOlArrangeBy}},
    {"RXOlSendReceive",
     {SimplifiedChinese::kOlSendReceive, TraditionalChinese::kOlSendReceive, English::kOlSendReceive}},
    {"RXOlFind", {SimplifiedChinese::kOlFind, TraditionalChinese::kOlFind, English::kOlFind}},
    {"RXOlForms", {SimplifiedChinese::kOlForms, TraditionalChinese::kOlForms, English::kOlForms}},
    {"RXOlMacro", {SimplifiedChinese::kMacros, TraditionalChinese::kMacros, English::kMacros}},
    {"RXOlNewMailUsing",
     {SimplifiedChinese::kOlNewMailUsing, TraditionalChinese::kOlNewMailUsing, English::kOlNewMailUsing}},
    {"Dingzhi", {SimplifiedChinese::kCustomize, TraditionalChinese::kCustomize, English::kCustomize}},
    {"AboutMe", {SimplifiedChinese::kAbout, TraditionalChinese::kAbout, English::kAbout}},
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

TEST(OutlookExplorerTest, EachMenuOpensAndEndsWithItsItems) {
  for (const OutlookMenu& menu : kMenus) {
    const auto parsed = ParseStrict(TextOf(menu, UiLanguage::kSimplifiedChinese));
    ASSERT_TRUE(parsed->result) << menu.tag;
    const pugi::xml_node root = parsed->Root();
    EXPECT_EQ(static_cast<std::size_t>(std::distance(root.children().begin(), root.children().end())), menu.items)
        << menu.tag;
    EXPECT_EQ(ControlIdOf(root.first_child()), menu.first) << menu.tag;
    EXPECT_EQ(ControlIdOf(root.last_child()), menu.last) << menu.tag;
  }
}

// Each idMso is one the explorer ribbon publishes in 2013 and in 365, with a type that fits.
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

// The check can fail: a name the explorer lacks, one of another host, and a known name under an
// element its type does not fit.
TEST(OutlookExplorerTest, ListCheckRefusesUnknownAndMisplacedNames) {
  const PublishedControls published = ReadPublishedControls("outlook-explorer-idmso-365-types.tsv");
  const std::u16string menu = u"<menu xmlns=\"" + std::u16string(kCustomUiNamespace) + u"\">";
  const std::pair<std::u16string, const char*> kWrong[] = {
      {menu + u"<control idMso=\"FileExit\"/></menu>", "control FileExit"},
      {menu + u"<control idMso=\"SlideNewGallery\"/></menu>", "control SlideNewGallery"},
      {menu + u"<menu idMso=\"SendReceiveGallery\"/></menu>", "menu SendReceiveGallery"},
      {InDocument(u"<buttonGroup id=\"b\"><control idMso=\"ReminderGallery\"/></buttonGroup>"), "control ReminderGallery"},
  };
  for (const auto& [text, misfit] : kWrong) {
    std::size_t references = 0;
    const auto parsed = ParseStrict(text);
    ASSERT_TRUE(parsed->result);
    EXPECT_EQ(MisfitsOf(parsed->Root(), published, references), std::set<std::string>{misfit});
    EXPECT_EQ(references, 1u);
  }
}

// Our own ids: each once across the seven menus, none that another host's menus use, each
// marked as Outlook's; the toolbar rows' once within the two rows. The Help menu's two
// commands are every host's.
TEST(OutlookExplorerTest, OwnIdsAreDistinctAndOutlooksOwn) {
  std::set<std::string> others;
  for (const OfficeHost host : kAllHosts) {
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

// Every label in every menu is the caption its language's table holds for that id.
TEST(OutlookExplorerTest, EachMenusLabelsComeFromEveryLanguagesTable) {
  std::map<std::string, const OwnCaption*> byId;
  for (const OwnCaption& caption : kCaptions) byId.emplace(caption.id, &caption);
  for (const UiLanguage language : kAllLanguages) {
    std::set<std::string> seen;
    for (const OutlookMenu& menu : kMenus) {
      const auto parsed = ParseStrict(TextOf(menu, language));
      for (pugi::xml_node element : ElementsOf(parsed->Root())) {
        if (!element.attribute("label")) continue;
        const auto found = byId.find(ControlIdOf(element));
        ASSERT_NE(found, byId.end()) << StartTagOf(element);
        EXPECT_EQ(element.attribute("label").value(), ToUtf8(found->second->label[text::IndexOf(language)]))
            << menu.tag << " " << static_cast<int>(language);
        seen.insert(found->first);
      }
    }
    EXPECT_EQ(seen.size(), std::size(kCaptions)) << static_cast<int>(language);
  }
}

}  // namespace
}  // namespace zorvane::ribbon
