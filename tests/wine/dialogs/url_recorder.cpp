// Stands in for the browser in the About dialog's tests: registered as the handler of the
// web address's scheme, it appends the address it is asked to open to a log file, one line
// per request.   url_recorder.exe LOG-FILE ADDRESS
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "common/utf8.h"

// A windows program, not a console one: a console would open a window of its own, which takes
// the foreground from the dialog under test at a moment of its choosing.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count != 3) return 2;

  const std::wstring address = arguments[2];
  const std::string line = zorvane::ToUtf8(address) + '\n';

  // Appends are atomic, so two quick requests both land whole.
  const HANDLE log = CreateFileW(arguments[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  LocalFree(arguments);
  if (log == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
  return ok && written == line.size() ? 0 : 1;
}
