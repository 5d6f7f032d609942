// Where the tests find the programs and DLLs of the Windows build, under Wine.
#pragma once

#include <string>

namespace standin_test {

// `relative` under the Windows build directory (ZORVANE_BIN_DIR, a unix path), as a
// Windows path: Wine maps the unix root to drive Z:.
std::wstring BuildPath(const char* relative);

bool FileExists(const std::wstring& path);

}  // namespace standin_test
