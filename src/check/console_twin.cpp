// ZorvaneCheck.com: the console twin of the window program ZorvaneCheck.exe beside it. A
// command prompt runs it in place of the .exe when the user types `ZorvaneCheck` (.COM comes
// before .EXE in PATHEXT), and, as it is a console program, waits for it and sets ERRORLEVEL.
// It starts the .exe with the same arguments, hands on the redirected standard handles (the
// .exe writes to the shared console by itself otherwise), waits, and returns its exit code.
#include <windows.h>

#include <iterator>
#include <string_view>

#include "common/windows_handles.h"

namespace {

// What the .exe documents for "the check itself could not run".
constexpr DWORD kExitCheckFailed = 2;
// The longest command line and path Windows takes, with its NUL. Buffers on the stack and no
// C++ library strings keep the twin small.
constexpr DWORD kLongest = 32768;

// The command line after the program's own name, as it was typed (quoting kept). The name
// ends at the closing quote if it starts with one, else at the first space or tab.
const wchar_t* ArgumentsOf(const wchar_t* commandLine) noexcept {
  const wchar_t* at = commandLine;
  if (*at == L'"') {
    ++at;
    while (*at != L'\0' && *at != L'"') ++at;
    if (*at == L'"') ++at;
  } else {
    while (*at != L'\0' && *at != L' ' && *at != L'\t') ++at;
  }
  return at;
}

// Appends `text` at `length` in `buffer` of kLongest characters; false when it does not fit.
bool Append(wchar_t* buffer, DWORD& length, std::wstring_view text) noexcept {
  if (text.size() >= kLongest - length) return false;
  for (wchar_t c : text) buffer[length++] = c;
  buffer[length] = L'\0';
  return true;
}

// This program's own path with .exe in place of its extension, in `program` of kLongest.
bool FindWindowProgram(wchar_t* program) noexcept {
  DWORD length = GetModuleFileNameW(nullptr, program, kLongest);
  if (length == 0 || length >= kLongest) return false;
  while (length > 0 && program[length - 1] != L'.' && program[length - 1] != L'\\') --length;
  if (length == 0 || program[length - 1] != L'.') return false;
  --length;
  program[length] = L'\0';
  return Append(program, length, L".exe");
}

// A standard handle that the child should get as its own: a file or pipe it was redirected
// to, made inheritable. A console handle is not passed: the window program attaches to this
// console itself, which works on every Windows version.
HANDLE HandedOn(DWORD which) noexcept {
  const HANDLE handle = GetStdHandle(which);
  DWORD mode = 0;
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || GetConsoleMode(handle, &mode)) return nullptr;
  if (!SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT)) return nullptr;
  return handle;
}

// To the console, or as UTF-8 to a redirected standard error (cut at its buffer's size).
void WriteError(std::wstring_view text) noexcept {
  const HANDLE errors = GetStdHandle(STD_ERROR_HANDLE);
  DWORD written = 0;
  DWORD mode = 0;
  if (errors == nullptr || errors == INVALID_HANDLE_VALUE) return;
  if (GetConsoleMode(errors, &mode)) {
    WriteConsoleW(errors, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  char utf8[4096];
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8, sizeof(utf8),
                                        nullptr, nullptr);
  if (bytes > 0) WriteFile(errors, utf8, static_cast<DWORD>(bytes), &written, nullptr);
}

void WriteNumber(DWORD number) noexcept {
  wchar_t digits[10];
  std::size_t at = std::size(digits);
  do {
    digits[--at] = static_cast<wchar_t>(L'0' + number % 10);
    number /= 10;
  } while (number != 0);
  WriteError({digits + at, std::size(digits) - at});
}

// Ctrl+C and Ctrl+Break reach the window program through the console it shares; the twin
// stays to pass on its exit code.
BOOL WINAPI KeepWaiting(DWORD) noexcept { return TRUE; }

DWORD Run() noexcept {
  wchar_t program[kLongest];
  wchar_t commandLine[kLongest];  // CreateProcessW may write to it
  DWORD length = 0;
  if (!FindWindowProgram(program) || !Append(commandLine, length, L"\"") || !Append(commandLine, length, program) ||
      !Append(commandLine, length, L"\"") || !Append(commandLine, length, ArgumentsOf(GetCommandLineW()))) {
    WriteError(L"ZorvaneCheck: the path of ZorvaneCheck.exe or the command line is too long\r\n");
    return kExitCheckFailed;
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = HandedOn(STD_INPUT_HANDLE);
  startup.hStdOutput = HandedOn(STD_OUTPUT_HANDLE);
  startup.hStdError = HandedOn(STD_ERROR_HANDLE);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program, commandLine, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started)) {
    const DWORD error = GetLastError();
    WriteError(L"ZorvaneCheck: cannot start ");
    WriteError(program);
    WriteError(L": error ");
    WriteNumber(error);
    WriteError(L"\r\n");
    return kExitCheckFailed;
  }
  const zorvane::UniqueKernelHandle process(started.hProcess);
  const zorvane::UniqueKernelHandle thread(started.hThread);
  SetConsoleCtrlHandler(KeepWaiting, TRUE);
  DWORD code = kExitCheckFailed;
  if (WaitForSingleObject(process.get(), INFINITE) != WAIT_OBJECT_0 || !GetExitCodeProcess(process.get(), &code)) {
    code = kExitCheckFailed;
  }
  return code;
}

}  // namespace

int wmain() { return static_cast<int>(Run()); }
