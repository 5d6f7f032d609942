#include "dialogs/controls.h"

#include "dialogs/module_instance.h"

namespace zorvane::dialogs {

HWND CreateControl(HWND dialog, const ControlLayout& layout, int dpi, HFONT font, HWND previous) noexcept {
  const RECT rect = PixelRect(layout.rect, dpi);
  const HWND control = CreateWindowExW(layout.exStyle, layout.className, layout.caption,
                                       layout.style | WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                                       rect.right - rect.left, rect.bottom - rect.top, dialog,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), ThisModule(), nullptr);
  if (control == nullptr) return nullptr;
  if (font != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(control, previous != nullptr ? previous : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return control;
}

HRESULT LastErrorResult() noexcept {
  const DWORD error = GetLastError();
  return error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(error) : E_FAIL;
}

}  // namespace zorvane::dialogs
