// What one dialog adds to the modal machinery both dialogs share (ModalSession): its
// caption and size, its controls, its own load steps and its answers to messages.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "dialogs/twips.h"
#include "dialogs/window_owner.h"

namespace zorvane::dialogs {

class ModalSession;

class DialogForm {
 public:
  virtual ~DialogForm() = default;

  virtual std::wstring_view Caption() const noexcept = 0;
  virtual TwipSize ClientSize() const noexcept = 0;

  // Makes the controls in the still hidden window, laid out at `dpi`.
  virtual HRESULT CreateControls(HWND dialog, int dpi) noexcept = 0;

  // Which of the host's windows owns the dialog (see ChooseOwner).
  virtual OwnerRule Owner() const noexcept { return OwnerRule::kMainWindow; }

  // The form's own load steps, after the window has its owner and before it shows.
  virtual void Load() noexcept {}

  // The dialog's own font (what WM_GETFONT answers).
  virtual HFONT Font() const noexcept = 0;

  // The control that has the focus when the window opens.
  virtual HWND FirstFocus() const noexcept = 0;

  // A message to the dialog procedure. Nothing leaves it to the dialog manager; a value is
  // the dialog procedure's result (see ModalSession::Answer for results of other messages).
  virtual std::optional<INT_PTR> OnMessage(ModalSession& session, HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept = 0;
};

}  // namespace zorvane::dialogs
