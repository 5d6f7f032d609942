// Whose window each of the two dialogs is while open: the owner it takes (the host's main
// window, or failing that the thread's own active window), what that owner goes through
// while the dialog is open, and where the activation goes when the dialog closes.
#include <windows.h>

#include <gtest/gtest.h>
#include <wrl/client.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <tuple>

#include "child_process.h"
#include "common/windows_handles.h"
#include "dialog_driver.h"
#include "dialogs/about_dialog.h"
#include "dialogs/custom_dialog.h"
#include "dialogs/window_owner.h"
#include "owner_probe.h"
#include "screenshot.h"
#include "settings_registry.h"
#include "host_objects.h"
#include "support/joining_thread.h"

namespace zorvane::dialogs::test {
namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::standin;

using Drive = std::function<void(HWND dialog)>;

// One of the two dialogs, made afresh for each opening as the add-in's commands make it.
struct DialogKind {
  const char* name;
  const wchar_t* caption;
  const wchar_t* dismiss;  // the button that closes it without saving
  HRESULT (*show)(const wchar_t* caption, _Application* application, HWND hostWindow, OfficeHost host,
                  const Drive& drive);
};

template <typename Dialog>
HRESULT ShowDialog(const wchar_t* caption, _Application* application, HWND hostWindow, OfficeHost host,
                   const Drive& drive) {
  Dialog dialog;
  dialog.SetHostApplication(ComPtr<_Application>(application));
  dialog.SetHostWindow(hostWindow);
  return ShowAndDrive(caption, [&] { return dialog.ShowModal(UiLanguage::kSimplifiedChinese, host); }, drive);
}

const DialogKind kCustom{"Custom", L"自定义", L"取消", &ShowDialog<CustomDialog>};
const DialogKind kAbout{"About", L"关于Quelby", L"确定", &ShowDialog<AboutDialog>};

class DialogOwnerTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    DeleteHostKeys();
  }

  void TearDown() override {
    DeleteHostKeys();
    CoUninitialize();
  }

  HRESULT Show(const DialogKind& kind, HWND hostWindow, const Drive& drive,
               OfficeHost host = OfficeHost::PowerPoint) {
    return kind.show(kind.caption, &application_, hostWindow, host, drive);
  }

  StandInApplication application_;
};

// Closes the dialog with the button captioned `button`, or with a click on its close box.
void CloseWith(HWND dialog, const wchar_t* button) {
  if (button != nullptr) {
    PressButton(FindControl(dialog, L"Button", button));
    return;
  }
  POINT closeBox{};
  ASSERT_TRUE(FindCloseBox(dialog, closeBox));
  ClickAt(closeBox);
}

// --- With the host's main window given ------------------------------------------------------

struct WayOut {
  const DialogKind* kind;
  const wchar_t* button;  // null: the close box
  const char* name;
};

class CloseOrder : public DialogOwnerTest, public testing::WithParamInterface<WayOut> {};

// Were the dialog handed back to its previous owner before it hides, or the host still
// disabled then, the system would give the activation to whatever window lies below: on
// Windows, often another program's. The host's application object is held while the dialog
// is open, never called, and let go on every way out.
TEST_P(CloseOrder, TheHostOwnsTheDialogUntilItHasHiddenAndIsActiveAgainAfter) {
  const DialogKind& kind = *GetParam().kind;
  HostWindow host;
  ASSERT_TRUE(MakeForeground(host.get()));  // the user works in the host
  OwnerProbe owner(kind.caption);
  const HRESULT shown = Show(kind, host.get(), [&](HWND dialog) {
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), host.get());
    EXPECT_FALSE(IsWindowEnabled(host.get())) << "the owner takes input while the modal dialog is open";
    EXPECT_EQ(application_.outstanding(), 1) << "the open dialog holds the application";
    CloseWith(dialog, GetParam().button);
  });
  EXPECT_EQ(shown, S_OK);
  EXPECT_EQ(application_.outstanding(), 0);
  EXPECT_EQ(application_.calls(), 0) << "the dialog called the application object";
  ASSERT_TRUE(owner.Hidden());
  EXPECT_EQ(owner.OwnerWhenHidden(), host.get()) << "handed back before it hid";
  EXPECT_TRUE(owner.OwnerEnabledWhenHidden()) << "the owner was enabled only after the dialog hid";
  ASSERT_TRUE(owner.Seen());
  EXPECT_NE(owner.Owner(), host.get()) << "the previous owner was not given back";
  EXPECT_NE(owner.Owner(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(host.get()));
  EXPECT_EQ(GetForegroundWindow(), host.get());
  EXPECT_EQ(GetActiveWindow(), host.get());
}

INSTANTIATE_TEST_SUITE_P(WaysOut, CloseOrder,
                         testing::Values(WayOut{&kCustom, L"确定", "CustomOk"}, WayOut{&kCustom, L"取消", "CustomCancel"},
                                         WayOut{&kCustom, nullptr, "CustomCloseBox"},
                                         WayOut{&kAbout, L"确定", "AboutOk"}, WayOut{&kAbout, nullptr, "AboutCloseBox"}),
                         [](const testing::TestParamInfo<WayOut>& info) { return std::string(info.param.name); });

// --- With a window given that is not the host's ---------------------------------------------

// What the host kept at connection as its main window, when that was not the host's.
enum class Given { kNone, kDestroyed, kHidden, kOtherProgram };

class SubstitutedOwner : public DialogOwnerTest,
                         public testing::WithParamInterface<std::tuple<const DialogKind*, Given>> {};

TEST_P(SubstitutedOwner, TheThreadsActiveWindowOwnsTheDialogInstead) {
  const auto [kind, given] = GetParam();
  HostWindow host;
  std::optional<HostWindow> splash;
  std::optional<ForeignWindow> foreign;
  HWND hostWindow = nullptr;
  switch (given) {
    case Given::kNone:
      break;
    case Given::kDestroyed:
      hostWindow = HostWindow({300, 200, 600, 400}).get();
      break;
    case Given::kHidden:
      splash.emplace(RECT{300, 200, 600, 400});
      ShowWindow(splash->get(), SW_HIDE);
      hostWindow = splash->get();
      break;
    case Given::kOtherProgram:
      foreign.emplace(L"Zorvane 启动时在前的其他程序");
      ASSERT_TRUE(MakeForeground(foreign->get()));
      hostWindow = GetForegroundWindow();
      break;
  }
  ASSERT_TRUE(MakeForeground(host.get()));  // the user clicks the command in the host
  OwnerProbe owner(kind->caption);
  const HRESULT shown = Show(*kind, hostWindow, [&](HWND dialog) {
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), host.get());
    EXPECT_FALSE(IsWindowEnabled(host.get())) << "the owner takes input while the modal dialog is open";
    if (foreign) {
      EXPECT_TRUE(IsWindowEnabled(foreign->get())) << "another program's window was disabled";
    }
    if (given == Given::kOtherProgram) {
      Pause(500ms);  // let the display show the last repaint
      std::string error;
      const std::string name = std::string(kind->name) + "-dialog-substituted-owner";
      EXPECT_FALSE(SaveWindowScreenshot(host.get(), name, error).empty()) << error;
    }
    PressButton(FindControl(dialog, L"Button", kind->dismiss));
  });
  EXPECT_EQ(shown, S_OK);
  EXPECT_TRUE(IsWindowEnabled(host.get()));
  EXPECT_EQ(GetActiveWindow(), host.get());
  EXPECT_EQ(GetForegroundWindow(), host.get());
  ASSERT_TRUE(owner.Seen());
  EXPECT_NE(owner.Owner(), host.get()) << "the previous owner was not given back";
}

std::string SubstitutedOwnerName(const testing::TestParamInfo<std::tuple<const DialogKind*, Given>>& info) {
  constexpr const char* kGiven[] = {"None", "Destroyed", "Hidden", "OtherProgram"};
  return std::string(std::get<0>(info.param)->name) + kGiven[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(HostWindows, SubstitutedOwner,
                         testing::Combine(testing::Values(&kCustom, &kAbout),
                                          testing::Values(Given::kNone, Given::kDestroyed, Given::kHidden,
                                                          Given::kOtherProgram)),
                         &SubstitutedOwnerName);

// With another program in front no window of the thread is active: its topmost window is
// chosen, at its outermost owner, passing over windows that never take the activation.
// (A dialog cannot take the foreground then, so this is asked of the choice alone.)
TEST_F(DialogOwnerTest, WithAnotherProgramInFrontTheThreadsTopmostWindowIsChosenAtItsOwner) {
  HostWindow lower({100, 100, 500, 400});
  HostWindow host;
  const UniqueWindow palette(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 200, 100,
                                             host.get(), nullptr, nullptr, nullptr));
  const UniqueWindow tip(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 60,
                                         60, 80, 20, nullptr, nullptr, nullptr, nullptr));
  ForeignWindow foreign(L"Zorvane 在前的其他程序");
  ASSERT_TRUE(MakeForeground(foreign.get()));
  ASSERT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(ChooseOwner(nullptr), host.get());
  EXPECT_EQ(ChooseOwner(lower.get()), lower.get()) << "a visible window of the thread given is taken as it is";
  EXPECT_EQ(ChooseOwner(foreign.get()), host.get());
  // With no window of the thread active, no command came from one: the main window's rule.
  EXPECT_EQ(ChooseOwner(lower.get(), OwnerRule::kCommandWindow), lower.get());
}

// Word and Excel give every document a top-level window: their dialogs go to the one the
// command came from (here through a floating window it owns), PowerPoint's to the window kept
// at connection.
TEST_F(DialogOwnerTest, WithTwoDocumentWindowsTheHostsRuleChoosesTheOwner) {
  HostWindow first({100, 100, 600, 500});
  HostWindow second({400, 200, 1000, 700});
  const UniqueWindow palette(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_CAPTION | WS_VISIBLE, 450, 250, 200, 100,
                                             second.get(), nullptr, nullptr, nullptr));
  for (const auto& [host, owner, other] : {std::tuple{OfficeHost::PowerPoint, first.get(), second.get()},
                                           {OfficeHost::Word, second.get(), first.get()},
                                           {OfficeHost::Excel, second.get(), first.get()}}) {
    for (const DialogKind* kind : {&kCustom, &kAbout}) {
      ASSERT_TRUE(MakeForeground(palette.get()));
      const auto drive = [&](HWND dialog) {
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner) << kind->name << static_cast<int>(host);
        EXPECT_TRUE(IsWindowEnabled(other)) << "the other document's window was disabled";
        PressButton(FindControl(dialog, L"Button", kind->dismiss));
      };
      EXPECT_EQ(Show(*kind, first.get(), drive, host), S_OK);
    }
  }
}

// --- With no window of the thread to own the dialog -------------------------------------------

// The host's main window on a thread of its own, which dispatches its messages until the
// object goes.
class HostOnOtherThread {
 public:
  HostOnOtherThread() : thread_([this] { Run(); }) {
    EXPECT_TRUE(WaitUntil([&] { return window_.load() != nullptr; }));
  }
  HostOnOtherThread(const HostOnOtherThread&) = delete;
  HostOnOtherThread& operator=(const HostOnOtherThread&) = delete;
  ~HostOnOtherThread() {
    PostMessageW(window_, WM_APP, 0, 0);
    thread_.join();
  }
  HWND get() const noexcept { return window_; }

 private:
  void Run() {
    HostWindow host;
    window_ = host.get();
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_APP) DispatchMessageW(&message);
  }

  std::atomic<HWND> window_{nullptr};
  zorvane::test::JoiningThread thread_;
};

class Unowned : public DialogOwnerTest, public testing::WithParamInterface<std::tuple<const DialogKind*, bool>> {};

TEST_P(Unowned, WithoutAVisibleWindowOnTheThreadTheOwnerIsNeverChangedAndTheHostIsActiveAfter) {
  const auto [kind, givenTheHost] = GetParam();
  HostOnOtherThread host;
  ASSERT_TRUE(MakeForeground(host.get()));
  HWND ownerWhileOpen = nullptr;
  OwnerProbe owner(kind->caption);
  const HRESULT shown = Show(*kind, givenTheHost ? host.get() : nullptr, [&](HWND dialog) {
    ownerWhileOpen = GetWindow(dialog, GW_OWNER);
    EXPECT_NE(ownerWhileOpen, host.get()) << "a window of another thread owns the dialog";
    EXPECT_TRUE(IsWindowEnabled(host.get()));
    PressButton(FindControl(dialog, L"Button", kind->dismiss));
  });
  EXPECT_EQ(shown, S_OK);
  ASSERT_TRUE(owner.Seen());
  EXPECT_EQ(owner.Owner(), ownerWhileOpen);
  EXPECT_TRUE(IsWindowEnabled(host.get()));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == host.get(); })) << "the host is not active again";
}

INSTANTIATE_TEST_SUITE_P(HostWindows, Unowned, testing::Combine(testing::Values(&kCustom, &kAbout), testing::Bool()),
                         [](const testing::TestParamInfo<std::tuple<const DialogKind*, bool>>& info) {
                           return std::string(std::get<0>(info.param)->name) +
                                  (std::get<1>(info.param) ? "GivenTheHost" : "GivenNone");
                         });

}  // namespace
}  // namespace zorvane::dialogs::test
