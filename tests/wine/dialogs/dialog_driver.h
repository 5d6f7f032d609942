// Drives a modal dialog as a user would, from a second thread while the test's own thread
// is inside ShowModal: finds the window and its controls, clicks, types, and waits for
// results. Every wait ends at a timeout, so a test fails rather than hangs.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "common/utf8.h"

namespace zorvane::dialogs::test {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

inline constexpr auto kOpenTimeout = 15s;   // a dialog's window appears and shows
inline constexpr auto kActionTimeout = 30s;  // a message or an input takes effect, even on a loaded machine

// Polls `done` until it holds or `timeout` passes; true when it held.
bool WaitUntil(const std::function<bool()>& done, Clock::duration timeout = kActionTimeout);

// Lets the dialog's thread settle and the display catch up (no condition to wait for).
void Pause(Clock::duration span);

// Has the window and its children repainted now, by their own thread, before returning:
// the repaint is sent, not posted, so what is read from the window afterwards is drawn.
void PaintNow(HWND window);

// A visible top-level window of this process with the dialog class and `caption`.
HWND FindDialog(const std::wstring& caption);
std::vector<HWND> FindDialogs(const std::wstring& caption);

// The child of `dialog` with this class and caption (null if none).
HWND FindControl(HWND dialog, const std::wstring& className, const std::wstring& caption);

std::wstring WindowText(HWND window);

std::wstring ClassName(HWND window);

// SendMessage with a timeout: a dialog thread that stops answering fails the test.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Clicks a button the way the button itself handles a click (BM_CLICK).
void PressButton(HWND button);

// Real input: the mouse pointer moves to the point (screen coordinates) and clicks there.
void ClickAt(POINT screen);
// Real input: the centre of `window` is clicked.
void ClickCentre(HWND window);
// Real input: a key press and release, to whichever window has the keyboard focus.
void PressKey(WORD virtualKey);
// Brings `dialog` to the foreground so that it gets the keyboard; true on success.
bool MakeForeground(HWND dialog);

// The point of the title bar's close box of `window` (screen coordinates), found by asking
// the window itself where its close box is; false if it has none.
bool FindCloseBox(HWND window, POINT& point);

// Runs `show` (which calls a ShowModal) on this thread while `drive` runs on a second thread
// with the dialog titled `caption` once it is visible. If the dialog is still open when
// `drive` returns, the test fails and the dialog is closed so that `show` returns.
HRESULT ShowAndDrive(const std::wstring& caption, const std::function<HRESULT()>& show,
                     const std::function<void(HWND dialog)>& drive);

// An ordinary visible top-level window of this process, standing in for the host's main
// window; destroyed with the object.
class HostWindow {
 public:
  explicit HostWindow(RECT bounds = {200, 150, 1000, 650});
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  ~HostWindow();
  HWND get() const noexcept { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace zorvane::dialogs::test
