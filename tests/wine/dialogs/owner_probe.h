// A hook on the thread that shows a dialog, which sees what happens to the dialog's owner
// as the dialog closes.
#pragma once

#include <windows.h>

#include <string>

namespace zorvane::dialogs::test {

// Sees a dialog's owner as the dialog hides (and whether that owner takes input by then),
// and as it is destroyed, that is after its unload steps have run.
class OwnerProbe {
 public:
  explicit OwnerProbe(std::wstring caption);
  OwnerProbe(const OwnerProbe&) = delete;
  OwnerProbe& operator=(const OwnerProbe&) = delete;
  ~OwnerProbe();

  bool Hidden() const noexcept { return hidden_; }
  HWND OwnerWhenHidden() const noexcept { return ownerWhenHidden_; }
  bool OwnerEnabledWhenHidden() const noexcept { return ownerEnabledWhenHidden_; }

  bool Seen() const noexcept { return seen_; }  // destroyed
  HWND Owner() const noexcept { return owner_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

  std::wstring caption_;
  HHOOK hook_ = nullptr;
  bool hidden_ = false;
  HWND ownerWhenHidden_ = nullptr;
  bool ownerEnabledWhenHidden_ = false;
  bool seen_ = false;
  HWND owner_ = nullptr;
};

}  // namespace zorvane::dialogs::test
