// Where the host's text goes: a standard handle, or a string in tests.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zorvane::standin {

class TextSink {
 public:
  virtual ~TextSink() = default;
  virtual void Write(std::wstring_view text) = 0;
};

// Writes to a standard handle. A console gets UTF-16 through WriteConsoleW; anything else
// (a pipe, a file, Wine's unix pipe) gets UTF-8 bytes through WriteFile, so that Chinese
// text arrives intact whatever the console code page.
class StandardHandleSink final : public TextSink {
 public:
  explicit StandardHandleSink(DWORD which) noexcept;
  void Write(std::wstring_view text) override;

 private:
  HANDLE handle_;
  bool console_;
};

class StringSink final : public TextSink {
 public:
  void Write(std::wstring_view text) override { text_ += text; }
  const std::wstring& text() const noexcept { return text_; }

 private:
  std::wstring text_;
};

}  // namespace zorvane::standin
