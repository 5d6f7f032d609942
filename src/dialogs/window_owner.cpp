#include "dialogs/window_owner.h"

namespace zorvane::dialogs {

HWND ReplaceOwner(HWND window, HWND owner) noexcept {
#ifdef _WIN64
  return reinterpret_cast<HWND>(SetWindowLongPtrA(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner)));
#else
  return reinterpret_cast<HWND>(
      static_cast<LONG_PTR>(SetWindowLongA(window, GWL_HWNDPARENT, static_cast<LONG>(reinterpret_cast<LONG_PTR>(owner)))));
#endif
}

bool IsWindowOfThisProcess(HWND window) noexcept {
  if (window == nullptr || !IsWindow(window)) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

}  // namespace zorvane::dialogs
