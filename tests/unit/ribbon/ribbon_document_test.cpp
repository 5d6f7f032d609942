#include "ribbon/ribbon_document.h"
#include "powerpoint_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ribbon/ribbon_names.h"
#include "xml_support.h"

namespace zorvane::ribbon {
namespace {

using namespace testing;
using Names = std::vector<std::string>;

// What differs between the hosts' documents: the toolbar rows.
struct DocumentShape {
  OfficeHost host;
  int controls;      // built-in controls on the toolbars and in their drop-downs
  int buttonGroups;  // numbered on across both rows
  int menus;         // the combined menu and the toolbars' drop-downs
  int firstRow;      // children of each toolbar row
  int secondRow;
};

const DocumentShape kShapes[] = {
    {OfficeHost::PowerPoint, 64, 16, 4, 14, 11},
    {OfficeHost::Word, 49, 15, 1, 13, 12},
    {OfficeHost::Excel, 41, 14, 1, 13, 10},
};

void PrintTo(const DocumentShape& shape, std::ostream* out) { *out << static_cast<int>(shape.host); }

class DocumentTest : public ::testing::Test {
 protected:
  void Parse(std::u16string_view text) {
    text_ = text;
    parsed_ = ParseStrict(text_);
    ASSERT_TRUE(parsed_->result) << parsed_->result.description() << " at " << parsed_->result.offset;
  }
  pugi::xml_node Root() const { return parsed_->Root(); }
  pugi::xml_node ById(const char* id) const { return Root().find_node([id](pugi::xml_node n) {
    return std::string_view(n.attribute("id").value()) == id; }); }

  std::u16string_view text_;
  std::unique_ptr<ParsedXml> parsed_;
};

// Every host's document, in its first language; the others differ only in captions
// (languages_test.cpp).
class RibbonDocumentTest : public DocumentTest, public ::testing::WithParamInterface<DocumentShape> {
 protected:
  void SetUp() override { Parse(RibbonDocument(GetParam().host, OfficeVersion::k2007, UiLanguage::kSimplifiedChinese)); }
};

// PowerPoint's own document, to the unit (its old signature).
class PowerPointDocumentTest : public DocumentTest {
 protected:
  void SetUp() override { Parse(PowerPointRibbonDocument()); }
};

std::string RomanNumeral(int n) {
  static const std::pair<int, const char*> kDigits[] = {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
  std::string out;
  for (const auto& [value, digits] : kDigits) {
    for (; n >= value; n -= value) out += digits;
  }
  return out;
}

TEST_P(RibbonDocumentTest, IsOneElementWithNothingAroundOrBetween) {
  const std::u16string_view text = text_;
  EXPECT_TRUE(text.starts_with(u"<customUI "));  // no declaration, no leading blank
  EXPECT_TRUE(text.ends_with(u"</customUI>"));
  // Nothing but elements: no declaration, comment, instruction or whitespace text.
  EXPECT_TRUE(NonElementNodesOf(parsed_->document).empty());
  EXPECT_EQ(std::string(Root().name()), "customUI");
  EXPECT_EQ(text.find(u'\n'), std::u16string_view::npos);
  EXPECT_EQ(text.find(u"> "), std::u16string_view::npos);
  EXPECT_EQ(text.find(u" <"), std::u16string_view::npos);
}

TEST_P(RibbonDocumentTest, EmptyElementsAreSelfClosed) {
  int empty = 0;
  for (pugi::xml_node element : ElementsOf(Root())) empty += element.first_child() ? 0 : 1;
  EXPECT_EQ(CountOf(text_, u"/>"), static_cast<std::size_t>(empty));
}

TEST_P(RibbonDocumentTest, EveryCallReturnsTheSameZeroTerminatedText) {
  const std::u16string_view first = text_;
  const std::u16string_view second = RibbonDocument(GetParam().host, OfficeVersion::k2007, UiLanguage::kSimplifiedChinese);
  EXPECT_EQ(first.data(), second.data());
  EXPECT_EQ(first, second);
  EXPECT_EQ(first.data()[first.size()], u'\0');
  EXPECT_EQ(first.find(u'\0'), std::u16string_view::npos);
}

TEST_P(RibbonDocumentTest, RootDeclaresTheCustomUiNamespaceAndTheLoadCallback) {
  // Which namespace: the published schema accepts only its own (published_refs_test.cpp).
  EXPECT_EQ(AttributeNamesOf(Root()), (Names{"xmlns", "onLoad"}));
  EXPECT_EQ(std::string(Root().attribute("onLoad").value()), ToUtf8(callback::kOnLoad));
  // One default namespace and no prefixes anywhere.
  for (pugi::xml_node element : ElementsOf(Root())) {
    EXPECT_EQ(std::string(element.name()).find(':'), std::string::npos) << element.name();
    for (const std::string& name : AttributeNamesOf(element)) {
      EXPECT_EQ(name.find(':'), std::string::npos) << element.name() << " " << name;
      if (element != Root()) {
        EXPECT_NE(name, "xmlns") << element.name();
      }
    }
  }
}

TEST_P(RibbonDocumentTest, HasTheExpectedNumberOfEachElement) {
  std::map<std::string, int> counts;
  for (pugi::xml_node element : ElementsOf(Root())) ++counts[element.name()];
  const std::map<std::string, int> expected = {
      {"customUI", 1}, {"ribbon", 1},       {"tabs", 1},          {"tab", 9},
      {"group", 1},    {"box", 3},          {"menu", GetParam().menus},          {"dynamicMenu", 18},
      {"labelControl", 16}, {"buttonGroup", GetParam().buttonGroups}, {"control", GetParam().controls}};
  EXPECT_EQ(counts, expected);
  // The own tab, its group, the three boxes and every menu, label and button group; distinct,
  // since the schema's ids are unique within a document.
  EXPECT_EQ(IdsOf(Root()).size(), static_cast<std::size_t>(5 + GetParam().menus + 18 + 16 + GetParam().buttonGroups));
}

// The exact tabs and group are checked with the opening text below; this is their shape.
TEST_P(RibbonDocumentTest, OwnTabHoldsOneGroupOfThreeBoxesAfterTheEightBuiltInTabs) {
  pugi::xml_node tabs = Root().child("ribbon").child("tabs");
  EXPECT_EQ(std::distance(tabs.children().begin(), tabs.children().end()), 9);
  pugi::xml_node own = tabs.last_child();
  EXPECT_STREQ(own.attribute("id").value(), "rxWordVBA");
  for (pugi::xml_node tab = own.previous_sibling(); tab; tab = tab.previous_sibling()) {
    EXPECT_TRUE(tab.attribute("idMso")) << StartTagOf(tab);
  }
  pugi::xml_node group = own.first_child();
  EXPECT_EQ(group, own.last_child());
  Names boxes;
  for (pugi::xml_node box : group.children()) boxes.push_back(ControlIdOf(box));
  EXPECT_EQ(boxes, (Names{"Quelby_menu", "Quelby_toolsI", "Quelby_toolsII"}));
  const auto count = [](pugi::xml_node n) { return std::distance(n.children().begin(), n.children().end()); };
  EXPECT_EQ(count(ById("Quelby_menu")), 19);
  EXPECT_EQ(count(ById("Quelby_toolsI")), GetParam().firstRow);
  EXPECT_EQ(count(ById("Quelby_toolsII")), GetParam().secondRow);
}

TEST_P(RibbonDocumentTest, MenuBarIsTheCombinedMenuThenMenusSeparatedByNumberedGaps) {
  pugi::xml_node bar = ById("Quelby_menu");
  std::vector<pugi::xml_node> items(bar.children().begin(), bar.children().end());
  ASSERT_EQ(items.size(), 19u);
  EXPECT_EQ(StartTagOf(items[0]), "<menu id=\"MenuAll\" label=\"全部\" screentip=\"全部菜单\" getVisible=\"GetVisible\">");
  EXPECT_EQ(std::distance(items[0].children("dynamicMenu").begin(), items[0].children("dynamicMenu").end()), 9);
  EXPECT_EQ(StartTagOf(items[1]), "<labelControl id=\"rxlableAll\" label=\"   \" getVisible=\"GetVisible\"/>");
  for (std::size_t i = 2; i < items.size(); ++i) {
    if (i % 2 == 0) {
      EXPECT_EQ(std::string(items[i].name()), "dynamicMenu") << i;
    } else {
      EXPECT_EQ(StartTagOf(items[i]),
                "<labelControl id=\"rxlable" + std::to_string((i - 1) / 2) + "\" label=\"   \"/>");
    }
  }
  EXPECT_EQ(std::string(items.back().attribute("id").value()), "rxMenu_HelpI");  // no gap after Help
}

TEST_P(RibbonDocumentTest, BlankLabelsKeepTheirExactWidth) {
  EXPECT_EQ(std::string(ById("rxDemo").attribute("label").value()), " ");
  int menuBarGaps = 0;
  for (pugi::xml_node label : ById("Quelby_menu").children("labelControl")) {
    EXPECT_EQ(std::string(label.attribute("label").value()), "   ") << ControlIdOf(label);
    ++menuBarGaps;
  }
  EXPECT_EQ(menuBarGaps, 9);
  int toolbarGaps = 0;
  for (const char* box : {"Quelby_toolsI", "Quelby_toolsII"}) {
    for (pugi::xml_node label : ById(box).children("labelControl")) {
      EXPECT_EQ(std::string(label.attribute("label").value()), " ") << ControlIdOf(label);
      ++toolbarGaps;
    }
  }
  EXPECT_EQ(toolbarGaps, 7);
  // The raw text, too, holds each width as written.
  EXPECT_NE(text_.find(u"<labelControl id=\"rxlable8\" label=\"   \"/>"), std::u16string_view::npos);
  EXPECT_NE(text_.find(u"<labelControl id=\"rxlableXIII\" label=\" \"/>"), std::u16string_view::npos);
}

// Each kind of element carries a fixed set of attributes, in a fixed order.
TEST_P(RibbonDocumentTest, AttributesStandInTheOrderOfTheirKind) {
  for (pugi::xml_node element : ElementsOf(Root())) {
    const std::string name = element.name();
    const std::string parent = element.parent().name();
    const Names attributes = AttributeNamesOf(element);
    Names expected;
    if (name == "customUI") {
      expected = {"xmlns", "onLoad"};
    } else if (name == "ribbon" || name == "tabs") {
      expected = {};
    } else if (name == "tab") {
      expected = element.attribute("idMso") ? Names{"idMso", "getVisible"} : Names{"id", "label", "insertBeforeMso"};
    } else if (name == "group") {
      expected = {"id", "label"};
    } else if (name == "box" || name == "buttonGroup") {
      expected = {"id"};
    } else if (name == "menu") {
      expected = parent == "box" ? Names{"id", "label", "screentip", "getVisible"} : Names{"id", "imageMso", "screentip"};
    } else if (name == "dynamicMenu") {
      expected = {"id", "label", "screentip", "supertip", "tag", "getContent"};
    } else if (name == "labelControl") {
      expected = element.attribute("getVisible") ? Names{"id", "label", "getVisible"} : Names{"id", "label"};
    } else if (name == "control") {
      expected = parent == "menu" ? Names{"idMso"} : Names{"idMso", "showLabel"};
      if (parent != "menu") {
        EXPECT_EQ(std::string(element.attribute("showLabel").value()), "false");
      }
    } else {
      ADD_FAILURE() << "unexpected element " << name;
    }
    EXPECT_EQ(attributes, expected) << StartTagOf(element);
  }
}

TEST_P(RibbonDocumentTest, CallbacksStandOnlyWhereTheHostShouldCall) {
  int visible = 0;
  int content = 0;
  for (pugi::xml_node element : ElementsOf(Root())) {
    for (pugi::xml_attribute attribute : element.attributes()) {
      const std::string name = attribute.name();
      const std::string value = attribute.value();
      if (name == "getVisible") {
        ++visible;
        EXPECT_EQ(value, ToUtf8(callback::kGetVisible));
      } else if (name == "getContent") {
        ++content;
        EXPECT_EQ(value, ToUtf8(callback::kGetContent));
        EXPECT_EQ(std::string(element.name()), "dynamicMenu");
      } else if (name == "onLoad") {
        EXPECT_EQ(element, Root());
      } else {
        EXPECT_FALSE(name.starts_with("on") || name.starts_with("get")) << StartTagOf(element);
      }
    }
  }
  EXPECT_EQ(visible, 10);
  EXPECT_EQ(content, 18);
}

TEST_P(RibbonDocumentTest, ButtonGroupsAreNumberedWithoutGapAcrossBothToolbars) {
  Names ids;
  for (pugi::xml_node element : ElementsOf(Root())) {
    if (std::string(element.name()) == "buttonGroup") ids.push_back(ControlIdOf(element));
  }
  ASSERT_EQ(ids.size(), static_cast<std::size_t>(GetParam().buttonGroups));
  for (int i = 0; i < GetParam().buttonGroups; ++i) EXPECT_EQ(ids[i], "RXbutton" + RomanNumeral(i + 1));
}

TEST_F(PowerPointDocumentTest, ToolbarMenusHoldPlainBuiltInControls) {
  const std::map<std::string, Names> expected = {
      {"RXColorII", {"ViewDisplayInColor", "ViewDisplayInGrayscale", "ViewDisplayInPureBlackAndWhite"}},
      {"RXThemeII", {"SlideThemesGallery", "ThemeColorsGallery", "ThemeFontsGallery", "ThemeEffectsGallery"}},
      {"RXCommentII", {"ReviewShowOrHideMarkup", "ReviewNewComment", "ReviewEditComment",
                       "ReviewDeleteCommentPowerPoint", "ReviewPreviousCommentPowerPoint",
                       "ReviewNextCommentPowerPoint"}}};
  for (const auto& [id, items] : expected) {
    pugi::xml_node menu = ById(id.c_str());
    ASSERT_TRUE(menu) << id;
    EXPECT_EQ(std::string(menu.parent().name()), "buttonGroup");
    Names actual;
    for (pugi::xml_node item : menu.children()) actual.push_back(ControlIdOf(item));
    EXPECT_EQ(actual, items) << id;
  }
  // The menu in RXbuttonX comes first; the icon is its tip's image.
  EXPECT_EQ(ById("RXbuttonX").first_child(), ById("RXCommentII"));
  EXPECT_NE(PowerPointRibbonDocument().find(u"<menu id=\"RXThemeII\" imageMso=\"SlideThemesGallery\" screentip=\"主题\">"
                                  u"<control idMso=\"SlideThemesGallery\"/>"),
            std::u16string_view::npos);
}

TEST_F(PowerPointDocumentTest, ExactOpeningClosingAndSecondToolbar) {
  const std::u16string_view expectedOpening =
      u"<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\" onLoad=\"rxcustomUI_onLoad\">"
      u"<ribbon><tabs>"
      u"<tab idMso=\"TabHome\" getVisible=\"GetVisible\"/><tab idMso=\"TabInsert\" getVisible=\"GetVisible\"/>"
      u"<tab idMso=\"TabDesign\" getVisible=\"GetVisible\"/><tab idMso=\"TabAnimations\" getVisible=\"GetVisible\"/>"
      u"<tab idMso=\"TabSlideShow\" getVisible=\"GetVisible\"/><tab idMso=\"TabReview\" getVisible=\"GetVisible\"/>"
      u"<tab idMso=\"TabView\" getVisible=\"GetVisible\"/><tab idMso=\"TabDeveloper\" getVisible=\"GetVisible\"/>"
      u"<tab id=\"rxWordVBA\" label=\"Quelby\" insertBeforeMso=\"TabHome\"><group id=\"rxDemo\" label=\" \">"
      u"<box id=\"Quelby_menu\"><menu id=\"MenuAll\" label=\"全部\" screentip=\"全部菜单\" getVisible=\"GetVisible\">"
      u"<dynamicMenu id=\"rxMenu_wenjianII\" label=\"文件\" screentip=\"文件菜单\" "
      u"supertip=\"获取Power Point2007打开关闭等和文件相关操作。\" tag=\"File\" getContent=\"rxQuelby_get\"/>";
  EXPECT_EQ(PowerPointRibbonDocument().substr(0, expectedOpening.size()), expectedOpening);
  const std::u16string_view expectedClosing =
      u"<control idMso=\"ShapeEffectsMenu\" showLabel=\"false\"/></buttonGroup></box></group></tab></tabs>"
      u"</ribbon></customUI>";
  EXPECT_TRUE(PowerPointRibbonDocument().ends_with(expectedClosing));
  // The second toolbar starts with the font boxes.
  EXPECT_NE(PowerPointRibbonDocument().find(u"<box id=\"Quelby_toolsII\"><control idMso=\"Font\" showLabel=\"false\"/>"
                                            u"<control idMso=\"FontSize\" showLabel=\"false\"/>"
                                            u"<labelControl id=\"rxlableXI\" label=\" \"/><buttonGroup id=\"RXbuttonXI\">"),
            std::u16string_view::npos);
}

TEST_F(PowerPointDocumentTest, DynamicMenuStartTagIsExact) {
  const std::u16string_view window =
      u"<dynamicMenu id=\"rxMenu_WindowI\" label=\"窗口\" screentip=\"窗口菜单\" "
      u"supertip=\"获取和Power Point2007窗口布局有关的操作。\" tag=\"Windows\" getContent=\"rxQuelby_get\"/>";
  const std::u16string_view text = PowerPointRibbonDocument();
  const std::size_t at = text.find(window);
  ASSERT_NE(at, std::u16string_view::npos);
  EXPECT_EQ(text.find(window, at + 1), std::u16string_view::npos);
  // The copy inside the combined menu differs only in its id.
  std::u16string inner(window);
  inner.replace(inner.find(u"WindowI"), 7, u"WindowII");
  EXPECT_NE(text.find(inner), std::u16string_view::npos);
}

INSTANTIATE_TEST_SUITE_P(AllHosts, RibbonDocumentTest, ::testing::ValuesIn(kShapes));

}  // namespace
}  // namespace zorvane::ribbon
