// The add-in's display switches, set in the registry before the host starts, change what
// the host shows: each tab switch hides its own tab only; ShowAllMenu the combined menu.
#include <gtest/gtest.h>

#include "zorvane_fixture.h"

namespace standin_test {
namespace {

constexpr wchar_t kHiddenMark[] = L"  (hidden by Zorvane.Connect)";

// Any text but the exact "0" leaves a tab shown.
TEST_F(ZorvaneTest, EachTabSwitchHidesItsOwnTabOnly) {
  for (const TabSwitch& off : kTabSwitches) {
    SCOPED_TRACE(ToUtf8(off.name));
    for (const TabSwitch& each : kTabSwitches) ASSERT_TRUE(SetSetting(each.name, L"false"));
    ASSERT_TRUE(SetSetting(off.name, L"0"));
    const ChildResult result = Run({});
    EXPECT_EQ(result.exitCode, 0u) << Output();
    for (const TabSwitch& tab : kTabSwitches) {
      const std::wstring expected = std::wstring(tab.line) + (&tab == &off ? kHiddenMark : L"");
      EXPECT_TRUE(HasLine(result.out, expected)) << ToUtf8(expected) << "\n" << Output();
    }
    EXPECT_TRUE(HasLine(result.out, L"  Quelby          rxWordVBA, tab of Zorvane.Connect")) << Output();
  }
}

TEST_F(ZorvaneTest, ShowAllMenuOffHidesTheCombinedMenuAndItsGap) {
  ASSERT_TRUE(SetSetting(L"ShowAllMenu", L"0"));
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_TRUE(HasLine(result.out, L"      [文件 ▾]   [编辑 ▾]   [视图 ▾]   [插入 ▾]   [格式 ▾]   [工具 ▾]   "
                                  L"[幻灯片放映 ▾]   [窗口 ▾]   [帮助 ▾]")) << Output();
  EXPECT_FALSE(Contains(result.out, L"[全部")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"    hidden by Zorvane.Connect: 全部 (MenuAll), rxlableAll")) << Output();
  // Only the nine top-level menus can be opened now.
  EXPECT_EQ(Occurrences(result.out, L" items, "), 9u) << Output();
  EXPECT_FALSE(Contains(result.out, L"全部 ▸")) << Output();
}

TEST_F(ZorvaneTest, MissingSettingsShowEverything) {
  DeleteTree(SettingsKeyPath());
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_FALSE(Contains(result.out, L"hidden")) << Output();
  EXPECT_EQ(Occurrences(result.out, L" items, "), 18u) << Output();
}

}  // namespace
}  // namespace standin_test
