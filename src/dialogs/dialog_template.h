// The in-memory template a dialog window is made from: a window of the system's dialog
// class with a caption and no controls. The controls are added afterwards, in pixels at
// the window's DPI, which a template in dialog units could not express.
#pragma once

#include <windows.h>

#include <string_view>

#include "common/heap_array.h"

namespace zorvane::dialogs {

// Hidden popup with a fixed dialog frame, a caption and a close box; no minimise or
// maximise box.
inline constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// The template, WORD-aligned as the dialog functions require, into `words`. `caption` must
// hold no NUL. False when memory for it ran out.
[[nodiscard]] bool MakeDialogTemplate(std::wstring_view caption, HeapArray<WORD>& words) noexcept;

}  // namespace zorvane::dialogs
