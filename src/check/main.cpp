// ZorvaneCheck.exe: the window when started without arguments; --report, --repair and
// --help for administrators and deployment tools. Exit codes: 0 nothing wrong (after
// --repair: nothing left), 1 problems found or left, 2 the check itself could not run.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <new>
#include <string>
#include <string_view>

#include "check/check_form.h"
#include "check/check_session.h"
#include "check/standard_output.h"
#include "dialogs/modal_session.h"

namespace zorvane::check {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitProblems = 1;
constexpr int kExitCheckFailed = 2;

constexpr std::u16string_view kNewline = u"\r\n";

std::u16string Text(TextId id, std::u16string argument = {}) {
  const std::u16string args[] = {std::move(argument)};
  return RenderText(SimplifiedChineseText(), id, args);
}

int ExitCode(const CheckSession& session) {
  return session.diagnosis().HasProblems() ? kExitProblems : kExitOk;
}

int Report(bool repair) {
  CheckSession session(SimplifiedChineseText());
  session.Refresh();
  if (repair) session.Repair();
  if (!WriteStandard(STD_OUTPUT_HANDLE, session.Report(kNewline))) return kExitCheckFailed;
  return ExitCode(session);
}

int Window() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
  CheckSession session(SimplifiedChineseText());
  session.Refresh();
  CheckForm form(session);
  dialogs::ModalSession modal;
  if (FAILED(modal.ShowModal(form))) return kExitCheckFailed;
  return ExitCode(session);
}

int Run(int argc, wchar_t** argv) {
  const std::wstring_view option = argc > 1 ? argv[1] : L"";
  if (argc > 2 || (argc == 2 && option != L"--report" && option != L"--repair" && option != L"--help")) {
    WriteStandard(STD_ERROR_HANDLE, Text(TextId::kHelp));
    return kExitCheckFailed;
  }
  if (option == L"--help") return WriteStandard(STD_OUTPUT_HANDLE, Text(TextId::kHelp)) ? kExitOk : kExitCheckFailed;
  if (option == L"--report") return Report(false);
  if (option == L"--repair") return Report(true);
  return Window();
}

}  // namespace
}  // namespace zorvane::check

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace zorvane::check;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr) return kExitCheckFailed;
  int code = kExitCheckFailed;
  try {
    code = Run(argc, argv);
  } catch (const std::bad_alloc&) {
    WriteStandard(STD_ERROR_HANDLE, Text(TextId::kCheckFailed, u"out of memory") + std::u16string(kNewline));
  } catch (...) {
    WriteStandard(STD_ERROR_HANDLE, Text(TextId::kCheckFailed, u"?") + std::u16string(kNewline));
  }
  LocalFree(argv);
  return code;
}
