#include "main_window.h"

#include <string>

namespace zorvane::standin {

MainWindow::~MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  if (class_ != 0) UnregisterClassW(MAKEINTATOM(class_), instance_);
}

bool MainWindow::Create(HINSTANCE instance, const HostDescription& host) {
  return Create(instance, host.windowClass, host.windowCaption, {CW_USEDEFAULT, CW_USEDEFAULT, 960, 640});
}

// Smaller than the main window and off its corner, so that both can be seen.
bool MainWindow::Create(HINSTANCE instance, const HostRibbon& itemWindow) {
  return Create(instance, itemWindow.windowClass, itemWindow.windowCaption, {96, 72, 800, 560});
}

bool MainWindow::Create(HINSTANCE instance, std::wstring_view classText, std::wstring_view captionText,
                        Placement placement) {
  instance_ = instance;
  const std::wstring className(classText);
  const std::wstring caption(captionText);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  windowClass.lpszClassName = className.c_str();
  class_ = RegisterClassExW(&windowClass);
  if (class_ == 0) return false;
  window_ = CreateWindowExW(0, MAKEINTATOM(class_), caption.c_str(), WS_OVERLAPPEDWINDOW, placement.x,
                            placement.y, placement.width, placement.height, nullptr, nullptr, instance, nullptr);
  if (window_ == nullptr) return false;
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  PumpWaitingMessages();
  return true;
}

void PumpWaitingMessages() noexcept {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace zorvane::standin
