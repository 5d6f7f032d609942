// Looking at the host's printout in tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/utf8.h"

namespace standin_test {

// The lines of `text`, without their line ends.
inline std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

inline bool HasLine(const std::wstring& text, const std::wstring& line) {
  for (const std::wstring& candidate : Lines(text)) {
    if (candidate == line) return true;
  }
  return false;
}

// UTF-8, for failure messages.
using zorvane::ToUtf8;

}  // namespace standin_test
