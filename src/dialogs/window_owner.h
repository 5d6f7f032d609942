// The owner link of a dialog's top-level window: made when the dialog loads and given back
// when it unloads.
#pragma once

#include <windows.h>

namespace zorvane::dialogs {

// Makes `owner` the owner of the top-level `window` (GWL_HWNDPARENT) and returns the owner
// it had before.
HWND ReplaceOwner(HWND window, HWND owner) noexcept;

// The window that is to own a dialog opened now on the calling thread. `hostWindow`, the
// window that was in front when the host connected, when it is a visible window of this
// thread. Otherwise (it was a splash screen, another program's window, or is gone) the
// thread's active window, or failing that its topmost visible one, each taken at its
// outermost visible owner. Null when the thread shows no window.
//
// Only a window of this thread will do: owning joins the two windows' input, and a window
// of another thread or program could hang or vanish under the dialog.
HWND ChooseOwner(HWND hostWindow) noexcept;

}  // namespace zorvane::dialogs
