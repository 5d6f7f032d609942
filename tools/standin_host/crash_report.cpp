#include "crash_report.h"

#include <windows.h>

#include <cwchar>
#include <iterator>

#include "exit_code.h"

namespace zorvane::standin {
namespace {

// Runs on a faulted thread: fixed buffers only, no allocation, then straight out.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) noexcept {
  const EXCEPTION_RECORD* record = exception != nullptr ? exception->ExceptionRecord : nullptr;
  const void* address = record != nullptr ? record->ExceptionAddress : nullptr;
  wchar_t module[MAX_PATH] = L"an unknown module";
  HMODULE faulting = nullptr;
  if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         static_cast<LPCWSTR>(address), &faulting)) {
    GetModuleFileNameW(faulting, module, MAX_PATH);
  }
  wchar_t line[MAX_PATH + 160];
  const int length = std::swprintf(
      line, std::size(line), L"standin_host: error: exception 0x%08lX at %p in %ls: the add-in crashed the host\n",
      record != nullptr ? static_cast<unsigned long>(record->ExceptionCode) : 0ul, address, module);
  if (length > 0) {
    // Plain ASCII but for the module path; narrowed to UTF-8 on the stack.
    char bytes[(MAX_PATH + 160) * 3];
    const int size = WideCharToMultiByte(CP_UTF8, 0, line, length, bytes, sizeof(bytes), nullptr, nullptr);
    DWORD written = 0;
    if (size > 0) WriteFile(GetStdHandle(STD_ERROR_HANDLE), bytes, static_cast<DWORD>(size), &written, nullptr);
  }
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(ExitCode::kAddinCrashed));
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void InstallCrashReport() noexcept {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(ReportCrash);
}

}  // namespace zorvane::standin
