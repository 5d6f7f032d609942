// The stand-in's own top-level window. Add-ins take the foreground window at connection
// as the host's main window and own their dialogs by it, so it is shown and brought to
// the foreground before any add-in is connected.
#pragma once

#include <windows.h>

#include <string_view>

#include "host_description.h"

namespace zorvane::standin {

class MainWindow {
 public:
  MainWindow() = default;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow();

  // Registers the host's window class, creates, shows and activates the window with the
  // host's caption. False on failure.
  bool Create(HINSTANCE instance, const HostDescription& host);
  // The same for an item window of the host that has a ribbon of its own: a top-level window
  // beside the main one, as the host opens it.
  bool Create(HINSTANCE instance, const HostRibbon& itemWindow);
  HWND handle() const noexcept { return window_; }
  bool IsForeground() const noexcept { return window_ != nullptr && GetForegroundWindow() == window_; }

 private:
  struct Placement {
    int x, y, width, height;
  };
  bool Create(HINSTANCE instance, std::wstring_view className, std::wstring_view caption, Placement placement);

  HINSTANCE instance_ = nullptr;
  ATOM class_ = 0;
  HWND window_ = nullptr;
};

// Handles the messages that are waiting, so that showing and activation take effect.
void PumpWaitingMessages() noexcept;

}  // namespace zorvane::standin
