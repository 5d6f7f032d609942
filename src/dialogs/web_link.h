// Opening a web address the way the system opens it for the user, and a label that acts as
// a link to it.
#pragma once

#include <windows.h>

#include <string_view>

namespace zorvane::dialogs {

// Hands `address` to the shell with its default action (for a web page: the default
// browser), in a normal window, with no parent window. The outcome is not looked at: a page
// that does not open changes nothing here.
void OpenWebAddress(std::wstring_view address) noexcept;

// Makes the label `link` (a tab stop with SS_NOTIFY) work from the keyboard as with the
// mouse: it shows a focus rectangle around its text while it has the focus, and Enter on it
// sends its parent the same STN_CLICKED as a click. False when it could not be done.
bool MakeKeyboardLink(HWND link) noexcept;

}  // namespace zorvane::dialogs
