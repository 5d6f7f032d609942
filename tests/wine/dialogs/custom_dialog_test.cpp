// The customization dialog "自定义", driven as a user would while the test's thread is
// inside ShowModal: what it shows, what OK, Cancel and the close box do to the registry,
// the switches in memory and the ribbon, and how it behaves towards the host.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <wrl/client.h>

#include <array>
#include <atomic>
#include <string>

#include "dialog_driver.h"
#include "dialogs/custom_dialog.h"
#include "dpi_run.h"
#include "layout_checks.h"
#include "screenshot.h"
#include "settings/display_settings.h"
#include "settings/host_switches.h"
#include "settings_registry.h"
#include "support/registry_test_support.h"
#include "host_objects.h"

namespace zorvane::dialogs::test {
namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::standin;

constexpr wchar_t kCaption[] = L"自定义";
constexpr wchar_t kCheckAllCaption[] = L" 显示“全部”菜单";

const std::array<std::wstring, 8> kItemTexts = {
    L"显示开始选项卡", L"显示插入选项卡", L"显示设计选项卡",     L"显示动画选项卡",
    L"显示幻灯片放映选项卡", L"显示审阅选项卡", L"显示视图选项卡", L"显示开发工具选项卡",
};

struct CustomControls {
  HWND checkAll;
  HWND ok;
  HWND cancel;
  HWND showCustomFrame;
  HWND list;
  HWND checkAllItems;
  HWND unCheckAllItems;
  HWND buildinTabsFrame;
};

CustomControls FindCustomControls(HWND dialog) {
  return {FindControl(dialog, L"Button", kCheckAllCaption),   FindControl(dialog, L"Button", L"确定"),
          FindControl(dialog, L"Button", L"取消"),             FindControl(dialog, L"Button", L"请选择"),
          FindControl(dialog, WC_LISTVIEWW, L"请选择需显示的内置选项卡"),             FindControl(dialog, L"Button", L"全选"),
          FindControl(dialog, L"Button", L"全不选"), FindControl(dialog, L"Button", L"请选择需显示的内置选项卡")};
}

bool IsChecked(HWND checkBox) { return Send(checkBox, BM_GETCHECK) == BST_CHECKED; }

int ItemCount(HWND list) { return static_cast<int>(Send(list, LVM_GETITEMCOUNT)); }

bool ItemChecked(HWND list, int item) {
  const auto state = static_cast<UINT>(Send(list, LVM_GETITEMSTATE, item, LVIS_STATEIMAGEMASK));
  return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

std::array<bool, 8> ItemChecks(HWND list) {
  std::array<bool, 8> checks{};
  for (int item = 0; item < 8; ++item) checks[item] = ItemChecked(list, item);
  return checks;
}

// Real input: a click on the check box in front of `item`, found by asking the list where
// its state icon is.
void ClickItemCheckBox(HWND list, int item) {
  Send(list, LVM_ENSUREVISIBLE, item, FALSE);
  RECT bounds{};
  bounds.left = LVIR_BOUNDS;
  ASSERT_TRUE(Send(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&bounds)));
  const int y = (bounds.top + bounds.bottom) / 2;
  int first = -1;
  int last = -1;
  for (int x = bounds.left; x < bounds.left + 48; ++x) {
    LVHITTESTINFO hit{};
    hit.pt = {x, y};
    Send(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem == item && (hit.flags & LVHT_ONITEMSTATEICON) != 0) {
      if (first < 0) first = x;
      last = x;
    }
  }
  ASSERT_GE(first, 0) << "no check box found for item " << item;
  POINT point{(first + last) / 2, y};
  ClientToScreen(list, &point);
  ClickAt(point);
}

std::array<std::optional<StoredValue>, 9> Stored(const std::array<const wchar_t*, 9>& texts) {
  std::array<std::optional<StoredValue>, 9> values;
  for (std::size_t i = 0; i < texts.size(); ++i) values[i] = StoredValue{REG_SZ, texts[i]};
  return values;
}

void WriteSettings(const std::array<const wchar_t*, 9>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) WriteSetting(kValueNames[i], texts[i]);
}

// The record of `host` with its nine 2007 switches set as `on` says; the later tabs' stay off.
std::array<settings::HostBool, settings::kMaxSwitchCount> Switches(const std::array<bool, 9>& on,
                                                                    OfficeHost host = OfficeHost::PowerPoint) {
  const settings::SwitchList nine = settings::SwitchesIn(host, OfficeVersion::k2007);
  std::array<settings::HostBool, settings::kMaxSwitchCount> switches{};
  for (std::size_t i = 0; i < on.size(); ++i) switches[nine[i]] = on[i] ? settings::kHostTrue : settings::kHostFalse;
  return switches;
}

constexpr std::array<const wchar_t*, 9> kAllOn = {L"1", L"1", L"1", L"1", L"1", L"1", L"1", L"1", L"1"};
constexpr std::array<const wchar_t*, 9> kAllOff = {L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0"};

class CustomDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    DeleteHostKeys();
    settings::DisplaySettings = {};
  }

  void TearDown() override {
    DeleteHostKeys();
    CoUninitialize();
  }

  // A fresh dialog, as the add-in's command makes one per opening.
  HRESULT Show(const std::function<void(HWND)>& drive, HWND hostWindow = nullptr,
               OfficeHost host = OfficeHost::PowerPoint, OfficeVersion version = OfficeVersion::k2007) {
    CustomDialog dialog;
    dialog.SetHostApplication(ComPtr<_Application>(&application_));
    dialog.SetHostWindow(hostWindow);
    return ShowAndDrive(
        kCaption, [&] { return dialog.ShowModal(UiLanguage::kSimplifiedChinese, host, version, HostRibbons{ComPtr<IRibbonUI>(givenRibbon_)}); },
        drive);
  }

  StandInApplication application_;
  StandInRibbon ribbon_;
  IRibbonUI* givenRibbon_ = &ribbon_;  // what the command gives the dialog to refresh
};

TEST_F(CustomDialogTest, FirstOpeningWithoutKeyWritesNineOnesAndShowsEverythingChecked) {
  const HRESULT shown = Show([&](HWND dialog) {
    const CustomControls controls = FindCustomControls(dialog);
    ASSERT_NE(controls.list, nullptr);
    EXPECT_TRUE(IsChecked(controls.checkAll));
    ASSERT_EQ(ItemCount(controls.list), 8);
    for (int item = 0; item < 8; ++item) {
      EXPECT_EQ(ListItemText(controls.list, item), kItemTexts[item]) << item;
      EXPECT_TRUE(ItemChecked(controls.list, item)) << item;
    }
    // Opening is itself a load: the defaults are in the registry before any button is pressed.
    EXPECT_EQ(ReadAllSettings(), Stored(kAllOn));
    EXPECT_EQ(settings::DisplaySettings.switches, Switches({1, 1, 1, 1, 1, 1, 1, 1, 1}));
    for (const auto& text : settings::DisplaySettings.storedTexts) EXPECT_TRUE(text.empty());
    PressButton(controls.cancel);
  });
  EXPECT_EQ(shown, S_OK);
  EXPECT_EQ(ReadAllSettings(), Stored(kAllOn));
  EXPECT_EQ(ribbon_.invalidations(), 0);
}

// OK without a change writes all nine values back, a text other than "0" as "1", and
// invalidates the ribbon once, keeping no reference to it.
TEST_F(CustomDialogTest, StoredTextsOtherThanZeroShowCheckedAndOkRewritesThemAsOne) {
  WriteSettings({L"00", L"2", L"0", L" 0", L"1", L"0 ", L"1", L"1", L"false"});
  const long ribbonReferences = ribbon_.outstanding();
  const HRESULT shown = Show([&](HWND dialog) {
    const CustomControls controls = FindCustomControls(dialog);
    ASSERT_NE(controls.list, nullptr);
    EXPECT_TRUE(IsChecked(controls.checkAll));
    EXPECT_EQ(ItemChecks(controls.list), (std::array<bool, 8>{true, false, true, true, true, true, true, true}));
    PressButton(controls.ok);
  });
  EXPECT_EQ(shown, S_OK);
  EXPECT_EQ(ReadAllSettings(), Stored({L"1", L"1", L"0", L"1", L"1", L"1", L"1", L"1", L"1"}));
  EXPECT_EQ(settings::DisplaySettings.switches, Switches({1, 1, 0, 1, 1, 1, 1, 1, 1}));
  // StoredTexts keeps what the load read; only the next load refreshes it.
  EXPECT_EQ(settings::DisplaySettings.storedTexts[0], u"00");
  EXPECT_EQ(ribbon_.invalidations(), 1);
  EXPECT_EQ(ribbon_.outstanding(), ribbonReferences);
}

// With the ribbon given, one whose refresh fails, and none: OK saves and closes all the same.
TEST_F(CustomDialogTest, EverythingUncheckedThenOkStoresNineZerosWhateverTheRibbon) {
  StandInRibbon failing(E_FAIL);
  for (IRibbonUI* ribbon : std::initializer_list<IRibbonUI*>{&ribbon_, &failing, nullptr}) {
    DeleteHostKeys();
    givenRibbon_ = ribbon;
    const HRESULT shown = Show([&](HWND dialog) {
      const CustomControls controls = FindCustomControls(dialog);
      ClickCentre(controls.checkAll);
      EXPECT_TRUE(WaitUntil([&] { return !IsChecked(controls.checkAll); }));
      PressButton(controls.unCheckAllItems);
      EXPECT_EQ(ItemChecks(controls.list), (std::array<bool, 8>{}));
      ClickCentre(controls.ok);
    });
    EXPECT_EQ(shown, S_OK);
    EXPECT_EQ(ReadAllSettings(), Stored(kAllOff));
    EXPECT_EQ(settings::DisplaySettings.switches, Switches({0, 0, 0, 0, 0, 0, 0, 0, 0}));
  }
  EXPECT_EQ(ribbon_.invalidations(), 1);
  EXPECT_EQ(failing.invalidations(), 1);
}

TEST_F(CustomDialogTest, ClickingAnItemsCheckBoxTogglesThatItemOnly) {
  const HRESULT shown = Show([&](HWND dialog) {
    const CustomControls controls = FindCustomControls(dialog);
    ClickItemCheckBox(controls.list, 0);
    EXPECT_TRUE(WaitUntil([&] { return !ItemChecked(controls.list, 0); }));
    ClickItemCheckBox(controls.list, 7);  // below the visible rows at first
    EXPECT_TRUE(WaitUntil([&] { return !ItemChecked(controls.list, 7); }));
    EXPECT_EQ(ItemChecks(controls.list), (std::array<bool, 8>{false, true, true, true, true, true, true, false}));
    EXPECT_TRUE(IsChecked(controls.checkAll));
    PressButton(controls.ok);
  });
  EXPECT_EQ(shown, S_OK);
  EXPECT_EQ(ReadAllSettings(), Stored({L"1", L"0", L"1", L"1", L"1", L"1", L"1", L"1", L"0"}));
  EXPECT_EQ(settings::DisplaySettings.switches, Switches({1, 0, 1, 1, 1, 1, 1, 1, 0}));
}

TEST_F(CustomDialogTest, CheckAllItemsAndUncheckAllItemsActOnTheListOnlyAndCancelChangesNothing) {
  constexpr std::array<const wchar_t*, 9> kMixed = {L"1", L"0", L"1", L"0", L"1", L"0", L"1", L"0", L"1"};
  WriteSettings(kMixed);
  const HRESULT shown = Show([&](HWND dialog) {
    const CustomControls controls = FindCustomControls(dialog);
    EXPECT_EQ(ItemChecks(controls.list), (std::array<bool, 8>{false, true, false, true, false, true, false, true}));
    PressButton(controls.unCheckAllItems);
    EXPECT_EQ(ItemChecks(controls.list), (std::array<bool, 8>{}));
    EXPECT_TRUE(IsChecked(controls.checkAll));
    PressButton(controls.checkAllItems);
    EXPECT_EQ(ItemChecks(controls.list), (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
    EXPECT_TRUE(IsChecked(controls.checkAll));
    PressButton(controls.cancel);
  });
  EXPECT_EQ(shown, S_OK);
  EXPECT_EQ(ReadAllSettings(), Stored(kMixed));
  EXPECT_EQ(settings::DisplaySettings.switches, Switches({1, 0, 1, 0, 1, 0, 1, 0, 1}));
  EXPECT_EQ(ribbon_.invalidations(), 0);
}

TEST_F(CustomDialogTest, TheCloseBoxAndTheSystemCloseCommandDiscardTheEdits) {
  for (const bool closeBox : {true, false}) {
    SCOPED_TRACE(closeBox ? "the close box" : "the system close command");
    DeleteHostKeys();
    const HRESULT shown = Show([&](HWND dialog) {
      const CustomControls controls = FindCustomControls(dialog);
      Send(controls.checkAll, BM_CLICK);
      PressButton(controls.unCheckAllItems);
      POINT box{};
      if (!closeBox) Send(dialog, WM_SYSCOMMAND, SC_CLOSE);
      else if (FindCloseBox(dialog, box)) ClickAt(box);
      else ADD_FAILURE() << "no close box";
    });
    EXPECT_EQ(shown, S_OK);
    EXPECT_EQ(ReadAllSettings(), Stored(kAllOn));
    EXPECT_EQ(settings::DisplaySettings.switches, Switches({1, 1, 1, 1, 1, 1, 1, 1, 1}));
  }
  EXPECT_EQ(ribbon_.invalidations(), 0);
}

TEST_F(CustomDialogTest, WindowControlsAndFontsFollowTheLayoutAtTheWindowsDpi) {
  HostWindow host;
  const HRESULT shown = Show(
      [&](HWND dialog) {
        ExpectModalDialog(dialog, kCaption, 3705, 3255);
        EXPECT_NE(GetWindow(dialog, GW_OWNER), nullptr);

        const CustomControls c = FindCustomControls(dialog);
        ExpectTwipRect(dialog, c.showCustomFrame, 120, 120, 3495, 735, "Frame_ShowCustom");
        ExpectTwipRect(dialog, c.checkAll, 720, 360, 2175, 375, "CheckAll");
        ExpectTwipRect(dialog, c.buildinTabsFrame, 120, 1080, 3495, 1575, "Frame_BuildinTabs");
        // The list is wider, the buttons beside it narrower, so that every item fits.
        ExpectTwipRect(dialog, c.list, 240, 1560, 2460, 915, "List_Buildin");
        ExpectTwipRect(dialog, c.checkAllItems, 2805, 1560, 690, 375, "Command_CheckAll");
        ExpectTwipRect(dialog, c.unCheckAllItems, 2805, 2040, 690, 375, "Command_UnCheckAll");
        ExpectTwipRect(dialog, c.ok, 240, 2760, 885, 375, "Command_OK");
        ExpectTwipRect(dialog, c.cancel, 2640, 2760, 885, 375, "Command_Cancel");

        EXPECT_EQ(GetWindowLongW(c.checkAll, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
        EXPECT_EQ(GetWindowLongW(c.showCustomFrame, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
        EXPECT_EQ(GetWindowLongW(c.buildinTabsFrame, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
        EXPECT_NE(Send(c.list, LVM_GETEXTENDEDLISTVIEWSTYLE) & LVS_EX_CHECKBOXES, 0);
        EXPECT_EQ(GetWindowLongW(c.list, GWL_STYLE) & (LVS_SORTASCENDING | LVS_SORTDESCENDING), 0);

        ExpectDialogFont(dialog, 90, false, "dialog");
        for (HWND control : {c.checkAll, c.ok, c.cancel, c.showCustomFrame, c.list, c.checkAllItems,
                             c.unCheckAllItems, c.buildinTabsFrame}) {
          ExpectDialogFont(control, 90, false, ToUtf8(WindowText(control)).c_str());
        }

        // OK is the default button and Cancel the cancel button (Enter and Esc: see the keys'
        // tests in dialog_language_test).
        EXPECT_EQ(Send(dialog, DM_GETDEFID), MAKELRESULT(IDOK, DC_HASDEFID));
        EXPECT_EQ(GetDlgCtrlID(c.ok), IDOK);
        EXPECT_EQ(GetDlgCtrlID(c.cancel), IDCANCEL);

        ExpectCentredOver(dialog, host.get());

        Pause(500ms);  // let the display show the last repaint
        std::string error;
        const std::string saved = SaveWindowScreenshot(dialog, "custom-dialog", error);
        EXPECT_FALSE(saved.empty()) << error;
        PressButton(c.cancel);
      },
      host.get());
  EXPECT_EQ(shown, S_OK);
}

TEST_F(CustomDialogTest, TheLayoutScalesWithTheDisplaysDpi) {
  EXPECT_TRUE(RunTestsAtDpi(144, L"CustomDialogTest.WindowControlsAndFontsFollowTheLayoutAtTheWindowsDpi"));
}

TEST_F(CustomDialogTest, EachOpeningLoadsTheRegistryAfresh) {
  EXPECT_EQ(Show([&](HWND dialog) { PressButton(FindCustomControls(dialog).cancel); }), S_OK);
  // Another process changes a value while the host runs.
  WriteSetting(L"TabView", L"0");
  const HRESULT shown = Show([&](HWND dialog) {
    const CustomControls controls = FindCustomControls(dialog);
    EXPECT_EQ(ItemChecks(controls.list), (std::array<bool, 8>{true, true, true, true, true, true, false, true}));
    PressButton(controls.cancel);
  });
  EXPECT_EQ(shown, S_OK);
  // That opening's load put the change into the switches, although it was cancelled.
  EXPECT_EQ(settings::DisplaySettings.switches, Switches({1, 1, 1, 1, 1, 1, 1, 0, 1}));
  EXPECT_EQ(ribbon_.invalidations(), 0);
}

TEST_F(CustomDialogTest, MachinePolicyLocksASwitchOverUserPolicyAndLeavesTheUsersValue) {
  // The user wants the Developer tab ("2" reads as on, and OK would rewrite it as "1");
  // user policy shows it, machine policy hides it. User policy alone shows the Home tab,
  // which the user has hidden.
  WriteSettings({L"1", L"0", L"1", L"1", L"1", L"1", L"1", L"1", L"2"});
  WritePolicy(HKEY_CURRENT_USER, L"TabDeveloper", L"1");
  WritePolicy(HKEY_LOCAL_MACHINE, L"TabDeveloper", L"0");
  WritePolicy(HKEY_CURRENT_USER, L"TabHome", L"1");
  constexpr int kHome = 0;
  constexpr int kDeveloper = 7;

  const HRESULT shown = Show([&](HWND dialog) {
    const CustomControls controls = FindCustomControls(dialog);
    ASSERT_NE(controls.list, nullptr);
    EXPECT_EQ(settings::DisplaySettings.switches, Switches({1, 1, 1, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(StateImage(controls.list, kDeveloper), 3u) << "not shown greyed and unchecked";
    EXPECT_EQ(StateImage(controls.list, kHome), 4u) << "not shown greyed and checked";
    for (int item = kHome + 1; item < kDeveloper; ++item) EXPECT_EQ(StateImage(controls.list, item), 2u) << item;
    EXPECT_TRUE(IsWindowEnabled(controls.checkAll));

    // The note sits between the frame's caption and the list, clear of both.
    const HWND note = FindControl(dialog, L"Static", L"部分项目已由管理员设置。");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(IsWindowVisible(note));
    ExpectTwipRect(dialog, note, 240, 1320, 3255, 240, "policy note");
    TEXTMETRICW metrics{};
    {
      const HDC dc = GetDC(dialog);
      const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(Send(dialog, WM_GETFONT)));
      GetTextMetricsW(dc, &metrics);
      SelectObject(dc, previous);
      ReleaseDC(dialog, dc);
    }
    RECT frame{};
    RECT noteRect{};
    RECT list{};
    GetWindowRect(controls.buildinTabsFrame, &frame);
    GetWindowRect(note, &noteRect);
    GetWindowRect(controls.list, &list);
    EXPECT_GE(noteRect.top, frame.top + metrics.tmHeight) << "over the frame's caption";
    EXPECT_LE(noteRect.bottom, list.top);
    std::string error;
    Pause(300ms);
    EXPECT_FALSE(SaveWindowScreenshot(dialog, "custom-dialog-policy-top", error).empty()) << error;

    // Neither a click on its check box nor "全选" checks it.
    ClickItemCheckBox(controls.list, kDeveloper);
    PressButton(controls.checkAllItems);
    Pause(300ms);
    EXPECT_EQ(StateImage(controls.list, kDeveloper), 3u);
    PressButton(controls.unCheckAllItems);
    EXPECT_EQ(StateImage(controls.list, kDeveloper), 3u);
    EXPECT_EQ(StateImage(controls.list, kHome), 4u);
    for (int item = kHome + 1; item < kDeveloper; ++item) EXPECT_EQ(StateImage(controls.list, item), 1u) << item;

    EXPECT_FALSE(SaveWindowScreenshot(dialog, "custom-dialog-policy-bottom", error).empty()) << error;
    PressButton(controls.ok);
  });
  EXPECT_EQ(shown, S_OK);
  EXPECT_EQ(ReadAllSettings(), Stored({L"1", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"2"}));
  EXPECT_EQ(settings::DisplaySettings.switches, Switches({1, 1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ribbon_.invalidations(), 1);

  // Policy lifted: the next load gives the user's own choice back, as a plain item.
  DeletePolicyKey(HKEY_LOCAL_MACHINE);
  DeletePolicyKey(HKEY_CURRENT_USER);
  EXPECT_EQ(Show([&](HWND dialog) {
              const CustomControls controls = FindCustomControls(dialog);
              EXPECT_EQ(StateImage(controls.list, kDeveloper), 2u);
              EXPECT_EQ(StateImage(controls.list, kHome), 1u);
              EXPECT_EQ(FindControl(dialog, L"Static", L"部分项目已由管理员设置。"), nullptr);
              PressButton(controls.cancel);
            }),
            S_OK);
  EXPECT_EQ(settings::DisplaySettings.switches, Switches({1, 0, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(ReadSetting(L"TabDeveloper"), (StoredValue{REG_SZ, L"2"}));
}

// Each host's dialog loads, locks and saves that host's switches alone, and refreshes the
// ribbon it was given.
struct HostCase {
  OfficeHost host;
  const HostKeys* keys;
  const wchar_t* thirdTab;  // item 2, locked off by policy here
};

class CustomDialogHostTest : public CustomDialogTest, public testing::WithParamInterface<HostCase> {};

TEST_P(CustomDialogHostTest, OkWritesTheHostsKeyLeavesItsLockedValuesAndInvalidatesTheRibbon) {
  const HostCase& host = GetParam();
  constexpr int kLockedItem = 2;  // the third tab
  WritePolicy(HKEY_CURRENT_USER, L"ShowAllMenu", L"1", *host.keys);
  WritePolicy(HKEY_LOCAL_MACHINE, host.thirdTab, L"0", *host.keys);
  const HRESULT shown = Show(
      [&](HWND dialog) {
        const CustomControls controls = FindCustomControls(dialog);
        EXPECT_TRUE(IsChecked(controls.checkAll));
        EXPECT_FALSE(IsWindowEnabled(controls.checkAll));
        ASSERT_TRUE(MakeForeground(dialog));
        EXPECT_EQ(FocusOfThread(dialog), controls.list) << "the focus on a disabled check box";
        EXPECT_EQ(StateImage(controls.list, kLockedItem), 3u) << "not shown greyed and unchecked";
        PressButton(controls.unCheckAllItems);
        EXPECT_EQ(StateImage(controls.list, kLockedItem), 3u);
        PressButton(controls.ok);
      },
      nullptr, host.host);
  EXPECT_EQ(shown, S_OK);
  // The load wrote the defaults; OK rewrote all but the two locked values.
  EXPECT_EQ(ReadSetting(L"ShowAllMenu", *host.keys), (StoredValue{REG_SZ, L"1"}));
  EXPECT_EQ(ReadSetting(host.thirdTab, *host.keys), (StoredValue{REG_SZ, L"1"}));
  EXPECT_EQ(ReadSetting(L"TabHome", *host.keys), (StoredValue{REG_SZ, L"0"}));
  EXPECT_EQ(ReadSetting(L"TabDeveloper", *host.keys), (StoredValue{REG_SZ, L"0"}));
  EXPECT_EQ(settings::DisplaySettingsOf(host.host).switches, Switches({1, 0, 0, 0, 0, 0, 0, 0, 0}, host.host));
  EXPECT_EQ(ribbon_.invalidations(), 1);
  for (const HostKeys& other : kHostKeys) {
    if (&other == host.keys) continue;
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, other.settings, 0, KEY_READ, &key), ERROR_SUCCESS)
        << "another host's key was written";
    if (key != nullptr) RegCloseKey(key);
  }
}

std::string HostCaseName(const testing::TestParamInfo<HostCase>& info) {
  const std::u16string_view name = NamesOf(info.param.host).name;
  return std::string(name.begin(), name.end());  // ASCII
}

INSTANTIATE_TEST_SUITE_P(Hosts, CustomDialogHostTest,
                         testing::Values(HostCase{OfficeHost::PowerPoint, &kHostKeys[0], L"TabDesign"},
                                         HostCase{OfficeHost::Word, &kHostKeys[1], L"TabPageLayoutWord"},
                                         HostCase{OfficeHost::Excel, &kHostKeys[2], L"TabPageLayoutExcel"}),
                         &HostCaseName);

// Each version lists its tabs (the stand-in host's own list of them), every one in view
// without scrolling, and the dialog fits a 1024x768 screen also at 144 DPI; OK writes each of
// them. Which texts the later tabs have, in each language: dialog_language_test.
TEST_F(CustomDialogTest, EachVersionListsItsTabsAllInViewAndOkWritesThem) {
  const struct {
    std::size_t host;
    OfficeRelease release;
    OfficeVersion version;
  } kCases[] = {{0, kOffice2010, OfficeVersion::k2010}, {0, kOffice2019, OfficeVersion::k2019},
                {1, kOffice2013, OfficeVersion::k2013}, {2, kOffice2019, OfficeVersion::k2019}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(::testing::Message() << "host " << c.host << " version " << static_cast<int>(c.version));
    DeleteHostKeys();
    const HostDescription& host = kHosts[c.host];
    const std::vector<BuiltInTab> tabs = host.tabsOf(c.release);
    const int count = static_cast<int>(tabs.size());
    const HRESULT shown = Show(
        [&](HWND dialog) {
          const CustomControls controls = FindCustomControls(dialog);
          ASSERT_NE(controls.list, nullptr);
          ASSERT_EQ(ItemCount(controls.list), count);
          EXPECT_GE(Send(controls.list, LVM_GETCOUNTPERPAGE), count) << "the list scrolls";
          EXPECT_EQ(GetWindowLongW(controls.list, GWL_STYLE) & WS_VSCROLL, 0);
          RECT window{};
          RECT list{};
          RECT frame{};
          RECT ok{};
          GetWindowRect(dialog, &window);
          GetWindowRect(controls.list, &list);
          GetWindowRect(controls.buildinTabsFrame, &frame);
          GetWindowRect(controls.ok, &ok);
          EXPECT_LE(window.bottom - window.top, 768 - 40) << "taller than a 1024x768 screen leaves room for";
          EXPECT_LE(list.bottom, frame.bottom);
          EXPECT_GE(ok.top, frame.bottom);
          if (c.version == OfficeVersion::k2019 && host.host == OfficeHost::PowerPoint) {
            Pause(300ms);
            std::string error;
            EXPECT_FALSE(SaveWindowScreenshot(dialog, "custom-dialog-365", error).empty()) << error;
          }
          PressButton(controls.unCheckAllItems);
          for (int item = 0; item < count; ++item) EXPECT_FALSE(ItemChecked(controls.list, item)) << item;
          PressButton(controls.ok);
        },
        nullptr, host.host, c.version);
    EXPECT_EQ(shown, S_OK);
    const HostKeys& keys = kHostKeys[c.host];
    for (const BuiltInTab& tab : tabs) {
      EXPECT_EQ(ReadSetting(std::wstring(tab.idMso), keys), (StoredValue{REG_SZ, L"0"})) << ToUtf8(tab.idMso);
    }
    EXPECT_EQ(ReadSetting(L"ShowAllMenu", keys), (StoredValue{REG_SZ, L"1"}));
  }
}

TEST_F(CustomDialogTest, EachVersionsListFitsAt144Dpi) {
  EXPECT_TRUE(RunTestsAtDpi(144, L"CustomDialogTest.EachVersionListsItsTabsAllInViewAndOkWritesThem"));
}

// A choice that cannot be written holds in memory until the program closes, and the user is
// told so: OK shows a warning owned by the dialog, which closes after it.
TEST_F(CustomDialogTest, OkThatCannotSaveTellsTheUserAndKeepsTheChoiceInMemory) {
  WriteSettings(kAllOn);
  std::wstring message;
  HRESULT shown = E_FAIL;
  {  // the key is locked while the dialog is open
    const settings::testing::DenyAllAccess lock(ToUtf8(kSettingsKey));
    ASSERT_TRUE(lock.active());
    shown = Show([&](HWND dialog) {
      const CustomControls controls = FindCustomControls(dialog);
      PressButton(controls.unCheckAllItems);
      PostMessageW(controls.ok, BM_CLICK, 0, 0);  // the warning's own loop runs inside the click
      HWND warning = nullptr;
      ASSERT_TRUE(WaitUntil([&] {
        for (HWND found : FindDialogs(kCaption)) {
          if (found != dialog && GetWindow(found, GW_OWNER) == dialog) warning = found;
        }
        return warning != nullptr;
      }));
      for (HWND child = GetWindow(warning, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) == L"Static" && !WindowText(child).empty()) message = WindowText(child);
      }
      Pause(300ms);
      std::string error;
      EXPECT_FALSE(SaveWindowScreenshot(warning, "custom-dialog-save-failed", error).empty()) << error;
      PostMessageW(warning, WM_COMMAND, IDOK, 0);
      EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
    });
  }
  EXPECT_EQ(shown, S_OK);
  EXPECT_NE(message.find(L"无法保存您的选择"), std::wstring::npos) << ToUtf8(message);
  EXPECT_NE(message.find(L"只在关闭本程序之前有效"), std::wstring::npos) << ToUtf8(message);
  EXPECT_NE(message.find(std::wstring(L"HKEY_CURRENT_USER\\") + kSettingsKey), std::wstring::npos) << ToUtf8(message);
  EXPECT_EQ(settings::DisplaySettings.switches, Switches({1, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ribbon_.invalidations(), 1);
  EXPECT_EQ(ReadAllSettings(), Stored(kAllOn)) << "nothing written";
}

namespace timer_ticks {
std::atomic<int> count{0};
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) { ++count; }
}  // namespace timer_ticks

TEST_F(CustomDialogTest, TheThreadsOtherMessagesAreDispatchedWhileOpen) {
  timer_ticks::count = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, &timer_ticks::Tick);
  ASSERT_NE(timer, 0u);
  const HRESULT shown = Show([&](HWND dialog) {
    EXPECT_TRUE(WaitUntil([] { return timer_ticks::count >= 3; }));
    PressButton(FindCustomControls(dialog).cancel);
  });
  KillTimer(nullptr, timer);
  EXPECT_EQ(shown, S_OK);
}

TEST_F(CustomDialogTest, AQuitRequestClosesTheDialogAndIsPassedOn) {
  const HRESULT shown = Show([&](HWND dialog) {
    PostThreadMessageW(GetWindowThreadProcessId(dialog, nullptr), WM_QUIT, 7, 0);
  });
  EXPECT_EQ(shown, S_OK);
  MSG message{};
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
  EXPECT_EQ(ReadAllSettings(), Stored(kAllOn));
}

}  // namespace
}  // namespace zorvane::dialogs::test
