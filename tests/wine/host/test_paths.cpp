#include "test_paths.h"

#include <windows.h>

#include <cstdlib>

#include "child_process.h"

namespace standin_test {

std::wstring BuildPath(const char* relative) {
  const char* root = std::getenv("ZORVANE_BIN_DIR");
  std::wstring path = L"Z:" + FromUtf8(root ? root : "") + L"/" + FromUtf8(relative);
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace standin_test
