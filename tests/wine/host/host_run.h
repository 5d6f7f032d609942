// Runs standin_host.exe of this build as a user would, from a shell.
#pragma once

#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/test_paths.h"

namespace standin_test {

using namespace zorvane::test;  // the Wine tests' shared helpers

inline std::wstring HostPath() { return BuildPath(STANDIN_HOST_PATH); }

inline ChildResult RunHost(const std::vector<std::wstring>& arguments) { return RunChild(HostPath(), arguments); }

// How many times `part` occurs in `text`.
inline std::size_t Occurrences(const std::wstring& text, const std::wstring& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

inline bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

}  // namespace standin_test
