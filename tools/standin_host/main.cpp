// standin_host: loads the add-ins of PowerPoint, Word or Excel as the host does and prints
// what a user would see.
#include <windows.h>

#include <exception>
#include <new>
#include <string>
#include <vector>

#include "crash_report.h"
#include "host.h"
#include "options.h"
#include "report.h"
#include "text_sink.h"

using namespace zorvane::standin;

int wmain(int argc, wchar_t** argv) {
  InstallCrashReport();
  StandardHandleSink out(STD_OUTPUT_HANDLE);
  StandardHandleSink errors(STD_ERROR_HANDLE);
  try {
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    const ParsedOptions parsed = ParseOptions(args);
    if (!parsed.error.empty()) {
      Report report(out, errors, false);
      report.Problem(ExitCode::kUsage, parsed.error);
      return static_cast<int>(report.code());
    }
    if (parsed.options.help) {
      out.Write(HelpText());
      return 0;
    }
    Report report(out, errors, parsed.options.trace);
    return static_cast<int>(RunHost(parsed.options, report));
  } catch (const std::bad_alloc&) {
    errors.Write(L"standin_host: error: out of memory\n");
  } catch (const std::exception&) {
    errors.Write(L"standin_host: error: internal failure\n");
  }
  return static_cast<int>(ExitCode::kHostFailed);
}
