// The Help menu's two commands as the host runs them: "CustomMenu" and "AboutMenu" invoked by
// name through the real Zorvane.dll's dispatch, the control passed by reference, while a
// second thread works the dialog that opens. What the user chose must reach the registry,
// the ribbon (one Invalidate) and the visibility answers, with no restart.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <wrl/client.h>

#include <atomic>
#include <functional>
#include <string>
#include <utility>

#include "child_process.h"
#include "dialog_driver.h"
#include "support/addin_loader.h"
#include "host_objects.h"
#include "support/registry_snapshot.h"

namespace zorvane::dialogs::test {
namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::standin;
using zorvane::test::AddinModule;
using zorvane::test::DispatchArgument;
using zorvane::test::ClickByName;
using zorvane::test::InvokeByName;
using zorvane::test::InvokeResult;

const std::wstring kSettingsKey = L"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint";
constexpr int kReviewItem = 5;  // "显示审阅选项卡"

// The add-in object connected to a stand-in host with a main window in front, and its
// ribbon loaded, as after the host's start-up.
class DialogCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    zorvane::test::DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey);
    SetForegroundWindow(hostWindow_.get());
    object_ = AddinModule::Instance().CreateObject();
    ASSERT_TRUE(object_);
    ConnectToHost();
    InvokeResult loaded;
    InvokeByName(object_.Get(), L"rxcustomUI_onLoad", {DispatchArgument(&ribbon_)}, loaded);
    ASSERT_EQ(loaded.hr, S_OK);
  }

  void TearDown() override {
    // The module keeps the ribbon; this one lives on the test's stack.
    VARIANT none = DispatchArgument(nullptr);
    InvokeResult cleared;
    InvokeByName(object_.Get(), L"rxcustomUI_onLoad", {none}, cleared);
    object_.Reset();
    zorvane::test::DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey);
  }

  // The host's connection call, which takes the window in front as the host's main window.
  void ConnectToHost() {
    ComPtr<_IDTExtensibility2> extensibility;
    ASSERT_EQ(object_.As(&extensibility), S_OK);
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    ASSERT_EQ(extensibility->OnConnection(&application_, ext_cm_Startup, nullptr, &custom), S_OK);
    SafeArrayDestroy(custom);
  }

  // Clicks the button `id` of the Help menu as the host does: its action by name, with the
  // clicked control passed by reference.
  HRESULT Click(const wchar_t* action, const wchar_t* buttonId) {
    StandInControl button(buttonId, L"");
    const HRESULT hr = ClickByName(object_.Get(), action, &button);
    EXPECT_EQ(button.outstanding(), 0) << "the clicked control is not kept";
    return hr;
  }

  bool Visible(const wchar_t* id) {
    StandInControl control(id, L"");
    InvokeResult result;
    InvokeByName(object_.Get(), L"GetVisible", {DispatchArgument(&control)}, result);
    EXPECT_EQ(result.hr, S_OK);
    return V_BOOL(&result.value) == VARIANT_TRUE;
  }

  HostWindow hostWindow_;
  StandInApplication application_;
  StandInRibbon ribbon_;
  ComPtr<IDispatch> object_;
};

void UncheckListItem(HWND dialog, int item) {
  HWND list = FindControl(dialog, WC_LISTVIEWW, L"请选择需显示的内置选项卡");
  ASSERT_NE(list, nullptr);
  LVITEMW state{};
  state.stateMask = LVIS_STATEIMAGEMASK;
  state.state = INDEXTOSTATEIMAGEMASK(1);  // unchecked
  Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
}

// Cancel changes nothing and does not invalidate; OK stores the choice and the ribbon follows.
TEST_F(DialogCommands, CustomizeCancelChangesNothingAndOkStoresTheChoiceAndTheRibbonFollowsAtOnce) {
  const std::wstring before = zorvane::test::SnapshotKey(HKEY_CURRENT_USER, kSettingsKey);
  EXPECT_EQ(ShowAndDrive(
                L"自定义", [&] { return Click(L"CustomMenu", L"Dingzhi"); },
                [&](HWND dialog) {
                  PressButton(FindControl(dialog, L"Button", L"全不选"));
                  PressButton(FindControl(dialog, L"Button", L"取消"));
                }),
            S_OK);
  EXPECT_EQ(ribbon_.invalidations(), 0);
  EXPECT_EQ(zorvane::test::SnapshotKey(HKEY_CURRENT_USER, kSettingsKey), before);
  ASSERT_TRUE(Visible(L"TabReview"));
  ASSERT_TRUE(Visible(L"MenuAll"));
  const HRESULT hr = ShowAndDrive(
      L"自定义", [&] { return Click(L"CustomMenu", L"Dingzhi"); },
      [&](HWND dialog) {
        // The dialog's owner is the host's main window, taken at connection.
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), hostWindow_.get());
        PressButton(FindControl(dialog, L"Button", L" 显示“全部”菜单"));
        UncheckListItem(dialog, kReviewItem);
        PressButton(FindControl(dialog, L"Button", L"确定"));
      });
  EXPECT_EQ(hr, S_OK);
  EXPECT_EQ(ribbon_.invalidations(), 1);
  EXPECT_EQ(zorvane::test::StringValue(HKEY_CURRENT_USER, kSettingsKey, L"ShowAllMenu"), L"0");
  EXPECT_EQ(zorvane::test::StringValue(HKEY_CURRENT_USER, kSettingsKey, L"TabReview"), L"0");
  EXPECT_EQ(zorvane::test::StringValue(HKEY_CURRENT_USER, kSettingsKey, L"TabHome"), L"1");
  // The host asks again after Invalidate: the answers have changed, with no reconnection.
  EXPECT_FALSE(Visible(L"TabReview"));
  EXPECT_FALSE(Visible(L"MenuAll"));
  EXPECT_FALSE(Visible(L"rxlableAll"));
  EXPECT_TRUE(Visible(L"TabHome"));
  EXPECT_EQ(GetWindow(hostWindow_.get(), GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowEnabled(hostWindow_.get())) << "the host window takes input again";
}

TEST_F(DialogCommands, AboutOpensAFreshDialogEachTimeAndKeepsNothing) {
  for (int opening = 0; opening < 2; ++opening) {
    SCOPED_TRACE(opening);
    const long heldBefore = application_.outstanding();
    const HRESULT hr = ShowAndDrive(
        L"关于Quelby", [&] { return Click(L"AboutMenu", L"AboutMe"); },
        [&](HWND dialog) {
          EXPECT_EQ(GetWindow(dialog, GW_OWNER), hostWindow_.get());
          EXPECT_GT(application_.outstanding(), heldBefore) << "the open dialog holds the application";
          PressButton(FindControl(dialog, L"Button", L"确定"));
        });
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(application_.outstanding(), heldBefore) << "the closed dialog let the application go";
  }
  EXPECT_EQ(ribbon_.invalidations(), 0);
}

// A window of the host's own thread: a message posted to it runs `action` there, as a host
// command would run while one of our dialogs' loops is dispatching the thread's messages.
class HostThreadWindow {
 public:
  explicit HostThreadWindow(std::function<void()> action) : action_(std::move(action)) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &HostThreadWindow::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZorvaneTestHostThreadWindow";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              windowClass.hInstance, this);
  }
  ~HostThreadWindow() { DestroyWindow(window_); }
  HostThreadWindow(const HostThreadWindow&) = delete;
  HostThreadWindow& operator=(const HostThreadWindow&) = delete;

  void Post() const { PostMessageW(window_, WM_APP, 0, 0); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* self = static_cast<HostThreadWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else if (message == WM_APP) {
      reinterpret_cast<HostThreadWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA))->action_();
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  std::function<void()> action_;
  HWND window_ = nullptr;
};

struct Command {
  const char* name;
  const wchar_t* action;
  const wchar_t* buttonId;
  const wchar_t* caption;
  const wchar_t* dismiss;
};
const Command kCustomMenu{"CustomMenu", L"CustomMenu", L"Dingzhi", L"自定义", L"取消"};
const Command kAboutMenu{"AboutMenu", L"AboutMenu", L"AboutMe", L"关于Quelby", L"确定"};

class SecondCommand : public DialogCommands,
                      public testing::WithParamInterface<std::pair<const Command*, const Command*>> {};

// The open dialog disables the host's main window, but a command can still come while it is
// open (from the host's other windows, or from automation): it brings the open dialog back
// to the user rather than opening another.
TEST_P(SecondCommand, WhileADialogIsOpenBringsThatDialogToTheFrontAndOpensNoOther) {
  const auto [open, second] = GetParam();
  std::atomic<bool> secondDone{false};
  HRESULT secondResult = E_FAIL;
  HostThreadWindow hostThread([&] {
    secondResult = Click(second->action, second->buttonId);
    secondDone = true;
  });
  const auto runSecond = [&] {
    secondDone = false;
    secondResult = E_FAIL;
    hostThread.Post();
    const bool returned = WaitUntil([&] { return secondDone.load(); });
    EXPECT_TRUE(returned) << "the second command did not return";
    return returned && secondResult == S_OK;
  };
  // X reports the focus of an earlier activation late, and Wine acts on the report: the window
  // activated just before may take the foreground back once after the command. The command is
  // then given again; one that never brings the dialog to the front still fails.
  const auto cameToFront = [&](HWND dialog) {
    return WaitUntil([&] {
      if (GetForegroundWindow() == dialog) return true;
      runSecond();
      return false;
    });
  };
  ForeignWindow foreign(L"Zorvane 前台的其他程序");
  const HRESULT hr = ShowAndDrive(
      open->caption, [&] { return Click(open->action, open->buttonId); },
      [&](HWND dialog) {
        ShowWindowAsync(dialog, SW_MINIMIZE);
        ASSERT_TRUE(WaitUntil([&] { return IsIconic(dialog) != FALSE; }));
        EXPECT_TRUE(runSecond());
        EXPECT_FALSE(IsIconic(dialog)) << "the minimised dialog was not restored";
        EXPECT_TRUE(cameToFront(dialog)) << "not brought to the front";

        // With the host minimised, the dialog is hidden with it.
        ShowWindowAsync(hostWindow_.get(), SW_MINIMIZE);
        ASSERT_TRUE(WaitUntil([&] { return IsIconic(hostWindow_.get()) != FALSE; }));
        EXPECT_TRUE(runSecond());
        EXPECT_FALSE(IsIconic(hostWindow_.get())) << "the minimised host was not restored";
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_TRUE(cameToFront(dialog)) << "not brought to the front";

        ASSERT_TRUE(MakeForeground(foreign.get()));
        EXPECT_TRUE(runSecond());
        EXPECT_TRUE(cameToFront(dialog)) << "still behind another program";

        EXPECT_EQ(FindDialogs(open->caption).size(), 1u);
        EXPECT_EQ(FindDialogs(second->caption).size(), second == open ? 1u : 0u) << "a second dialog opened";
        PressButton(FindControl(dialog, L"Button", open->dismiss));
      });
  EXPECT_EQ(hr, S_OK);
  // Once the first has closed, the command opens its dialog again.
  const HRESULT again = ShowAndDrive(
      second->caption, [&] { return Click(second->action, second->buttonId); },
      [&](HWND dialog) { PressButton(FindControl(dialog, L"Button", second->dismiss)); });
  EXPECT_EQ(again, S_OK);
}

INSTANTIATE_TEST_SUITE_P(OpenThenSecond, SecondCommand,
                         testing::Values(std::pair{&kCustomMenu, &kCustomMenu}, std::pair{&kAboutMenu, &kCustomMenu}),
                         [](const auto& info) {
                           return std::string(info.param.first->name) + "Then" + info.param.second->name;
                         });

// At start-up the window in front may be another program's (or a splash screen, or a window
// already gone): the host's own window still owns the dialog and gets the activation back.
TEST_F(DialogCommands, ConnectedWhileAnotherProgramWasInFrontTheHostStillOwnsTheDialog) {
  ForeignWindow foreign(L"Zorvane 启动时在前的其他程序");
  ASSERT_TRUE(MakeForeground(foreign.get()));
  ConnectToHost();
  const HRESULT hr = ShowAndDrive(
      L"自定义", [&] { return Click(L"CustomMenu", L"Dingzhi"); },
      [&](HWND dialog) {
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), hostWindow_.get());
        EXPECT_FALSE(IsWindowEnabled(hostWindow_.get()));
        EXPECT_TRUE(IsWindowEnabled(foreign.get()));
        PressButton(FindControl(dialog, L"Button", L"取消"));
      });
  EXPECT_EQ(hr, S_OK);
  EXPECT_TRUE(IsWindowEnabled(hostWindow_.get()));
  EXPECT_EQ(GetForegroundWindow(), hostWindow_.get());
}

}  // namespace
}  // namespace zorvane::dialogs::test
