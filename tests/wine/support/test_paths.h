// Where the build put the programs under test, as Windows paths.
#pragma once

#include <string>

namespace zorvane::test {

// A file of the Windows build tree (ZORVANE_BIN_DIR), e.g. L"src/addin/Zorvane.dll".
std::wstring BuildPath(const std::wstring& relative);
std::wstring BuildPath(const char* relative);
bool FileExists(const std::wstring& path);
std::wstring ZorvaneDllPath();

}  // namespace zorvane::test
