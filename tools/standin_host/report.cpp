#include "report.h"

#include <string>

namespace zorvane::standin {
namespace {

constexpr std::wstring_view kProgramName = L"standin_host";

void WriteLine(TextSink& sink, std::wstring_view prefix, std::wstring_view text) {
  std::wstring line(prefix);
  line += text;
  line += L'\n';
  sink.Write(line);
}

}  // namespace

void Report::Line(std::wstring_view text) { WriteLine(out_, {}, text); }

void Report::Trace(std::wstring_view text) {
  if (trace_) WriteLine(out_, L"trace: ", text);
}

void Report::Problem(ExitCode code, std::wstring_view message) {
  WriteLine(errors_, std::wstring(kProgramName) + L": error: ", message);
  if (code_ == ExitCode::kSuccess) code_ = code;
}

void Report::Warning(std::wstring_view message) {
  WriteLine(errors_, std::wstring(kProgramName) + L": warning: ", message);
}

}  // namespace zorvane::standin
