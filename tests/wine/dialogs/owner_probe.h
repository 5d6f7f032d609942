// Sees the owner that a dialog's window has at the moment it is destroyed, that is after
// its unload steps have run: a hook on the calling thread, which must be the thread that
// shows the dialog.
#pragma once

#include <windows.h>

#include <string>

namespace zorvane::dialogs::test {

class OwnerAtDestroyProbe {
 public:
  explicit OwnerAtDestroyProbe(std::wstring caption);
  OwnerAtDestroyProbe(const OwnerAtDestroyProbe&) = delete;
  OwnerAtDestroyProbe& operator=(const OwnerAtDestroyProbe&) = delete;
  ~OwnerAtDestroyProbe();

  bool Seen() const noexcept { return seen_; }
  HWND Owner() const noexcept { return owner_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

  std::wstring caption_;
  HHOOK hook_ = nullptr;
  bool seen_ = false;
  HWND owner_ = nullptr;
};

}  // namespace zorvane::dialogs::test
