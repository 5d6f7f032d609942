// A window of another process, for the dialogs' tests: shows a top-level window titled by
// its argument until the window is closed, for at most one minute. It shows without taking
// the activation: a test brings it to the front when it needs it there.
#include <windows.h>

#include <shellapi.h>

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  const wchar_t* title = arguments != nullptr && count > 1 ? arguments[1] : L"Zorvane foreign window";
  const HWND window = CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW, 300, 200, 600, 400, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOWNOACTIVATE);
  const ULONGLONG deadline = GetTickCount64() + 60000;
  while (IsWindow(window) && GetTickCount64() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  LocalFree(arguments);
  return 0;
}
