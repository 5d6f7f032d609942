// Plays the user of an installer's dialog, for the install scenarios:
//   installer_dialog TITLE [CAPTION...]
// Waits for a visible top-level window titled TITLE (at most 60 s). Without captions it prints
// each check box and push button as "<caption>\t<ticked|unticked|enabled|disabled>" (UTF-8);
// with captions it presses those controls in order (a check box toggles, a push button clicks).
// A caption is compared as the user reads it, without the '&' of its access key.
// Exit status: 0 done, 1 no such window, 2 no enabled control with a caption given.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/utf8.h"

namespace {

struct Control {
  HWND window;
  std::wstring caption;
  bool checkBox;
};

BOOL CALLBACK CollectButton(HWND child, LPARAM controls) {
  wchar_t kind[16] = {}, text[256] = {};
  GetClassNameW(child, kind, 16);
  const LONG style = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
  const bool checkBox = style == BS_CHECKBOX || style == BS_AUTOCHECKBOX;
  if (lstrcmpiW(kind, L"Button") != 0 || !(checkBox || style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON)) return TRUE;
  GetWindowTextW(child, text, 256);
  std::wstring caption;
  for (const wchar_t* at = text; *at != L'\0'; ++at) {
    if (*at != L'&' || at[1] == L'&') caption += *at;
  }
  reinterpret_cast<std::vector<Control>*>(controls)->push_back({child, caption, checkBox});
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  HWND dialog = nullptr;
  for (int waited = 0; argc > 1 && waited < 600 && dialog == nullptr; ++waited) {
    dialog = FindWindowW(nullptr, argv[1]);
    if (dialog != nullptr && !IsWindowVisible(dialog)) dialog = nullptr;
    if (dialog == nullptr) Sleep(100);
  }
  if (dialog == nullptr) return std::fputs("installer_dialog: no such window\n", stderr), 1;
  std::vector<Control> controls;
  EnumChildWindows(dialog, CollectButton, reinterpret_cast<LPARAM>(&controls));
  for (int i = 2; i < argc; ++i) {
    const Control* target = nullptr;
    for (const Control& control : controls) target = control.caption == argv[i] ? &control : target;
    if (target == nullptr || !IsWindowEnabled(target->window)) {
      return std::fprintf(stderr, "installer_dialog: no enabled \"%s\"\n", zorvane::ToUtf8(argv[i]).c_str()), 2;
    }
    SendMessageW(target->window, BM_CLICK, 0, 0);  // handled by the dialog's thread before this returns
  }
  for (const Control& control : argc > 2 ? std::vector<Control>{} : controls) {
    const char* state = control.checkBox
                            ? (SendMessageW(control.window, BM_GETCHECK, 0, 0) == BST_CHECKED ? "ticked" : "unticked")
                            : (IsWindowEnabled(control.window) ? "enabled" : "disabled");
    std::printf("%s\t%s\n", zorvane::ToUtf8(control.caption).c_str(), state);
  }
  return 0;
}
