// Plays the user of an installer's dialog, for the install scenarios:
//   installer_dialog TITLE [CAPTION...]
// Waits for a visible top-level window titled TITLE (at most 60 s). Without captions it prints
// each check box and push button as "<caption>\t<ticked|unticked|enabled|disabled>" (UTF-8);
// with captions it presses those controls in order (a check box toggles, a push button clicks).
// Exit status: 0 done, 1 no such window, 2 no enabled control with a caption given.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/utf8.h"

namespace {

// A caption as the user reads it: without the '&' before an access key.
std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  std::wstring readable;
  for (const wchar_t* at = text; *at != L'\0'; ++at) {
    if (*at != L'&' || at[1] == L'&') readable += *at;
  }
  return readable;
}

struct Control {
  HWND window;
  std::wstring caption;
  bool checkBox;
};

BOOL CALLBACK CollectButton(HWND child, LPARAM context) {
  wchar_t kind[32] = {};
  GetClassNameW(child, kind, 32);
  if (lstrcmpiW(kind, L"Button") != 0) return TRUE;
  const LONG style = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
  const bool checkBox = style == BS_CHECKBOX || style == BS_AUTOCHECKBOX;
  if (checkBox || style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON) {
    reinterpret_cast<std::vector<Control>*>(context)->push_back({child, TextOf(child), checkBox});
  }
  return TRUE;
}

std::vector<Control> ButtonsOf(HWND dialog) {
  std::vector<Control> controls;
  EnumChildWindows(dialog, CollectButton, reinterpret_cast<LPARAM>(&controls));
  return controls;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: installer_dialog TITLE [CAPTION...]\n", stderr);
    return 2;
  }
  HWND dialog = nullptr;
  for (int waited = 0; waited < 600 && dialog == nullptr; ++waited) {
    dialog = FindWindowW(nullptr, argv[1]);
    if (dialog != nullptr && !IsWindowVisible(dialog)) dialog = nullptr;
    if (dialog == nullptr) Sleep(100);
  }
  if (dialog == nullptr) {
    std::fputs("installer_dialog: no such window\n", stderr);
    return 1;
  }
  for (int i = 2; i < argc; ++i) {
    const std::vector<Control> controls = ButtonsOf(dialog);
    const Control* target = nullptr;
    for (const Control& control : controls) {
      if (control.caption == argv[i]) target = &control;
    }
    if (target == nullptr || !IsWindowEnabled(target->window)) {
      std::fprintf(stderr, "installer_dialog: no enabled control \"%s\"\n", zorvane::ToUtf8(argv[i]).c_str());
      return 2;
    }
    // A click as the mouse makes it; the dialog's own thread handles it before this returns.
    SendMessageW(target->window, BM_CLICK, 0, 0);
  }
  if (argc > 2) return 0;
  for (const Control& control : ButtonsOf(dialog)) {
    const char* state = control.checkBox
                            ? (SendMessageW(control.window, BM_GETCHECK, 0, 0) == BST_CHECKED ? "ticked" : "unticked")
                            : (IsWindowEnabled(control.window) ? "enabled" : "disabled");
    std::printf("%s\t%s\n", zorvane::ToUtf8(control.caption).c_str(), state);
  }
  return 0;
}
