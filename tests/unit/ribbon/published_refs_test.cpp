// The markup checked against what the hosts' maker publishes, not against itself: the
// customUI schema, and each host's lists of built-in controls with their types, of Office 2013
// and of Microsoft 365 (see refs/README.md).
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "ribbon/ribbon_windows.h"
#include "xml_support.h"

namespace zorvane::ribbon {
namespace {

using namespace testing;

const std::string kRefs = ZORVANE_RIBBON_REFS_DIR;

// One per document, in the order of the hosts' ribbons: each ribbon has its own lists.
struct HostRefs {
  OfficeHost host;
  settings::RibbonWindow window;
  const char* lists;  // file-name stem in refs/
  // Names PowerPoint's markup used before the lists were checked: the element and name of each
  // reference that one of its lists lacks or types otherwise.
  std::set<std::string> knownMisfits;
};

const HostRefs kHostRefs[] = {
    {OfficeHost::PowerPoint, settings::RibbonWindow::kMain, "powerpoint",
     {"2013 toggleButton ViewNormalViewPowerPoint", "365 toggleButton ViewNormalViewPowerPoint",
      "2013 checkBox ViewGridlines", "365 checkBox ViewGridlines", "2013 control FileCreateDocumentWorkspace",
      "365 control FileCreateDocumentWorkspace", "365 control ResearchPane", "365 control DocumentPanelTemplate",
      "2013 button PowerPointPageSetup", "365 button PowerPointPageSetup"}},
    {OfficeHost::Word, settings::RibbonWindow::kMain, "word", {}},
    {OfficeHost::Excel, settings::RibbonWindow::kMain, "excel", {}},
    {OfficeHost::Outlook, settings::RibbonWindow::kMain, "outlook-explorer", {}},
    {OfficeHost::Outlook, settings::RibbonWindow::kCompose, "outlook-mail-compose", {}},
    {OfficeHost::Outlook, settings::RibbonWindow::kRead, "outlook-mail-read", {}},
};
static_assert(std::size(kHostRefs) == kDocumentCount);
TEST(PublishedControlNamesTest, ListsStandInTheOrderOfTheHostsRibbons) {
  for (std::size_t i = 0; i < kDocumentCount; ++i) {
    EXPECT_EQ(kHostRefs[i].host, kHostRibbons[i].host);
    EXPECT_EQ(kHostRefs[i].window, kHostRibbons[i].window);
  }
}

// Every document and each of its menu answers, in every language.
TEST(PublishedSchemaTest, AcceptsTheDocumentAndEachMenuAnswerOfEveryHostInEveryLanguage) {
  for (const HostRefs& refs : kHostRefs) {
    for (const UiLanguage language : kAllLanguages) {
      SCOPED_TRACE(std::string(refs.lists) + " " + std::to_string(static_cast<int>(language)));
      for (const OfficeVersion version : kAllVersions) {
        EXPECT_EQ(SchemaErrors(RibbonDocument(refs.host, version, language, refs.window)), Errors{})
            << static_cast<int>(version);
      }
      for (std::u16string_view tag : MenuTags(refs.host, refs.window)) {
        EXPECT_EQ(SchemaErrors(MenuContent(refs.host, tag, language, refs.window)), Errors{}) << ToUtf8(tag);
      }
    }
  }
}

// The check can fail: what the host would refuse, the schema refuses too.
TEST(PublishedSchemaTest, RefusesMarkupTheHostWouldReject) {
  const std::u16string_view kMenu = u"<menu xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\">";
  for (const std::u16string& wrong : {
           std::u16string(kMenu) + u"<control idMso=\"Help\" colour=\"red\"/></menu>",      // unknown attribute
           std::u16string(kMenu) + u"<tab idMso=\"TabHome\"/></menu>",                     // element out of place
           std::u16string(kMenu) + u"<button id=\"a\"/><button id=\"a\"/></menu>",         // id twice
           std::u16string(kMenu) + u"<control idMso=\"Help\" visible=\"yes\"/></menu>",    // not a boolean
           std::u16string(u"<menu xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\"/>")}) {
    EXPECT_FALSE(SchemaErrors(wrong).empty()) << ToUtf8(wrong);
  }
}

// Every built-in name the markup refers to (idMso, imageMso, insertBeforeMso) is one that the
// host publishes in its 2013 and its 365 list, and every idMso has a type its element takes:
// some hosts drop an unknown control silently, others report it as an error.
TEST(PublishedControlNamesTest, EveryBuiltInControlIsPublishedWithATypeThatFitsItsElement) {
  for (const HostRefs& refs : kHostRefs) {
    SCOPED_TRACE(refs.lists);
    std::vector<std::u16string_view> texts{
        RibbonDocument(refs.host, OfficeVersion::k2007, UiLanguage::kSimplifiedChinese, refs.window)};
    for (std::u16string_view tag : MenuTags(refs.host, refs.window)) {
      texts.push_back(MenuContent(refs.host, tag, {}, refs.window));
    }
    std::set<std::string> misfits;
    for (const char* year : {"2013", "365"}) {
      const PublishedControls published = ReadPublishedControls(std::string(refs.lists) + "-idmso-" + year + "-types.tsv");
      ASSERT_GT(published.size(), 500u) << "the " << year << " list in " << kRefs << " could not be read";
      std::size_t references = 0;
      for (std::u16string_view text : texts) {
        const auto parsed = ParseStrict(text);
        ASSERT_TRUE(parsed->result);
        for (const std::string& misfit : MisfitsOf(parsed->Root(), published, references)) {
          misfits.insert(std::string(year) + " " + misfit);
        }
      }
      EXPECT_GT(references, 100u);
    }
    EXPECT_EQ(misfits, refs.knownMisfits);
  }
}

// Each tab a switch governs in a window is a tab in that ribbon's 365 list, and in its 2013
// list unless it came after 2013.
TEST(PublishedControlNamesTest, EveryLaterTabIsPublishedForTheVersionsThatHaveIt) {
  for (const HostRefs& refs : kHostRefs) {
    const PublishedControls list2013 = ReadPublishedControls(std::string(refs.lists) + "-idmso-2013-types.tsv");
    const PublishedControls list365 = ReadPublishedControls(std::string(refs.lists) + "-idmso-365-types.tsv");
    const auto isTab = [](const PublishedControls& list, const std::string& name) {
      const auto found = list.find(name);
      return found != list.end() && found->second.contains("tab");
    };
    for (const settings::SwitchableTab& tab : settings::SwitchesOf(refs.host).tabs) {
      for (const settings::GovernedTab& governed : tab.Governed()) {
        if ((governed.windows & settings::WindowBit(refs.window)) == 0) continue;
        const std::string name = ToUtf8(governed.idMso);
        EXPECT_TRUE(isTab(list365, name)) << refs.lists << " " << name;
        EXPECT_EQ(isTab(list2013, name), governed.since <= OfficeVersion::k2013) << refs.lists << " " << name;
      }
    }
  }
}

// The check can fail: the type rule refuses what a host would.
TEST(PublishedControlNamesTest, TypeRuleRefusesMismatchedElements) {
  EXPECT_FALSE(TypesThatFit("button", "menu").contains("gallery"));
  EXPECT_FALSE(TypesThatFit("menu", "menu").contains("button"));
  EXPECT_FALSE(TypesThatFit("control", "buttonGroup").contains("comboBox"));
  EXPECT_FALSE(TypesThatFit("control", "menu").contains("group"));
  EXPECT_TRUE(TypesThatFit("control", "box").contains("comboBox"));
}

}  // namespace
}  // namespace zorvane::ribbon
