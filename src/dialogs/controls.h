// Child controls of a dialog, placed by their twip rectangles at the dialog's DPI.
#pragma once

#include <windows.h>

#include "dialogs/twips.h"

namespace zorvane::dialogs {

struct ControlLayout {
  const wchar_t* className;
  const wchar_t* caption;
  DWORD style;  // WS_CHILD and WS_VISIBLE are added
  DWORD exStyle;
  int id;
  TwipRect rect;
};

// Creates the control with `font` and places it just below `previous` in the Z order (at
// the top when `previous` is null): creating a dialog's controls in their tab order this
// way makes the Z order, which the dialog manager tabs along, equal to that order.
// Null on failure, with the reason in GetLastError.
HWND CreateControl(HWND dialog, const ControlLayout& layout, int dpi, HFONT font, HWND previous) noexcept;

// The failure of the last Win32 call as a status code (E_FAIL when it left no reason).
HRESULT LastErrorResult() noexcept;

}  // namespace zorvane::dialogs
