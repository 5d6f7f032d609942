#include "support/test_paths.h"

#include <windows.h>

#include <algorithm>

#include "support/child_process.h"

namespace zorvane::test {

std::wstring BuildPath(const std::wstring& relative) {
  wchar_t dir[4096];
  const DWORD length = GetEnvironmentVariableW(L"ZORVANE_BIN_DIR", dir, 4096);
  std::wstring path = length > 0 && length < 4096 ? std::wstring(dir, length) : std::wstring(L".");
  // Wine maps the Unix root to drive Z:.
  if (!path.empty() && path.front() == L'/') path = L"Z:" + path;
  path += L"/" + relative;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::wstring BuildPath(const char* relative) { return BuildPath(FromUtf8(relative)); }

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring ZorvaneDllPath() { return BuildPath(L"src/addin/Zorvane.dll"); }

}  // namespace zorvane::test
