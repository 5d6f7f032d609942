#include "dialogs/window_owner.h"

namespace zorvane::dialogs {
namespace {

bool IsShownWindowOfThisThread(HWND window) noexcept {
  return window != nullptr && IsWindow(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() &&
         IsWindowVisible(window);
}

// The outermost owner that the user sees: a hidden owner at the top of the chain (such as
// a program's invisible main window) would leave the visible window free to take input.
HWND OutermostShownOwner(HWND window) noexcept {
  for (HWND owner = GetWindow(window, GW_OWNER); IsShownWindowOfThisThread(owner); owner = GetWindow(owner, GW_OWNER)) {
    window = owner;
  }
  return window;
}

BOOL CALLBACK TakeTopmostShownWindow(HWND window, LPARAM found) noexcept {
  // Passing windows (tooltips, tool windows, windows that never take the activation) are
  // passed over.
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  if (!IsWindowVisible(window) || (exStyle & (WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW)) != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

HWND ReplaceOwner(HWND window, HWND owner) noexcept {
#ifdef _WIN64
  return reinterpret_cast<HWND>(SetWindowLongPtrA(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner)));
#else
  return reinterpret_cast<HWND>(
      static_cast<LONG_PTR>(SetWindowLongA(window, GWL_HWNDPARENT, static_cast<LONG>(reinterpret_cast<LONG_PTR>(owner)))));
#endif
}

HWND ChooseOwner(HWND hostWindow, OwnerRule rule) noexcept {
  const HWND active = GetActiveWindow();
  const bool activeShown = IsShownWindowOfThisThread(active);
  if (rule == OwnerRule::kCommandWindow && activeShown) return OutermostShownOwner(active);
  if (IsShownWindowOfThisThread(hostWindow)) return hostWindow;
  if (activeShown) return OutermostShownOwner(active);
  // No window of the thread is active (another program is in front): its topmost one, as
  // the thread's windows are listed in Z order.
  HWND topmost = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &TakeTopmostShownWindow, reinterpret_cast<LPARAM>(&topmost));
  return topmost != nullptr ? OutermostShownOwner(topmost) : nullptr;
}

}  // namespace zorvane::dialogs
