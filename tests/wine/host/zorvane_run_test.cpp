// The real add-in in the stand-in host: the tab, its menu bar and toolbars, the eighteen
// menus, the raw document, and the failures around it.
#include <gtest/gtest.h>
#include <objbase.h>

#include <map>

#include "host_description.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "zorvane_fixture.h"

namespace standin_test {
namespace {

const std::map<std::wstring, int> kMenuSizes = {{L"File", 24},  {L"Edit", 20},  {L"View", 22},
                                                {L"Insert", 21}, {L"Format", 28}, {L"Tools", 16},
                                                {L"Slide", 16},  {L"Windows", 8}, {L"Help", 8}};

// One start of the host: the Quelby tab before Home, its menu bar with the combined menu and
// the nine menus, the toolbars' built-in buttons and small menus, and all eighteen menus open
// with the right number of items.
TEST_F(ZorvaneTest, ShowsTheQuelbyTabItsMenusAndToolbars) {
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_EQ(result.errors, L"") << Output();
  EXPECT_TRUE(HasLine(result.out, L"Tab Quelby (rxWordVBA) of Zorvane.Connect:")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  Group \" \" (rxDemo):")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"      [全部 ▾]   [文件 ▾]   [编辑 ▾]   [视图 ▾]   [插入 ▾]   [格式 ▾]   [工具 ▾]   "
                                  L"[幻灯片放映 ▾]   [窗口 ▾]   [帮助 ▾]")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"        全部 ▾ (MenuAll, \"全部菜单\"): 文件 ▸, 编辑 ▸, 视图 ▸, 插入 ▸, 格式 ▸, "
                                  L"工具 ▸, 幻灯片放映 ▸, 窗口 ▸, 帮助 ▸")) << Output();
  for (const wchar_t* line : {
           L"    Box Quelby_toolsI:",
           L"      [FileNew | FileOpen | FileSave | FileSaveAsPowerPoint97_2003]",
           L"      [FilePermissionRestrictMenu | FileSendAsAttachment]",
           L"      [Cut | Copy | PasteMenu | FormatPainter]",
           L"      [VisualBasic | ViewDisplayInGrayscale ▾]",
           L"        ViewDisplayInGrayscale ▾ (RXColorII, \"颜色和灰度\"): ViewDisplayInColor, ViewDisplayInGrayscale, "
           L"ViewDisplayInPureBlackAndWhite",
           L"      [SlideNew | SlideLayoutGallery | SlideThemesGallery ▾]",
           L"      [ReviewNewComment ▾ | ZoomClassic | Help]",
           L"    Box Quelby_toolsII:",
           L"      [Font]",
           L"      [FontSize]",
           L"      [Bold | Italic | Underline | Shadow | ChangeCaseGallery]",
           L"      [ShapeQuickStylesHome | ShapeFillColorPicker | ShapeOutlineColorPicker | ShapeEffectsMenu]",
       }) {
    EXPECT_TRUE(HasLine(result.out, line)) << ToUtf8(line) << "\n" << Output();
  }
  const auto menus = MenuSummary(result.out);
  EXPECT_EQ(menus.size(), 18u) << Output();
  std::map<std::wstring, int> copies;
  for (const auto& [tag, items] : menus) {
    ASSERT_TRUE(kMenuSizes.contains(tag)) << ToUtf8(tag);
    EXPECT_EQ(items, kMenuSizes.at(tag)) << ToUtf8(tag);
    ++copies[tag];
  }
  for (const auto& [tag, size] : kMenuSizes) EXPECT_EQ(copies[tag], 2) << ToUtf8(tag);
  const std::vector<std::wstring> lines = Lines(result.out);
  const auto entry = std::find_if(lines.begin(), lines.end(), [](const std::wstring& line) {
    return line.starts_with(L"  Zorvane.Connect \"Zorvane\" (Zorvane Code By ");
  });
  ASSERT_NE(entry, lines.end()) << Output();
  EXPECT_TRUE(entry->ends_with(L": LoadBehavior 3, connected")) << Output();
  const auto strip = std::find(lines.begin(), lines.end(), L"Ribbon tabs, left to right:");
  ASSERT_NE(strip, lines.end()) << Output();
  std::vector<std::wstring> expected = {L"  Quelby          rxWordVBA, tab of Zorvane.Connect"};
  for (const TabSwitch& tab : kTabSwitches) expected.emplace_back(tab.line);
  ASSERT_GE(lines.end() - strip, 10);
  EXPECT_EQ(std::vector<std::wstring>(strip + 1, strip + 10), expected) << Output();
}

TEST_F(ZorvaneTest, MenusOptionPrintsEveryMenuItemByItem) {
  const ChildResult result = Run({L"--menus"});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  const std::vector<std::wstring> lines = Lines(result.out);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::wstring& l) { return l.starts_with(L"Menu "); }),
            18);
  EXPECT_TRUE(HasLine(result.out, L"Menu 全部 ▸ 帮助 (rxMenu_HelpII, tag Help): 8 items, 2 separators")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"Menu 窗口 (rxMenu_WindowI, tag Windows): 8 items, 2 separators")) << Output();
  const auto has = [&](const std::wstring& face, const std::wstring& kind) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::wstring& l) {
      return l.starts_with(L"  " + face + L" ") && l.ends_with(L" " + kind);
    });
  };
  EXPECT_TRUE(has(L"自定义...", L"button Dingzhi, onAction CustomMenu")) << Output();
  EXPECT_TRUE(has(L"关于Quelby", L"button AboutMe, onAction AboutMenu")) << Output();
  EXPECT_TRUE(has(L"另存为Power Point97_2003工作薄", L"button FileSaveAsPowerPoint97_2003")) << Output();
  EXPECT_TRUE(has(L"发送 ▸", L"menu RXSend")) << Output();
  EXPECT_TRUE(has(L"FilePermissionRestrictMenu ▸", L"built-in menu")) << Output();
  EXPECT_TRUE(has(L"ViewRulerPowerPoint", L"checkBox")) << Output();
  EXPECT_TRUE(has(L"  ActiveXSpinButton", L"control")) << Output();  // inside the sub-menu 控件
}

TEST_F(ZorvaneTest, DumpXmlIsTheAddinsDocumentUnchanged) {
  const ChildResult result = Run({L"--dump-xml"});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  const std::u16string_view document =
      zorvane::ribbon::RibbonDocument(zorvane::OfficeHost::PowerPoint, zorvane::OfficeVersion::k2007, zorvane::UiLanguage::kSimplifiedChinese);
  EXPECT_EQ(result.out, std::wstring(document.begin(), document.end()) + L"\n");
}

TEST_F(ZorvaneTest, TheAddinLetsGoOfTheApplicationWhenReleased) {
  const ChildResult result = Run({L"--trace", L"--byref"});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_TRUE(HasLine(result.out, L"trace: \"PowerPoint (stand-in host)\" is the foreground window")) << Output();
  EXPECT_TRUE(Contains(result.out, L"Zorvane.Connect: OnConnection(application, ext_cm_Startup, add-in instance, "
                                   L"empty custom array) -> 0x00000000 (S_OK); it holds 1 reference(s)")) << Output();
  EXPECT_TRUE(Contains(result.out, L"Invoke \"rxcustomUI_onLoad\" (onLoad, control as VT_BYREF|VT_DISPATCH) -> "
                                   L"0x00000000 (S_OK)")) << Output();
  EXPECT_TRUE(Contains(result.out, L"Zorvane.Connect: released; references to the application: 1 while connected, "
                                   L"0 after release")) << Output();
  EXPECT_EQ(MenuSummary(result.out).size(), 18u);  // by reference works as well as by value
}

// The hosts' table that the tools and tests share names the class and the add-in entry that
// the DLL registers for PowerPoint.
TEST_F(ZorvaneTest, TheHostTableNamesTheRegisteredClassAndAddinEntry) {
  const zorvane::standin::HostDescription& host = zorvane::standin::kDefaultHost;
  CLSID registered{};
  ASSERT_EQ(CLSIDFromProgID(std::wstring(host.progId()).c_str(), &registered), S_OK);
  EXPECT_TRUE(IsEqualGUID(registered, host.classId));
  EXPECT_EQ(std::wstring(host.addinsKeyPath()), kAddinsKey);
  EXPECT_TRUE(AddinEntryExists(std::wstring(host.progId())));
}

TEST_F(ZorvaneTest, UnregisteredProgIdBesideTheAddinIsReported) {
  ASSERT_TRUE(SetAddinEntry(L"Quelby.Missing", 3));
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 3u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"Quelby.Missing: the ProgID is not registered with COM")) << Output();
  EXPECT_TRUE(Contains(result.out, L"rxWordVBA, tab of Zorvane.Connect")) << Output();
}

TEST_F(ZorvaneTest, LoadBehaviorTwoLeavesTheAddinUnloaded) {
  ASSERT_TRUE(SetAddinEntry(kZorvaneProgId, 2, L"Zorvane"));
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 2u) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  Zorvane.Connect \"Zorvane\": LoadBehavior 2, not loaded (only LoadBehavior 3 "
                                  L"is loaded at start-up)")) << Output();
  EXPECT_FALSE(Contains(result.out, L"Quelby")) << Output();
}

// Each host end to end: its own class, tab, eighteen menus and customization, whose OK (the
// dialog has no default button: pressed by its caption) saves that host's switches only.
struct HostRun {
  const zorvane::standin::HostDescription* host;
  const wchar_t* ownMenu;  // the menu only this host has
};
class ZorvaneHostTest : public ZorvaneTest, public ::testing::WithParamInterface<HostRun> {};
INSTANTIATE_TEST_SUITE_P(Hosts, ZorvaneHostTest,
                         ::testing::Values(HostRun{&zorvane::standin::kHosts[0], L"幻灯片放映"},
                                           HostRun{&zorvane::standin::kHosts[1], L"表格"},
                                           HostRun{&zorvane::standin::kHosts[2], L"数据"}),
                         [](const auto& info) { return ToUtf8(std::wstring(info.param.host->displayName())); });

TEST_P(ZorvaneHostTest, ShowsItsTabAndMenusAndCustomizesItsOwnSwitches) {
  const zorvane::standin::HostDescription& host = *GetParam().host;
  const zorvane::standin::BuiltInTab reviewTab = host.tabsOf(zorvane::standin::kOffice2007)[5];
  const std::wstring progId(host.progId()), settingsKey(host.settingsKeyPath()), review(reviewTab.idMso);
  ASSERT_TRUE(SetString(settingsKey, review, L"0"));
  const ChildResult result = Run({L"--host", std::wstring(host.name), L"--click", L"Dingzhi", L"--dismiss", L"确定"});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_TRUE(Contains(result.out, L"[" + std::wstring(GetParam().ownMenu) + L" ▾]")) << Output();
  // Each of the host's nine menus opens, at top level and inside the combined menu.
  const auto menus = MenuSummary(result.out);
  ASSERT_EQ(menus.size() % 18, 0u) << Output();
  for (const std::u16string_view tag : zorvane::ribbon::MenuTags(host.host)) {
    const std::wstring wide(tag.begin(), tag.end());
    const auto opened = std::count_if(menus.begin(), menus.begin() + 18, [&](const auto& menu) {
      return menu.first == wide && menu.second > 0;
    });
    EXPECT_EQ(opened, 2) << ToUtf8(wide) << "\n" << Output();
  }
  // The dialog's OK saves the host's own nine switches and the host asks again: its review tab
  // stays hidden, and no other host's settings are touched.
  EXPECT_TRUE(HasLine(result.out, L"Click 自定义... (Dingzhi) of " + progId + L": onAction \"CustomMenu\"")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  dialog \"自定义\" opened; pressed its button \"确定\"")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  CustomMenu returned 0x00000000 (S_OK)")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  the add-in invalidated the ribbon; the host asks its callbacks again:")) << Output();
  const std::size_t click = result.out.find(L"Click 自定义...");
  ASSERT_NE(click, std::wstring::npos) << Output();
  const std::wstring caption(reviewTab.caption);
  const std::wstring hidden = L"  " + caption + std::wstring(16 - caption.size(), L' ') + review + L"  (hidden by " + progId + L")";
  EXPECT_TRUE(HasLine(result.out.substr(click), hidden)) << Output();
  EXPECT_TRUE(HasLine(result.out.substr(click), L"  Quelby          rxWordVBA, tab of " + progId)) << Output();
  EXPECT_EQ(GetString(settingsKey, review), L"0");
  EXPECT_EQ(GetString(settingsKey, L"ShowAllMenu"), L"1");
  for (const zorvane::standin::HostDescription& other : zorvane::standin::kHosts) {
    EXPECT_TRUE(&other == &host || !GetString(std::wstring(other.settingsKeyPath()), L"ShowAllMenu"))
        << "touched " << ToUtf8(other.displayName());
  }
}

}  // namespace
}  // namespace standin_test
