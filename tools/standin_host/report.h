// What the host tells the user: the view on stdout, problems on stderr, and the exit code
// of the first problem.
#pragma once

#include <string_view>

#include "exit_code.h"
#include "text_sink.h"

namespace zorvane::standin {

class Report {
 public:
  Report(TextSink& out, TextSink& errors, bool trace) noexcept
      : out_(out), errors_(errors), trace_(trace) {}

  void Line(std::wstring_view text = {});
  // Calls between host and add-in, printed only with --trace.
  void Trace(std::wstring_view text);
  bool tracing() const noexcept { return trace_; }

  // One line "standin_host: error: <message>"; the first problem decides the exit code.
  void Problem(ExitCode code, std::wstring_view message);
  void Warning(std::wstring_view message);
  ExitCode code() const noexcept { return code_; }

 private:
  TextSink& out_;
  TextSink& errors_;
  bool trace_;
  ExitCode code_ = ExitCode::kSuccess;
};

}  // namespace zorvane::standin
