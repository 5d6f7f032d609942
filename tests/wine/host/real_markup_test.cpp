// The host's reading of the add-in's real markup (taken from the ribbon library, without
// COM): the document passes its checks, the tab lands before Home, and all eighteen menus
// open with the sizes the menus are meant to have.
#include <gtest/gtest.h>

#ifdef STANDIN_HAVE_ZORVANE_RIBBON

#include <map>
#include <string>
#include <vector>

#include "custom_ui.h"
#include "fake_ui.h"
#include "menu_view.h"
#include "report.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "sample_markup.h"
#include "tab_view.h"
#include "text_sink.h"
#include "xml_parser.h"

using namespace zorvane::standin;
using namespace standin_test;

namespace {

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

const std::map<std::wstring, std::size_t> kMenuSizes = {
    {L"File", 24}, {L"Edit", 20},  {L"View", 22},    {L"Insert", 21}, {L"Format", 28},
    {L"Tools", 16}, {L"Slide", 16}, {L"Windows", 8}, {L"Help", 8}};

class RealMarkupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(ui_.document(), nullptr);
    for (std::u16string_view tag : zorvane::ribbon::MenuTags(zorvane::OfficeHost::PowerPoint)) {
      ui_.SetMenu(Wide(tag), Wide(zorvane::ribbon::MenuContent(zorvane::OfficeHost::PowerPoint, tag, zorvane::UiLanguage::kSimplifiedChinese)));
    }
  }
  FakeUi ui_{L"Zorvane.Connect", Wide(zorvane::ribbon::RibbonDocument(zorvane::OfficeHost::PowerPoint, zorvane::OfficeVersion::k2007, zorvane::UiLanguage::kSimplifiedChinese))};
  AddinUi* uis_[1] = {&ui_};
};

TEST_F(RealMarkupTest, DocumentPassesTheHostsChecksAndNamesThreeCallbacks) {
  EXPECT_EQ(CheckRibbonDocument(*ui_.document()), L"");
  std::vector<std::wstring> names;
  for (const CallbackUse& use : CallbackUses(*ui_.document())) names.push_back(use.name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"rxcustomUI_onLoad", L"GetVisible", L"rxQuelby_get"}));
}

TEST_F(RealMarkupTest, QuelbyTabComesFirstAndHidesBuiltInTabsOnRequest) {
  ui_.SetVisible(L"TabReview", false);
  const std::vector<TabSlot> tabs = ArrangeTabs(uis_);
  ASSERT_EQ(tabs.size(), 9u);
  EXPECT_EQ(tabs[0].caption, L"Quelby");
  EXPECT_EQ(tabs[0].key, L"rxWordVBA");
  EXPECT_EQ(tabs[1].key, L"TabHome");
  for (const TabSlot& tab : tabs) EXPECT_EQ(VisibilityOf(tab).visible, tab.key != L"TabReview") << ToUtf8(tab.key);
}

TEST_F(RealMarkupTest, MenuBarShowsTheCombinedMenuAndNineMenusWithGaps) {
  const std::vector<TabSlot> tabs = ArrangeTabs(uis_);
  StringSink out;
  StringSink errors;
  Report report(out, errors, false);
  PrintAddinTab(report, tabs[0]);
  EXPECT_TRUE(HasLine(out.text(), L"      [全部 ▾]   [文件 ▾]   [编辑 ▾]   [视图 ▾]   [插入 ▾]   [格式 ▾]   "
                                  L"[工具 ▾]   [幻灯片放映 ▾]   [窗口 ▾]   [帮助 ▾]"))
      << ToUtf8(out.text());
  EXPECT_TRUE(HasLine(out.text(), L"      [FileNew | FileOpen | FileSave | FileSaveAsPowerPoint97_2003]"));
  EXPECT_TRUE(HasLine(out.text(), L"      [Font]"));  // the wide second toolbar: one line per control
}

TEST_F(RealMarkupTest, AllEighteenMenusOpenWithTheirSizes) {
  const std::vector<MenuPlace> menus = ReachableMenus(ArrangeTabs(uis_));
  ASSERT_EQ(menus.size(), 18u);
  std::map<std::wstring, int> copies;
  for (const MenuPlace& menu : menus) {
    const std::wstring tag = menu.element->AttributeOr(L"tag");
    ++copies[tag];
    const MenuContent& content = ui_.OpenMenu(*menu.element);
    ASSERT_NE(content.root, nullptr) << ToUtf8(tag);
    EXPECT_EQ(CountItems(*content.root).items, kMenuSizes.at(tag)) << ToUtf8(tag);
  }
  for (const auto& [tag, size] : kMenuSizes) EXPECT_EQ(copies[tag], 2) << ToUtf8(tag);
}

TEST_F(RealMarkupTest, HidingTheCombinedMenuLeavesNineMenus) {
  ui_.SetVisible(L"MenuAll", false);
  ui_.SetVisible(L"rxlableAll", false);
  const std::vector<MenuPlace> menus = ReachableMenus(ArrangeTabs(uis_));
  ASSERT_EQ(menus.size(), 9u);
  for (const MenuPlace& menu : menus) EXPECT_EQ(menu.path.find(L"▸"), std::wstring::npos);
}

TEST_F(RealMarkupTest, HelpMenuOffersTheTwoCommandsWithTheirActions) {
  const XmlParseResult help = ParseXml(Wide(zorvane::ribbon::MenuContent(zorvane::OfficeHost::PowerPoint, u"Help", zorvane::UiLanguage::kSimplifiedChinese)));
  ASSERT_TRUE(help.root);
  const XmlElement* customize = FindById(*help.root, L"Dingzhi");
  const XmlElement* about = FindById(*help.root, L"AboutMe");
  ASSERT_NE(customize, nullptr);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(customize->AttributeOr(L"onAction"), L"CustomMenu");
  EXPECT_EQ(about->AttributeOr(L"onAction"), L"AboutMenu");
}

}  // namespace

#endif  // STANDIN_HAVE_ZORVANE_RIBBON
