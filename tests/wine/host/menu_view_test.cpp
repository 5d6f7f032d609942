// Which dynamic menus a user can open, and how their items are drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_ui.h"
#include "menu_view.h"
#include "report.h"
#include "sample_markup.h"
#include "text.h"
#include "text_sink.h"
#include "xml_parser.h"

using namespace zorvane::standin;
using namespace standin_test;

namespace {

const std::wstring kNs(kCustomUiNamespace);

std::wstring FileMenu() {
  return L"<menu xmlns=\"" + kNs + L"\"><button idMso=\"FileNew\"/><menuSeparator id=\"s1\"/>"
         L"<button idMso=\"FileSaveAs\" label=\"另存为\"/>"
         L"<menu id=\"sub\" label=\"发送\" itemSize=\"large\"><button idMso=\"FileSendAsAttachment\"/></menu>"
         L"<menu idMso=\"FilePrepareMenu\"/><button id=\"own\" label=\"自定义...\" onAction=\"Custom\"/>"
         L"<checkBox idMso=\"ViewGridlines\"/><button idMso=\"Hidden\" visible=\"false\"/></menu>";
}

class MenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui_.SetMenu(L"File", FileMenu());
    ui_.SetMenu(L"Edit", L"");
  }
  std::vector<MenuPlace> Menus() { return ReachableMenus(ArrangeTabs(uis_)); }
  const MenuPlace& Find(const std::vector<MenuPlace>& menus, const std::wstring& id) {
    for (const MenuPlace& menu : menus) {
      if (menu.element->AttributeOr(L"id") == id) return menu;
    }
    ADD_FAILURE() << "no menu " << ToUtf8(id);
    return menus.front();
  }
  std::wstring PrintItems(const MenuPlace& menu) {
    StringSink out;
    StringSink errors;
    Report report(out, errors, false);
    PrintMenuItems(report, menu);
    return out.text();
  }

  FakeUi ui_{L"Fake.Addin", SampleDocument()};
  AddinUi* uis_[1] = {&ui_};
};

TEST_F(MenusTest, FindsEveryDynamicMenuThatCanBeOpenedInDocumentOrder) {
  const std::vector<MenuPlace> menus = Menus();
  ASSERT_EQ(menus.size(), 3u);
  EXPECT_EQ(menus[0].path, L"全部 ▸ 文件");
  EXPECT_EQ(menus[0].element->AttributeOr(L"id"), L"m1in");
  EXPECT_EQ(menus[1].path, L"文件");
  EXPECT_EQ(menus[2].path, L"编辑");
  EXPECT_EQ(ui_.menusOpened(), 0);  // finding them opens nothing
}

// What a hidden menu or a hidden tab holds cannot be opened.
TEST_F(MenusTest, MenusInsideAHiddenMenuOrTabCannotBeOpened) {
  ui_.SetVisible(L"all", false);
  const std::vector<MenuPlace> menus = Menus();
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[0].path, L"文件");
  FakeUi hiddenTab(L"Hidden", L"<customUI xmlns=\"" + kNs + L"\"><ribbon><tabs><tab id=\"t\" label=\"T\" "
                              L"getVisible=\"Vis\"><group id=\"g\"><dynamicMenu id=\"d\" tag=\"File\"/></group></tab>"
                              L"</tabs></ribbon></customUI>");
  AddinUi* uis[] = {&hiddenTab};
  EXPECT_EQ(ReachableMenus(ArrangeTabs(uis)).size(), 1u);
  hiddenTab.SetVisible(L"t", false);
  EXPECT_TRUE(ReachableMenus(ArrangeTabs(uis)).empty());
}

TEST_F(MenusTest, MatchesMenusByLabelIdTagOrPath) {
  const std::vector<MenuPlace> menus = Menus();
  EXPECT_TRUE(MenuMatches(menus[1], L"文件"));
  EXPECT_TRUE(MenuMatches(menus[1], L"m1"));
  EXPECT_TRUE(MenuMatches(menus[1], L"File"));
  EXPECT_TRUE(MenuMatches(menus[0], L"全部 ▸ 文件"));
  EXPECT_FALSE(MenuMatches(menus[1], L"file"));
  EXPECT_FALSE(MenuMatches(menus[2], L"File"));
}

TEST_F(MenusTest, CountsItemsAndSeparators) {
  const XmlParseResult parsed = ParseXml(FileMenu());
  ASSERT_TRUE(parsed.root);
  const ItemCount count = CountItems(*parsed.root);
  EXPECT_EQ(count.items, 8u);
  EXPECT_EQ(count.separators, 1u);
}

TEST_F(MenusTest, SummaryOpensEachMenuOnceAndGivesItsSize) {
  StringSink out;
  StringSink errors;
  Report report(out, errors, false);
  const std::vector<MenuPlace> menus = Menus();
  PrintMenuSummary(report, menus);
  const std::vector<std::wstring> lines = Lines(out.text());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], L"  " + PadToWidth(L"全部 ▸ 文件", 22) + PadToWidth(L"m1in", 20) + PadToWidth(L"tag File", 14) +
                          L"8 items, 1 separator");
  EXPECT_TRUE(lines[2].ends_with(L"tag Edit      empty")) << ToUtf8(lines[2]);
  EXPECT_EQ(ui_.menusOpened(), 3);
}

TEST_F(MenusTest, ItemsShowKindsLabelsSubMenusAndSeparators) {
  const std::vector<MenuPlace> menus = Menus();
  const std::vector<std::wstring> lines = Lines(PrintItems(Find(menus, L"m1")));
  const std::vector<std::wstring> expected = {
      L"Menu 文件 (m1, tag File): 8 items, 1 separator",
      PadToWidth(L"  FileNew", 44) + L"button",
      L"  ────────────────",
      PadToWidth(L"  另存为", 44) + L"button FileSaveAs",
      PadToWidth(L"  发送 ▸", 44) + L"menu sub",
      PadToWidth(L"    FileSendAsAttachment", 44) + L"button",
      PadToWidth(L"  FilePrepareMenu ▸", 44) + L"built-in menu",
      PadToWidth(L"  自定义...", 44) + L"button own, onAction Custom",
      PadToWidth(L"  ViewGridlines", 44) + L"checkBox",
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(MenusTest, EmptyAndFailedAnswersAreSaidSo) {
  const std::vector<MenuPlace> menus = Menus();
  EXPECT_EQ(Lines(PrintItems(Find(menus, L"m2"))), (std::vector<std::wstring>{L"Menu 编辑 (m2, tag Edit): empty"}));
  FakeUi broken(L"Broken", SampleDocument());
  broken.SetMenu(L"File", L"<menu><button idMso=\"NoNamespace\"/></menu>");
  AddinUi* uis[] = {&broken};
  const std::vector<MenuPlace> brokenMenus = ReachableMenus(ArrangeTabs(uis));
  EXPECT_EQ(Lines(PrintItems(brokenMenus[1])).front(),
            L"Menu 文件 (m1, tag File): not opened: the add-in's answer failed");
}

}  // namespace
