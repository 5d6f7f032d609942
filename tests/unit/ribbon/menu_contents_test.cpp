#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_windows.h"
#include "powerpoint_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ribbon/ribbon_names.h"
#include "xml_support.h"

namespace zorvane::ribbon {
namespace {

using namespace testing;
using Names = std::vector<std::string>;

std::vector<pugi::xml_node> ItemsOf(pugi::xml_node root) { return {root.children().begin(), root.children().end()}; }

int CountIdMso(pugi::xml_node root, std::string_view idMso) {
  int count = 0;
  for (pugi::xml_node element : ElementsOf(root)) count += element.attribute("idMso").value() == idMso ? 1 : 0;
  return count;
}

struct MenuShape {
  OfficeHost host;
  std::u16string_view tag;
  std::size_t items;
  std::size_t separators;
  const char* first;  // idMso of the first item
  const char* last;   // id or idMso of the last item
};

// How each host's menus look to the user, in menu-bar order: how many items and separators,
// what opens and ends each.
constexpr OfficeHost kPowerPoint = OfficeHost::PowerPoint;
constexpr OfficeHost kWord = OfficeHost::Word;
constexpr OfficeHost kExcel = OfficeHost::Excel;
constexpr MenuShape kShapes[] = {
    {kPowerPoint, u"File", 24, 7, "FileNew", "FileExit"},
    {kPowerPoint, u"Edit", 20, 4, "Undo", "ObjectEditDialog"},
    {kPowerPoint, u"View", 22, 4, "ViewNormalViewPowerPoint", "FileProperties"},
    {kPowerPoint, u"Insert", 21, 4, "SlideNewGallery", "HeaderFooterInsert"},
    {kPowerPoint, u"Format", 28, 4, "FontDialogPowerPoint", "ObjectFormatDialog"},
    {kPowerPoint, u"Tools", 16, 3, "Spelling", "ApplicationOptionsDialog"},
    {kPowerPoint, u"Slide", 16, 3, "SlideShowFromBeginning", "SlideShowUsePresenterView"},
    {kPowerPoint, u"Windows", 8, 2, "WindowNew", "WindowSwitchWindowsMenuPowerPoint"},
    {kPowerPoint, u"Help", 8, 2, "Help", "AboutMe"},
    {kWord, u"File", 23, 7, "FileNew", "FileExit"},
    {kWord, u"Edit", 19, 4, "Undo", "ObjectEditDialog"},
    {kWord, u"View", 16, 3, "ViewDraftView", "ZoomDialog"},
    {kWord, u"Insert", 20, 3, "BreakInsertDialog", "HyperlinkInsert"},
    {kWord, u"Format", 19, 2, "FontDialog", "ObjectFormatDialog"},
    {kWord, u"Tools", 17, 3, "SpellingAndGrammar", "ApplicationOptionsDialog"},
    {kWord, u"Table", 18, 3, "TableDrawTable", "TablePropertiesDialog"},
    {kWord, u"Windows", 6, 1, "WindowNew", "WindowSwitchWindowsMenuWord"},
    {kWord, u"Help", 9, 2, "Help", "AboutMe"},
    {kExcel, u"File", 22, 6, "FileNew", "FileExit"},
    {kExcel, u"Edit", 21, 4, "Undo", "FileLinksToFiles"},
    {kExcel, u"View", 11, 3, "ViewNormalViewExcel", "ZoomDialog"},
    {kExcel, u"Insert", 15, 1, "CellsInsertDialog", "HyperlinkInsert"},
    {kExcel, u"Format", 9, 1, "FormatCellsDialog", "PhoneticGuideMenu"},
    {kExcel, u"Tools", 17, 3, "Spelling", "ApplicationOptionsDialog"},
    {kExcel, u"Data", 15, 1, "SortDialog", "RefreshAll"},
    {kExcel, u"Windows", 10, 2, "WindowNew", "WindowSwitchWindowsMenuExcel"},
    {kExcel, u"Help", 8, 2, "Help", "AboutMe"}};

void PrintTo(const MenuShape& shape, std::ostream* out) {
  *out << static_cast<int>(shape.host) << ' ' << ToUtf8(shape.tag);
}

class MenuTest : public ::testing::TestWithParam<MenuShape> {
 protected:
  void SetUp() override {
    text_ = MenuContent(GetParam().host, GetParam().tag, UiLanguage::kSimplifiedChinese);
    ASSERT_FALSE(text_.empty());
    parsed_ = ParseStrict(text_);
    ASSERT_TRUE(parsed_->result) << parsed_->result.description() << " at " << parsed_->result.offset;
  }
  pugi::xml_node Root() const { return parsed_->Root(); }

  std::u16string_view text_;
  std::unique_ptr<ParsedXml> parsed_;
};

TEST_P(MenuTest, IsOneMenuInTheCustomUiNamespaceWithNothingElse) {
  EXPECT_TRUE(text_.starts_with(u"<menu xmlns=\""));
  EXPECT_TRUE(text_.ends_with(u"</menu>"));
  EXPECT_TRUE(NonElementNodesOf(parsed_->document).empty());
  EXPECT_EQ(std::string(Root().name()), "menu");
  EXPECT_EQ(AttributeNamesOf(Root()), Names{"xmlns"});  // its value: the schema's namespace
  for (pugi::xml_node element : ElementsOf(Root())) {
    if (element != Root()) {
      EXPECT_FALSE(element.attribute("xmlns")) << StartTagOf(element);
    }
  }
}

TEST_P(MenuTest, EmptyElementsAreSelfClosed) {
  int empty = 0;
  for (pugi::xml_node element : ElementsOf(Root())) empty += element.first_child() ? 0 : 1;
  EXPECT_EQ(CountOf(text_, u"/>"), static_cast<std::size_t>(empty));
}

TEST_P(MenuTest, HasItsItemsAndSeparators) {
  const std::vector<pugi::xml_node> items = ItemsOf(Root());
  EXPECT_EQ(items.size(), GetParam().items);
  const auto separators = std::count_if(items.begin(), items.end(), [](pugi::xml_node item) {
    return std::string_view(item.name()) == "menuSeparator";
  });
  EXPECT_EQ(static_cast<std::size_t>(separators), GetParam().separators);
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(ControlIdOf(items.front()), GetParam().first);
  EXPECT_EQ(ControlIdOf(items.back()), GetParam().last);
  // A separator divides items: never first, last, or next to another.
  EXPECT_STRNE(items.front().name(), "menuSeparator");
  EXPECT_STRNE(items.back().name(), "menuSeparator");
  for (std::size_t i = 1; i < items.size(); ++i) {
    EXPECT_FALSE(std::string_view(items[i].name()) == "menuSeparator" &&
                 std::string_view(items[i - 1].name()) == "menuSeparator") << i;
  }
}

// Each kind of item carries a fixed set of attributes, in a fixed order.
TEST_P(MenuTest, ItemsCarryTheAttributesOfTheirKind) {
  for (pugi::xml_node item : ItemsOf(Root())) {
    const std::string name = item.name();
    const Names attributes = AttributeNamesOf(item);
    if (name == "control" || name == "toggleButton" || name == "checkBox") {
      EXPECT_EQ(attributes, Names{"idMso"}) << StartTagOf(item);
    } else if (name == "menuSeparator") {
      EXPECT_EQ(attributes, Names{"id"}) << StartTagOf(item);
    } else if (name == "button") {
      const bool own = item.attribute("onAction");
      const bool labelled = !own && item.attribute("label");
      const Names expected = own ? Names{"id", "label", "onAction"} : labelled ? Names{"idMso", "label"} : Names{"idMso"};
      EXPECT_EQ(attributes, expected) << StartTagOf(item);
    } else if (name == "menu" && item.attribute("idMso")) {
      EXPECT_EQ(attributes, Names{"idMso"}) << StartTagOf(item);
      EXPECT_FALSE(item.first_child()) << "a built-in menu is filled by the host";
    } else if (name == "menu") {
      const bool large = item.attribute("itemSize");
      const Names expected = large ? Names{"id", "label", "itemSize"} : Names{"id", "label"};
      EXPECT_EQ(attributes, expected) << StartTagOf(item);
      if (large) {
        EXPECT_STREQ(item.attribute("itemSize").value(), "large");
      }
      EXPECT_TRUE(item.first_child()) << StartTagOf(item);
      for (pugi::xml_node sub : item.children()) {
        EXPECT_TRUE(std::string_view(sub.name()) == "control" || std::string_view(sub.name()) == "button")
            << StartTagOf(sub);
        EXPECT_EQ(AttributeNamesOf(sub), Names{"idMso"}) << StartTagOf(sub);
      }
    } else {
      ADD_FAILURE() << "unexpected item " << StartTagOf(item);
    }
  }
}

TEST_P(MenuTest, EveryCallReturnsTheSameText) {
  EXPECT_EQ(MenuContent(GetParam().host, GetParam().tag, UiLanguage::kSimplifiedChinese).data(), text_.data());
  EXPECT_EQ(text_.data()[text_.size()], u'\0');
}

TEST_P(MenuTest, OnlyTheHelpMenuCallsBack) {
  int actions = 0;
  for (pugi::xml_node element : ElementsOf(Root())) actions += element.attribute("onAction") ? 1 : 0;
  EXPECT_EQ(actions, GetParam().tag == tag::kHelp ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(AllMenus, MenuTest, ::testing::ValuesIn(kShapes),
                         [](const ::testing::TestParamInfo<MenuShape>& info) {
                           return std::to_string(static_cast<int>(info.param.host)) + ToUtf8(info.param.tag);
                         });

TEST(MenuContentsTest, EachHostAnswersExactlyItsNineTags) {
  std::size_t row = 0;
  for (const OfficeHost host : kOneRibbonHosts) {
    const std::span<const std::u16string_view> tags = MenuTags(host);
    ASSERT_EQ(tags.size(), 9u);
    for (std::size_t i = 0; i < tags.size(); ++i, ++row) {
      ASSERT_LT(row, std::size(kShapes));
      EXPECT_EQ(kShapes[row].host, host);
      EXPECT_EQ(tags[i], kShapes[row].tag) << i;
    }
    // Nine different menus, not one text under several names.
    std::set<std::u16string_view> texts;
    for (std::u16string_view tag : tags) texts.insert(MenuContent(host, tag, UiLanguage::kSimplifiedChinese));
    EXPECT_EQ(texts.size(), tags.size());
  }
  EXPECT_EQ(row, std::size(kShapes));
}

TEST(MenuContentsTest, NearMissTagsAndOtherHostsTagsAnswerNothing) {
  using namespace std::string_view_literals;
  for (const std::u16string_view tag :
       {u"file"sv, u"FILE"sv, u" File"sv, u"File "sv, u"Fil"sv, u"Files"sv, u"Window"sv, u"windows"sv, u""sv,
        u"Help\0"sv, u"rxMenu_wenjianI"sv, u"文件"sv, u"Table"sv}) {
    EXPECT_TRUE(PowerPointMenuContent(tag).empty()) << ToUtf8(tag) << " (" << tag.size() << " units)";
  }
  EXPECT_TRUE(MenuContent(OfficeHost::Word, u"Slide", UiLanguage::kSimplifiedChinese).empty());
  EXPECT_TRUE(MenuContent(OfficeHost::Excel, u"Table", UiLanguage::kSimplifiedChinese).empty());
}

TEST(MenuContentsTest, IdsAreDistinctAcrossEachDocumentsMenus) {
  for (const HostRibbon& document : kHostRibbons) {
    std::map<std::string, std::string> owner;
    for (std::u16string_view tag : MenuTags(document.host, document.window)) {
      auto parsed = ParseStrict(MenuContent(document.host, tag, UiLanguage::kSimplifiedChinese, document.window));
      ASSERT_TRUE(parsed->result);
      for (const std::string& id : IdsOf(parsed->Root())) {
        const auto [it, inserted] = owner.emplace(id, ToUtf8(tag));
        EXPECT_TRUE(inserted) << id << " in " << ToUtf8(tag) << " and " << it->second;
      }
    }
  }
}

TEST(MenuContentsTest, RepeatedBuiltInControlsAreEmittedEachTime) {
  auto insert = ParseStrict(PowerPointMenuContent(tag::kInsert));
  pugi::xml_node art = insert->Root().find_child_by_attribute("menu", "id", "RXArt");
  ASSERT_TRUE(art);
  EXPECT_EQ(CountIdMso(insert->Root(), "SmartArtInsert"), 2);
  EXPECT_EQ(CountIdMso(art, "SmartArtInsert"), 1);
  EXPECT_STREQ(art.next_sibling().attribute("idMso").value(), "SmartArtInsert");  // right after the sub-menu

  auto tools = ParseStrict(PowerPointMenuContent(tag::kTools));
  pugi::xml_node activeX = tools->Root().find_child_by_attribute("menu", "id", "RXActiveX");
  ASSERT_TRUE(activeX);
  EXPECT_EQ(CountIdMso(activeX, "ActiveXSpinButton"), 2);
  EXPECT_EQ(std::distance(activeX.children().begin(), activeX.children().end()), 15);

  auto view = ParseStrict(PowerPointMenuContent(tag::kView));
  pugi::xml_node master = view->Root().find_child_by_attribute("menu", "id", "RXMaster");
  ASSERT_TRUE(master);
  EXPECT_EQ(CountIdMso(view->Root(), "ViewSlideSorterView"), 2);
  EXPECT_STREQ(master.first_child().attribute("idMso").value(), "ViewSlideSorterView");
  EXPECT_STREQ(view->Root().first_child().next_sibling().name(), "toggleButton");
}

TEST(MenuContentsTest, EveryDocumentsHelpEndsWithTheTwoOwnCommands) {
  for (const HostRibbon& document : kHostRibbons) {
    const OfficeHost host = document.host;
    auto help = ParseStrict(MenuContent(host, tag::kHelp, UiLanguage::kSimplifiedChinese, document.window));
    pugi::xml_node about = help->Root().last_child();
    pugi::xml_node customize = about.previous_sibling();
    EXPECT_EQ(StartTagOf(customize), "<button id=\"Dingzhi\" label=\"自定义...\" onAction=\"CustomMenu\"/>");
    EXPECT_EQ(StartTagOf(about), "<button id=\"AboutMe\" label=\"关于Quelby\" onAction=\"AboutMenu\"/>");
    // The ids and callbacks the COM layer binds are the ones written here.
    EXPECT_EQ(ToUtf8(id::kCustomizeButton), customize.attribute("id").value());
    EXPECT_EQ(ToUtf8(callback::kCustomMenu), customize.attribute("onAction").value());
    EXPECT_EQ(ToUtf8(id::kAboutButton), about.attribute("id").value());
    EXPECT_EQ(ToUtf8(callback::kAboutMenu), about.attribute("onAction").value());
    // Three full stops, not one ellipsis character.
    EXPECT_NE(MenuContent(host, tag::kHelp, {}, document.window).find(u"自定义...\""), std::u16string_view::npos);
    EXPECT_EQ(MenuContent(host, tag::kHelp, {}, document.window).find(u'\u2026'), std::u16string_view::npos);
  }
}

TEST(MenuContentsTest, SerializesSubMenusAndLabelledButtonsExactly) {
  const std::u16string_view file = PowerPointMenuContent(tag::kFile);
  EXPECT_NE(file.find(u"<button idMso=\"FileSaveAsPowerPoint97_2003\" label=\"另存为Power Point97_2003工作薄\"/>"),
            std::u16string_view::npos);
  EXPECT_NE(file.find(u"<menu idMso=\"FilePrepareMenu\"/><menu id=\"RXSend\" label=\"发送\" itemSize=\"large\">"
                      u"<button idMso=\"FileSendAsAttachment\"/><button idMso=\"ExchangeFolder\"/>"
                      u"<button idMso=\"FileInternetFax\"/><button idMso=\"CreateHandoutsInWord\"/></menu>"
                      u"<menu idMso=\"MenuPublish\"/>"),
            std::u16string_view::npos);
  EXPECT_NE(PowerPointMenuContent(tag::kTools).find(u"<menu id=\"RXActiveX\" label=\"控件\"><control idMso=\"ActiveXLabel\"/>"),
            std::u16string_view::npos);
}

TEST(MenuContentsTest, WindowAndHelpMenusAreExact) {
  EXPECT_EQ(PowerPointMenuContent(u"Windows"),
            u"<menu xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\">"
            u"<control idMso=\"WindowNew\"/><control idMso=\"WindowsArrangeAll\"/><control idMso=\"WindowsCascade\"/>"
            u"<menuSeparator id=\"rxAuditMiscSeparator_WindowI\"/>"
            u"<control idMso=\"NextPane\"/><control idMso=\"WindowMoveSplit\"/>"
            u"<menuSeparator id=\"rxAuditMiscSeparator_WindowII\"/>"
            u"<control idMso=\"WindowSwitchWindowsMenuPowerPoint\"/></menu>");
  EXPECT_EQ(PowerPointMenuContent(u"Help"),
            u"<menu xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\">"
            u"<control idMso=\"Help\"/><menuSeparator id=\"rxAuditMiscSeparator_HelpI\"/>"
            u"<control idMso=\"ContactUs\"/><control idMso=\"CheckForUpdates\"/><control idMso=\"About\"/>"
            u"<menuSeparator id=\"rxAuditMiscSeparator_HelpII\"/>"
            u"<button id=\"Dingzhi\" label=\"自定义...\" onAction=\"CustomMenu\"/>"
            u"<button id=\"AboutMe\" label=\"关于Quelby\" onAction=\"AboutMenu\"/></menu>");
}

}  // namespace
}  // namespace zorvane::ribbon
