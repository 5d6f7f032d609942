// Processes the tests start: helper programs of their own and, through Wine, Unix tools.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "common/windows_handles.h"

namespace zorvane::dialogs::test {

// A started process; ended (if still running) and its handles closed with the object.
class ChildProcess {
 public:
  explicit ChildProcess(std::wstring commandLine);
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  // A Unix program started through Wine gives no handle: it counts as started, but cannot
  // be waited for or ended.
  bool Started() const noexcept { return started_; }
  DWORD Id() const noexcept { return id_; }
  // The exit code once it has ended within `timeout`; STILL_ACTIVE if it has not.
  DWORD Wait(std::chrono::milliseconds timeout);

 private:
  bool started_ = false;
  UniqueKernelHandle process_;
  DWORD id_ = 0;
};

// A top-level window of another process (foreign_window.exe) titled `title`, shown without
// the activation; closed, and its process ended, with the object.
class ForeignWindow {
 public:
  explicit ForeignWindow(const std::wstring& title);
  ForeignWindow(const ForeignWindow&) = delete;
  ForeignWindow& operator=(const ForeignWindow&) = delete;
  ~ForeignWindow();
  HWND get() const noexcept { return window_; }

 private:
  ChildProcess process_;
  HWND window_ = nullptr;
};

// A program next to the test program (helpers built with it), quoted for a command line.
std::wstring SiblingProgram(const std::wstring& fileName);

// The Windows form of a Unix path (Wine maps the Unix root to drive Z:).
std::wstring WindowsPathOfUnixPath(const std::string& unixPath);

}  // namespace zorvane::dialogs::test
