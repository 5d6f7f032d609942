// The part both dialogs share: the members their opener sets (HostApplication, HostWindow),
// the owner link to the host's window, and the modal show with its load and unload steps.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include "dialogs/dialog_form.h"

namespace zorvane::dialogs {

class ModalSession {
 public:
  ModalSession() noexcept = default;
  ModalSession(const ModalSession&) = delete;
  ModalSession& operator=(const ModalSession&) = delete;

  // Held from here until the dialog unloads; the dialog makes no call on it.
  void SetHostApplication(Microsoft::WRL::ComPtr<IDispatch> application) noexcept;

  // The window that was in front when the host connected, taken as its main window; 0 for
  // none. Where the form's owner rule is the main window, it owns the dialog while the dialog
  // is open when it is a visible window of this thread; otherwise the thread's active window
  // does (see ChooseOwner).
  void SetHostWindow(HWND window) noexcept;

  // Creates the window of `form`, loads it, shows it and runs a modal loop on the calling
  // thread until the dialog unloads; the owner is disabled meanwhile. Returns S_OK, or the
  // status of a failure to create the window or its controls. Every way out unloads.
  //
  // One of the add-in's dialogs at a time: while one is open, the call brings that one to
  // the front instead, opens nothing and returns S_OK.
  HRESULT ShowModal(DialogForm& form) noexcept;

  // Unloads the dialog: HostApplication is released and the modal loop ends; the loop's
  // caller then enables the owner, hides the window and gives it back the owner it had
  // before the load. Nothing cancels an unload; a second call does nothing.
  void Unload() noexcept;

  // Gives the dialog manager `result` as the result of the message being handled and
  // returns the dialog procedure's "handled".
  static INT_PTR Answer(HWND dialog, LRESULT result) noexcept;

 private:
  HRESULT Run(DialogForm& form) noexcept;
  void Load(DialogForm& form) noexcept;
  void PumpUntilUnloaded() noexcept;
  void Close(HWND disabledOwner) noexcept;
  void BringToFront() const noexcept;
  INT_PTR HandleMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  Microsoft::WRL::ComPtr<IDispatch> hostApplication_;
  HWND hostWindow_ = nullptr;
  HWND previousOwner_ = nullptr;

  // State of the running show.
  DialogForm* form_ = nullptr;
  HWND window_ = nullptr;
  bool unloaded_ = false;
  bool windowGone_ = false;
};

}  // namespace zorvane::dialogs
