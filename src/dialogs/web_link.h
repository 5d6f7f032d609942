// Opening a web address the way the system opens it for the user.
#pragma once

#include <string_view>

namespace zorvane::dialogs {

// Hands `address` to the shell with its default action (for a web page: the default
// browser), in a normal window, with no parent window. The outcome is not looked at: a page
// that does not open changes nothing here.
void OpenWebAddress(std::wstring_view address) noexcept;

}  // namespace zorvane::dialogs
