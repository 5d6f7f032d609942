// Runs a program and waits for it, with a time limit: a test never hangs on a child.
#pragma once

#include <windows.h>

#include <string>

namespace zorvane::test {

struct ProcessResult {
  DWORD exitCode = 0;
  bool timedOut = false;
  std::string output;  // stdout and stderr together, as bytes
};

ProcessResult RunProcess(const std::wstring& commandLine, DWORD timeoutMs = 60000);

}  // namespace zorvane::test
