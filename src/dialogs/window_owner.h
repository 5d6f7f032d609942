// The owner link of a dialog's top-level window: made when the dialog loads and given back
// when it unloads.
#pragma once

#include <windows.h>

namespace zorvane::dialogs {

// Makes `owner` the owner of the top-level `window` (GWL_HWNDPARENT) and returns the owner
// it had before.
HWND ReplaceOwner(HWND window, HWND owner) noexcept;

// Which window of the host owns a dialog: the host's main window, or, where every document
// has a top-level window of its own, the window the command came from.
enum class OwnerRule : unsigned char { kMainWindow, kCommandWindow };

// The window that is to own a dialog opened now on the calling thread.
// kMainWindow: `hostWindow`, the window that was in front when the host connected, when it is
// a visible window of this thread. Otherwise (it was a splash screen, another program's
// window, or is gone) the thread's active window, or failing that its topmost visible one,
// each taken at its outermost visible owner.
// kCommandWindow: the thread's active window at its outermost visible owner (the document
// window whose ribbon the command came from); failing that, as kMainWindow.
// Null when the thread shows no window.
//
// Only a window of this thread will do: owning joins the two windows' input, and a window
// of another thread or program could hang or vanish under the dialog.
HWND ChooseOwner(HWND hostWindow, OwnerRule rule = OwnerRule::kMainWindow) noexcept;

}  // namespace zorvane::dialogs
