#include "child_process.h"

#include "dialog_driver.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorvane::dialogs::test {

ChildProcess::ChildProcess(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    UniqueKernelHandle thread(started.hThread);
    started_ = true;
    process_.reset(started.hProcess);
    id_ = started.dwProcessId;
  } else {
    ADD_FAILURE() << "cannot start " << ToUtf8(commandLine) << ": error "
                  << GetLastError();
  }
}

ChildProcess::~ChildProcess() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.get(), 1);
}

DWORD ChildProcess::Wait(std::chrono::milliseconds timeout) {
  if (!process_ || WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return STILL_ACTIVE;
  }
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

ForeignWindow::ForeignWindow(const std::wstring& title)
    : process_(SiblingProgram(L"foreign_window.exe") + L" \"" + title + L"\"") {
  if (!process_.Started()) return;
  if (!WaitUntil([&] { return (window_ = FindWindowW(nullptr, title.c_str())) != nullptr; }, kOpenTimeout)) {
    ADD_FAILURE() << "the window \"" << ToUtf8(title) << "\" of another process did not open";
  }
}

ForeignWindow::~ForeignWindow() {
  if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
  process_.Wait(std::chrono::seconds(10));
}

std::wstring SiblingProgram(const std::wstring& fileName) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self);
  path.erase(path.find_last_of(L"\\/") + 1);
  return L"\"" + path + fileName + L"\"";
}

std::wstring WindowsPathOfUnixPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (const char c : unixPath) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
  return path;
}

}  // namespace zorvane::dialogs::test
