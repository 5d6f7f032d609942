// A handler for the URL scheme of a web address, registered for the duration of a test in
// the test's prefix (HKEY_CLASSES_ROOT\<scheme>\shell\open\command), and the previous one
// put back afterwards.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace zorvane::dialogs::test {

class ScopedUrlHandler {
 public:
  // `command` is the command line, with "%1" where the address goes.
  ScopedUrlHandler(std::wstring scheme, const std::wstring& command);
  ScopedUrlHandler(const ScopedUrlHandler&) = delete;
  ScopedUrlHandler& operator=(const ScopedUrlHandler&) = delete;
  ~ScopedUrlHandler();

  bool Registered() const noexcept { return registered_; }

 private:
  std::wstring key_;
  std::optional<std::wstring> previous_;
  bool registered_ = false;
};

// The scheme of `address` (the part before the first ':').
std::wstring SchemeOf(const std::wstring& address);

// The lines of the file at `path` (what url_recorder wrote); none when there is no file.
std::vector<std::string> ReadLines(const std::wstring& path);

// A file of that name in the temporary folder.
std::wstring TempFilePath(const wchar_t* name);

}  // namespace zorvane::dialogs::test
