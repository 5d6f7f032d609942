// Outlook end to end: the main window's and the message windows' ribbons each get the Quelby tab
// with that window's menus, another item window gets nothing, the switches hide their tabs in
// their own windows, and OK in the customization asks every loaded ribbon again.
#include <gtest/gtest.h>

#include "zorvane_fixture.h"

namespace standin_test {
namespace {

const zorvane::standin::HostDescription& kOutlook = *zorvane::standin::FindHost(L"outlook");
constexpr wchar_t kMark[] = L"  (hidden by Zorvane.OutlookConnect)";

struct Window {
  const wchar_t* ribbon;  // --ribbon
  const wchar_t* firstTab;
  const wchar_t* menuIdPrefix;
  const wchar_t* menuBar;
};
constexpr wchar_t kMessageBar[] =
    L"      [全部 ▾]   [文件 ▾]   [编辑 ▾]   [视图 ▾]   [插入 ▾]   [格式 ▾]   [工具 ▾]   [动作 ▾]   [帮助 ▾]";
constexpr Window kWindows[] = {
    {L"explorer", L"  Home            TabMail", L" rxOlMain_",
     L"      [全部 ▾]   [文件 ▾]   [编辑 ▾]   [视图 ▾]   [转到 ▾]   [工具 ▾]   [动作 ▾]   [帮助 ▾]"},
    {L"compose", L"  Message         TabNewMailMessage", L" rxOlCompose_", kMessageBar},
    {L"read", L"  Message         TabReadMessage", L" rxOlRead_", kMessageBar},
};

class ZorvaneOutlookTest : public ZorvaneTest {
 protected:
  ChildResult RunIn(const std::wstring& ribbon, std::vector<std::wstring> more = {}) {
    more.insert(more.begin(), {L"--host", L"outlook", L"--office-version", L"16.17928", L"--ribbon", ribbon});
    return Run(more);
  }
  static bool Set(const wchar_t* name, const wchar_t* value) {
    return SetString(std::wstring(kOutlook.settingsKeyPath()), name, value);
  }
};

TEST_F(ZorvaneOutlookTest, EachWindowWithADocumentShowsTheTabAndItsOwnMenus) {
  for (const Window& window : kWindows) {
    SCOPED_TRACE(ToUtf8(window.ribbon));
    const ChildResult result = RunIn(window.ribbon);
    EXPECT_EQ(result.exitCode, 0u) << Output();
    const std::vector<std::wstring> lines = Lines(result.out);
    const auto strip = std::find(lines.begin(), lines.end(), L"Ribbon tabs, left to right:");
    ASSERT_GE(lines.end() - strip, 3) << Output();
    EXPECT_EQ(strip[1], L"  Quelby          rxWordVBA, tab of Zorvane.OutlookConnect") << Output();
    EXPECT_EQ(strip[2], window.firstTab) << Output();
    EXPECT_TRUE(HasLine(result.out, window.menuBar)) << Output();
    // Every menu of the bar opens with items, on the bar and in the combined menu, and all are
    // this window's own.
    const auto menus = MenuSummary(result.out);
    EXPECT_EQ(menus.size(), 2 * (Occurrences(window.menuBar, L"▾") - 1)) << Output();
    for (const auto& [tag, items] : menus) EXPECT_GT(items, 0) << ToUtf8(tag);
    EXPECT_EQ(Occurrences(result.out, window.menuIdPrefix), menus.size()) << Output();
  }
}

TEST_F(ZorvaneOutlookTest, AnItemWindowWithoutADocumentGetsNoTab) {
  const ChildResult result = RunIn(L"appointment");
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  Zorvane.OutlookConnect answered GetCustomUI with the empty text: nothing of its "
                                  L"own here")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  Appointment     TabAppointment")) << Output();
  EXPECT_FALSE(Contains(result.out, L"Quelby")) << Output();
}

// Each switch off hides its tabs in the windows it governs and nothing elsewhere (null: none).
TEST_F(ZorvaneOutlookTest, ASwitchOffHidesItsTabsInItsWindowsOnly) {
  const struct { const wchar_t* name; const wchar_t* hidden[3]; } cases[] = {
      {L"TabHome", {L"TabMail", nullptr, nullptr}},
      {L"TabMessage", {nullptr, L"TabNewMailMessage", L"TabReadMessage"}},
      {L"TabInsert", {nullptr, L"TabInsert", L"TabInsert"}},
      {L"HelpTab", {L"HelpTab", L"HelpTab", L"HelpTab"}},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Set(c.name, L"0"));
    for (std::size_t w = 0; w < std::size(kWindows); ++w) {
      SCOPED_TRACE(ToUtf8(c.name) + " in " + ToUtf8(kWindows[w].ribbon));
      const ChildResult result = RunIn(kWindows[w].ribbon);
      EXPECT_EQ(result.exitCode, 0u) << Output();
      EXPECT_EQ(Occurrences(result.out, kMark), c.hidden[w] ? 1u : 0u) << Output();
      if (c.hidden[w]) {
        EXPECT_TRUE(Contains(result.out, L" " + std::wstring(c.hidden[w]) + kMark)) << Output();
      }
    }
    ASSERT_TRUE(Set(c.name, L"1"));
  }
}

// OK asks every ribbon that loaded again (the main window's loads at start-up); the dialog is
// owned by the window the command came from.
TEST_F(ZorvaneOutlookTest, OkInTheCustomizationAsksEveryLoadedRibbonAgain) {
  const struct { const wchar_t* ribbon; std::vector<std::wstring> askedAgain; } cases[] = {
      {L"explorer", {L""}},
      {L"compose", {L" Microsoft.Outlook.Explorer", L" Microsoft.Outlook.Mail.Compose"}},
      {L"read", {L" Microsoft.Outlook.Explorer", L" Microsoft.Outlook.Mail.Read"}},
  };
  ASSERT_TRUE(Set(L"TabMessage", L"0"));
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.ribbon));
    const ChildResult result = RunIn(c.ribbon, {L"--click", L"Dingzhi", L"--dismiss", L"确定"});
    EXPECT_EQ(result.exitCode, 0u) << Output();
    const zorvane::standin::HostRibbon& window = *kOutlook.findRibbon(c.ribbon);
    const std::wstring owner(window.inMainWindow() ? kOutlook.windowCaption : window.windowCaption);
    EXPECT_TRUE(HasLine(result.out, L"  dialog \"自定义\" is owned by \"" + owner + L"\"")) << Output();
    for (const std::wstring& ribbon : c.askedAgain) {
      EXPECT_TRUE(HasLine(result.out, L"  the add-in invalidated the ribbon" + ribbon +
                                          L"; the host asks its callbacks again:")) << Output();
    }
    EXPECT_EQ(Occurrences(result.out, L"Ribbon tabs, left to right:"), 1 + c.askedAgain.size()) << Output();
    // The message window's switch, saved by OK as it was, still hides its tab when asked again.
    EXPECT_EQ(Occurrences(result.out, kMark), c.askedAgain.size() == 1 ? 0u : 2u) << Output();
  }
}

}  // namespace
}  // namespace standin_test
