#include "check/standard_output.h"

#include <algorithm>
#include <string>

#include "common/utf8.h"
#include "common/windows_handles.h"

namespace zorvane::check {
namespace {

bool WriteAll(HANDLE handle, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 16));
    if (!WriteFile(handle, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

// A console takes UTF-16 whatever its code page.
bool WriteConsoleText(HANDLE console, std::u16string_view text) {
  const auto* units = reinterpret_cast<const wchar_t*>(text.data());
  for (size_t done = 0; done < text.size();) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<size_t>(text.size() - done, 1 << 14));
    if (!WriteConsoleW(console, units + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

bool WriteStandard(DWORD which, std::u16string_view text) noexcept {
  try {
    const HANDLE inherited = GetStdHandle(which);
    DWORD mode = 0;
    if (inherited != nullptr && inherited != INVALID_HANDLE_VALUE) {
      if (GetConsoleMode(inherited, &mode)) return WriteConsoleText(inherited, text);
      return WriteAll(inherited, ToUtf8(text));
    }
    // Started from a command prompt without redirection: a GUI program has no handle, but
    // may write to its parent's console.
    static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    if (!attached) return false;
    const HANDLE opened =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    const UniqueKernelHandle console(opened);
    return WriteConsoleText(console.get(), text);
  } catch (...) {
    return false;
  }
}

}  // namespace zorvane::check
