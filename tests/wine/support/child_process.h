// Runs a program as a child process with its output captured, as a user's shell would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zorvane::test {

struct ChildResult {
  bool started = false;
  DWORD startError = 0;  // GetLastError() when the child could not be started
  bool timedOut = false;
  DWORD exitCode = 0;
  std::wstring out;     // stdout, decoded from UTF-8
  std::wstring errors;  // stderr, decoded from UTF-8
};

// Runs `program` with `arguments` (each quoted as needed) and waits at most `timeoutMs`;
// a child that takes longer is terminated.
ChildResult RunChild(const std::wstring& program, const std::vector<std::wstring>& arguments,
                     DWORD timeoutMs = 60000);

std::wstring FromUtf8(const std::string& bytes);

}  // namespace zorvane::test
