#include "dialogs/web_link.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace zorvane::dialogs {

void OpenWebAddress(std::wstring_view address) noexcept {
  try {
    // The shell is called through its narrow interface, in the system code page.
    const int length = static_cast<int>(address.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, address.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return;
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, address.data(), length, narrow.data(), size, nullptr, nullptr);
    ShellExecuteA(nullptr, nullptr, narrow.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  } catch (...) {
    // Out of memory for the conversion: the page is not opened, as for any other failure.
  }
}

}  // namespace zorvane::dialogs
