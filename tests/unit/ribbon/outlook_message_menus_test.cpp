// Outlook's message windows: each window's eight menus and two toolbar rows, checked against
// the schema and against that window's own published control lists, in every language.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ribbon/document/outlook_message_toolbars.h"
#include "ribbon/localized_text.h"
#include "ribbon/menu_contents.h"
#include "ribbon/menus/outlook/message/actions.h"
#include "ribbon/menus/outlook/message/edit.h"
#include "ribbon/menus/outlook/message/file.h"
#include "ribbon/menus/outlook/message/format.h"
#include "ribbon/menus/outlook/message/help.h"
#include "ribbon/menus/outlook/message/insert.h"
#include "ribbon/menus/outlook/message/tools.h"
#include "ribbon/menus/outlook/message/view.h"
#include "ribbon/ribbon_document.h"
#include "ribbon/text/ribbon_text.h"
#include "xml_support.h"

namespace zorvane::ribbon {
namespace {

using namespace testing;
using namespace menus::outlook::message;
namespace toolbars = document::outlook::message;
using Texts = std::vector<std::u16string>;

// The text the host receives: the markup without the marks around our captions.
template <class... Markup>
Texts AsReceived(const Markup&... markup) {
  Texts texts{std::u16string(markup.view())...};
  for (std::u16string& text : texts) std::erase_if(text, [](char16_t c) { return c == kCaptionStart || c == kCaptionEnd; });
  return texts;
}

// A form's menus in menu-bar order, in one language.
template <class T>
Texts ComposeMenus() {
  return AsReceived(kComposeFileMenu<T>, kComposeEditMenu, kComposeViewMenu, kComposeInsertMenu<T>,
                    kComposeFormatMenu, kComposeToolsMenu<T>, kComposeActionsMenu<T>, kComposeHelpMenu<T>);
}
template <class T>
Texts ReadMenus() {
  return AsReceived(kReadFileMenu<T>, kReadEditMenu, kReadViewMenu, kReadInsertMenu<T>,
                    kReadFormatMenu, kReadToolsMenu<T>, kReadActionsMenu<T>, kReadHelpMenu<T>);
}

struct MessageForm {
  const char* lists;  // file-name stem in refs/
  Texts (*menus[3])();  // in UiLanguage order
  std::u16string_view toolbars;
};
const MessageForm kForms[] = {
    {"outlook-mail-compose",
     {&ComposeMenus<text::SimplifiedChinese>, &ComposeMenus<text::TraditionalChinese>, &ComposeMenus<text::English>},
     toolbars::kComposeToolbars},
    {"outlook-mail-read",
     {&ReadMenus<text::SimplifiedChinese>, &ReadMenus<text::TraditionalChinese>, &ReadMenus<text::English>},
     toolbars::kReadToolbars},
};

// The toolbar rows as the host reads them: in a group of a tab of a whole document.
std::u16string InDocument(std::u16string_view toolbars) {
  return u"<customUI xmlns=\"" + std::u16string(kCustomUiNamespace) +
         u"\"><ribbon><tabs><tab id=\"t\" label=\"t\"><group id=\"g\" label=\"g\">" + std::u16string(toolbars) +
         u"</group></tab></tabs></ribbon></customUI>";
}

// A form's menus in the first language, then its toolbar rows.
Texts AllOf(const MessageForm& form) {
  Texts texts = form.menus[0]();
  texts.emplace_back(form.toolbars);
  return texts;
}

// Each reference to a built-in name in `texts` that the form's 2013 or 365 list lacks, or
// types so that its element cannot take it: "<year> <element> <name>".
std::set<std::string> Misfits(const Texts& texts, const std::string& lists) {
  std::set<std::string> misfits;
  for (const char* year : {"2013", "365"}) {
    const PublishedControls published = ReadPublishedControls(lists + "-idmso-" + year + "-types.tsv");
    if (published.size() < 1000) misfits.insert(std::string(year) + " list unreadable");
    for (const std::u16string& text : texts) {
      const auto parsed = ParseStrict(text);
      if (!parsed->result) misfits.insert("not well-formed");
      for (pugi::xml_node element : ElementsOf(parsed->Root())) {
        for (pugi::xml_attribute attribute : element.attributes()) {
          if (!std::string_view(attribute.name()).ends_with("Mso")) continue;
          const auto found = published.find(attribute.value());
          const std::set<std::string> fits = TypesThatFit(element.name(), element.parent().name());
          if (found == published.end() || std::none_of(found->second.begin(), found->second.end(),
                                                      [&](const std::string& type) { return fits.contains(type); })) {
            misfits.insert(std::string(year) + " " + element.name() + " " + attribute.value());
          }
        }
      }
    }
  }
  return misfits;
}

TEST(OutlookMessageTest, EveryMenuAnswerInEveryLanguageAndTheToolbarsAreSchemaValid) {
  for (const MessageForm& form : kForms) {
    SCOPED_TRACE(form.lists);
    for (const UiLanguage language : kAllLanguages) {
      const Texts menus = form.menus[static_cast<std::size_t>(language)]();
      ASSERT_EQ(menus.size(), 8u);
      for (const std::u16string& menu : menus) {
        EXPECT_EQ(SchemaErrors(menu), Errors{}) << ToUtf8(menu);
        EXPECT_TRUE(menu.find(u"idMso=") != std::u16string::npos) << "a menu of nothing: " << ToUtf8(menu);
      }
    }
    EXPECT_EQ(SchemaErrors(InDocument(form.toolbars)), Errors{});
  }
}

TEST(OutlookMessageTest, EveryBuiltInControlIsInBothOfItsWindowsListsWithATypeThatFits) {
  for (const MessageForm& form : kForms) {
    EXPECT_EQ(Misfits(AllOf(form), form.lists), std::set<std::string>{}) << form.lists;
  }
}

// The check can fail: a name of the other window, or of no window, is refused.
TEST(OutlookMessageTest, MisfitCheckRefusesAnotherWindowsControls) {
  const std::u16string menu = u"<menu xmlns=\"" + std::u16string(kCustomUiNamespace) + u"\">";
  EXPECT_EQ(Misfits({menu + u"<control idMso=\"Reply\"/></menu>"}, "outlook-mail-compose"),
            (std::set<std::string>{"2013 control Reply", "365 control Reply"}));
  EXPECT_EQ(Misfits({menu + u"<control idMso=\"CheckNames\"/></menu>"}, "outlook-mail-read"),
            (std::set<std::string>{"2013 control CheckNames", "365 control CheckNames"}));
}

// Our own ids are unique within a form's menus and toolbars, and carry the message windows'
// marker, so that no other host's or window's id comes back; the Help menu's two commands
// and the two rows' boxes are the same everywhere on purpose.
TEST(OutlookMessageTest, OwnIdsAreUniquePerFormAndNotAnotherHostsIds) {
  std::set<std::string> otherHosts;
  for (const OfficeHost host : kOneRibbonHosts) {
    for (std::u16string_view tag : MenuTags(host)) {
      for (const std::string& id : IdsOf(ParseStrict(MenuContent(host, tag, {}))->Root())) otherHosts.insert(id);
    }
    const auto document = ParseStrict(RibbonDocument(host, OfficeVersion::k2007, UiLanguage::kSimplifiedChinese));
    for (const std::string& id : IdsOf(document->Root())) otherHosts.insert(id);
  }
  const std::set<std::string> shared = {ToUtf8(id::kCustomizeButton), ToUtf8(id::kAboutButton), "Quelby_toolsI",
                                        "Quelby_toolsII"};
  for (const MessageForm& form : kForms) {
    std::map<std::string, int> seen;
    for (const std::u16string& text : AllOf(form)) {
      for (const std::string& id : IdsOf(ParseStrict(text)->Root())) ++seen[id];
    }
    EXPECT_GT(seen.size(), 25u) << form.lists;
    for (const auto& [id, count] : seen) {
      EXPECT_EQ(count, 1) << form.lists << " " << id;
      if (shared.contains(id)) continue;
      EXPECT_TRUE(id.find("Msg") != std::string::npos || id.find("msg") != std::string::npos) << id;
      EXPECT_FALSE(otherHosts.contains(id)) << id;
    }
  }
}

// Every caption of ours stands in every language: the same elements carry a label, none is
// empty, and none is left in Simplified Chinese.
TEST(OutlookMessageTest, EachMenusLabelsArePresentInAllThreeLanguages) {
  const auto labelsOf = [](const std::u16string& menu) {
    std::map<std::string, std::string> byId;
    const auto parsed = ParseStrict(menu);  // the nodes below live as long as it
    for (pugi::xml_node element : ElementsOf(parsed->Root())) {
      if (element.attribute("label")) byId[ControlIdOf(element)] = element.attribute("label").value();
    }
    return byId;
  };
  for (const MessageForm& form : kForms) {
    const Texts simplified = form.menus[0](), traditional = form.menus[1](), english = form.menus[2]();
    for (std::size_t menu = 0; menu < simplified.size(); ++menu) {
      const auto first = labelsOf(simplified[menu]);
      for (const Texts* other : {&traditional, &english}) {
        const auto labels = labelsOf((*other)[menu]);
        EXPECT_EQ(labels.size(), first.size()) << form.lists << " " << menu;
        for (const auto& [id, label] : labels) {
          ASSERT_TRUE(first.contains(id)) << form.lists << " " << id;
          EXPECT_FALSE(label.empty() || first.at(id).empty()) << id;
          EXPECT_NE(label, first.at(id)) << id;
        }
      }
    }
    // The last menu is Help, ending with the add-in's own two commands.
    EXPECT_TRUE(labelsOf(simplified.back()).contains(ToUtf8(id::kAboutButton))) << form.lists;
  }
}

}  // namespace
}  // namespace zorvane::ribbon
