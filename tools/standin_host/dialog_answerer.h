// Answers the modal dialog that an add-in's button opens, for unattended runs: while armed,
// a thread timer (which fires inside the dialog's own message loop) finds the dialog on
// this thread and presses one of its buttons or closes it, as a user would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "options.h"

namespace zorvane::standin {

class DialogAnswerer {
 public:
  // Does nothing for DialogAnswer::kWait. `button` is the caption for kPressButton. The host's
  // own windows are never taken for the dialog.
  DialogAnswerer(DialogAnswer answer, std::wstring button, unsigned delayMs, std::vector<HWND> hostWindows);
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;
  ~DialogAnswerer();

  // What was answered, one line per dialog, and the window that owned it.
  const std::vector<std::wstring>& events() const noexcept { return events_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) noexcept;
  void AnswerDialogs() noexcept;

  DialogAnswer answer_;
  std::wstring button_;
  std::vector<HWND> hostWindows_;
  UINT_PTR timer_ = 0;
  std::vector<HWND> answered_;
  std::vector<std::wstring> events_;
};

}  // namespace zorvane::standin
