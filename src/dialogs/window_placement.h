// Size and position of a dialog's window.
#pragma once

#include <windows.h>

namespace zorvane::dialogs {

// Resizes `window` so that its client area is `client` pixels, whatever its frame.
void SetClientSize(HWND window, SIZE client) noexcept;

// Centres `window` over its owner; over the screen's work area when the owner is missing,
// hidden or minimised. The window is kept inside the work area of the monitor it lands on.
void CentreOverOwner(HWND window) noexcept;

}  // namespace zorvane::dialogs
