// The owner link of a dialog's top-level window: made to the host's main window when the
// dialog loads and given back when it unloads.
#pragma once

#include <windows.h>

namespace zorvane::dialogs {

// Makes `owner` the owner of the top-level `window` (GWL_HWNDPARENT) and returns the owner
// it had before.
HWND ReplaceOwner(HWND window, HWND owner) noexcept;

// Whether `window` is a window of the calling process. A window of another process is no
// safe owner: owning would tie the two processes' input together and leave our dialog at
// the mercy of a process we do not control.
bool IsWindowOfThisProcess(HWND window) noexcept;

}  // namespace zorvane::dialogs
