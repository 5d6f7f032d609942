// ZorvaneCheck.exe: the window when started without arguments; --report, --repair and
// --help for administrators and deployment tools. Exit codes: 0 nothing wrong (after
// --repair: nothing left), 1 problems found or left, 2 the check itself could not run.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <new>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "check/check_form.h"
#include "check/check_session.h"
#include "check/standard_output.h"
#include "dialogs/modal_session.h"
#include "settings/advapi32_registry_store.h"
#include "settings/ui_language_choice.h"

namespace zorvane::check {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitProblems = 1;
constexpr int kExitCheckFailed = 2;

constexpr std::u16string_view kNewline = u"\r\n";

// As the add-in: the language fixed by policy or by the user's `Language` value; else, there
// being no PowerPoint to ask, Windows' own user-interface language.
std::span<const TextEntry> CheckLanguageText() noexcept {
  const std::optional<UiLanguage> fixed = settings::LoadFixedUiLanguage(OfficeHost::PowerPoint);
  return TextTable(fixed ? *fixed : settings::UiLanguageFromLcid(GetUserDefaultUILanguage()));
}

std::u16string Text(std::span<const TextEntry> table, TextId id, std::u16string argument = {}) {
  const std::u16string args[] = {std::move(argument)};
  return RenderText(table, id, args);
}

int ExitCode(const CheckSession& session) {
  return session.diagnosis().HasProblems() ? kExitProblems : kExitOk;
}

int Report(std::span<const TextEntry> table, bool repair) {
  CheckSession session(table);
  session.Refresh();
  if (repair) session.Repair(false);
  if (!WriteStandard(STD_OUTPUT_HANDLE, session.Report(kNewline))) return kExitCheckFailed;
  return ExitCode(session);
}

int Window(std::span<const TextEntry> table) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
  CheckSession session(table);
  session.Refresh();
  CheckForm form(session);
  dialogs::ModalSession modal;
  if (FAILED(modal.ShowModal(form))) return kExitCheckFailed;
  return ExitCode(session);
}

int Run(std::span<const TextEntry> table, int argc, wchar_t** argv) {
  const std::wstring_view option = argc > 1 ? argv[1] : L"";
  if (argc > 2 || (argc == 2 && option != L"--report" && option != L"--repair" && option != L"--help")) {
    WriteStandard(STD_ERROR_HANDLE, Text(table, TextId::kHelp));
    return kExitCheckFailed;
  }
  if (option == L"--help") return WriteStandard(STD_OUTPUT_HANDLE, Text(table, TextId::kHelp)) ? kExitOk : kExitCheckFailed;
  if (option == L"--report") return Report(table, false);
  if (option == L"--repair") return Report(table, true);
  return Window(table);
}

}  // namespace
}  // namespace zorvane::check

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace zorvane::check;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr) return kExitCheckFailed;
  const std::span<const TextEntry> table = CheckLanguageText();
  int code = kExitCheckFailed;
  try {
    code = Run(table, argc, argv);
  } catch (const std::bad_alloc&) {
    WriteStandard(STD_ERROR_HANDLE, Text(table, TextId::kCheckFailed, u"out of memory") + std::u16string(kNewline));
  } catch (...) {
    WriteStandard(STD_ERROR_HANDLE, Text(table, TextId::kCheckFailed, u"?") + std::u16string(kNewline));
  }
  LocalFree(argv);
  return code;
}
