#include "dialog_driver.h"

#include <gtest/gtest.h>

#include <atomic>

#include "support/joining_thread.h"

namespace zorvane::dialogs::test {
namespace {

bool SameText(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

struct DialogSearch {
  const std::wstring* caption;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<DialogSearch*>(context);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  // InternalGetWindowText: enumerating must not wait on the thread that owns a window.
  wchar_t text[256] = {};
  if (process == GetCurrentProcessId() && IsWindowVisible(window) && ClassName(window) == L"#32770" &&
      InternalGetWindowText(window, text, static_cast<int>(std::size(text))) >= 0 && *search->caption == text) {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, Clock::duration timeout) {
  const auto deadline = Clock::now() + timeout;
  while (true) {
    if (done()) return true;
    if (Clock::now() >= deadline) return false;
    Sleep(20);
  }
}

void Pause(Clock::duration span) {
  Sleep(static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(span).count()));
}

void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

std::vector<HWND> FindDialogs(const std::wstring& caption) {
  DialogSearch search{&caption, {}};
  EnumWindows(&CollectDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindDialog(const std::wstring& caption) {
  const std::vector<HWND> found = FindDialogs(caption);
  return found.empty() ? nullptr : found.front();
}

HWND FindControl(HWND dialog, const std::wstring& className, const std::wstring& caption) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (SameText(ClassName(child), className) && WindowText(child) == caption) return child;
  }
  return nullptr;
}

std::wstring WindowText(HWND window) {
  // WM_GETTEXT through Send: the window belongs to the dialog's thread.
  wchar_t text[256] = {};
  Send(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  const auto timeout = static_cast<UINT>(std::chrono::duration_cast<std::chrono::milliseconds>(kActionTimeout).count());
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, timeout, &result) && IsWindow(window)) {
    ADD_FAILURE() << "message 0x" << std::hex << message << " to window " << window << " was not answered";
  }
  return static_cast<LRESULT>(result);
}

void PressButton(HWND button) {
  ASSERT_NE(button, nullptr);
  Send(button, BM_CLICK);
}

void ClickAt(POINT screen) {
  // The pointer must have arrived before the button goes down: on a busy machine the
  // warp can lag, and the click would land where the pointer was.
  SetCursorPos(screen.x, screen.y);
  EXPECT_TRUE(WaitUntil([&] {
    POINT now{};
    return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
  }));
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  EXPECT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
}

void ClickCentre(HWND window) {
  RECT bounds{};
  ASSERT_TRUE(GetWindowRect(window, &bounds));
  ClickAt({(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2});
}

void PressKey(WORD virtualKey) {
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = virtualKey;
  inputs[1].type = INPUT_KEYBOARD;
  inputs[1].ki.wVk = virtualKey;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  EXPECT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
}

bool MakeForeground(HWND dialog) {
  return WaitUntil([&] {
    if (GetForegroundWindow() == dialog) return true;
    SetForegroundWindow(dialog);
    return false;
  });
}

bool FindCloseBox(HWND window, POINT& point) {
  RECT bounds{};
  if (!GetWindowRect(window, &bounds)) return false;
  const int captionBottom = bounds.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION);
  for (int y = bounds.top + 2; y < captionBottom; y += 3) {
    for (int x = bounds.right - 2; x > bounds.right - 80 && x > bounds.left; --x) {
      if (Send(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
        // Aim at the middle of the box rather than its edge.
        int left = x;
        while (left > bounds.left && Send(window, WM_NCHITTEST, 0, MAKELPARAM(left - 1, y)) == HTCLOSE) --left;
        point = {(left + x) / 2, y};
        return true;
      }
    }
  }
  return false;
}

HRESULT ShowAndDrive(const std::wstring& caption, const std::function<HRESULT()>& show,
                     const std::function<void(HWND dialog)>& drive) {
  const DWORD showThread = GetCurrentThreadId();
  std::atomic<bool> showReturned{false};
  std::atomic<bool> rescued{false};

  zorvane::test::JoiningThread driver([&] {
    HWND dialog = nullptr;
    const bool opened = WaitUntil(
        [&] {
          dialog = FindDialog(caption);
          return dialog != nullptr || showReturned.load();
        },
        kOpenTimeout);
    if (dialog == nullptr) {
      ADD_FAILURE() << "no dialog \"" << ToUtf8(caption) << "\" opened";
      if (!opened) {
        rescued = true;
        PostThreadMessageW(showThread, WM_QUIT, 0, 0);
      }
      return;
    }
    // A user meets the dialog as the active window; messages such as BM_CLICK also rely on it.
    if (!WaitUntil([&] { return GetForegroundWindow() == dialog; })) {
      ADD_FAILURE() << "the dialog did not become the active window";
    }
    drive(dialog);
    if (!WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) {
      ADD_FAILURE() << "the dialog is still open after the test's actions";
      rescued = true;
      PostMessageW(dialog, WM_CLOSE, 0, 0);
      if (!WaitUntil([&] { return !IsWindow(dialog); })) PostThreadMessageW(showThread, WM_QUIT, 0, 0);
    }
  });

  const HRESULT result = show();
  showReturned = true;
  driver.join();

  if (rescued) {
    // Whatever the rescue left queued (a quit request) must not reach the next test.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  return result;
}

HostWindow::HostWindow(RECT bounds) {
  window_ = CreateWindowExW(0, L"STATIC", L"Zorvane 测试宿主窗口", WS_OVERLAPPEDWINDOW | WS_VISIBLE, bounds.left,
                            bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  EXPECT_NE(window_, nullptr);
}

HostWindow::~HostWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

}  // namespace zorvane::dialogs::test
