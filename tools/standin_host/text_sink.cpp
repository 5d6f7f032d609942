#include "text_sink.h"

#include <algorithm>

#include "text.h"

namespace zorvane::standin {

StandardHandleSink::StandardHandleSink(DWORD which) noexcept : handle_(GetStdHandle(which)) {
  DWORD mode = 0;
  console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE && GetConsoleMode(handle_, &mode);
}

void StandardHandleSink::Write(std::wstring_view text) {
  if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE || text.empty()) return;
  if (console_) {
    DWORD written = 0;
    WriteConsoleW(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  const std::string bytes = ToUtf8(text);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 16));
    DWORD written = 0;
    if (!WriteFile(handle_, bytes.data() + done, chunk, &written, nullptr) || written == 0) return;
    done += written;
  }
}

}  // namespace zorvane::standin
