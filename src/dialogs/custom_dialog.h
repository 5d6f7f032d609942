// The customization dialog "自定义", which the add-in's "CustomMenu" command shows: the user
// chooses which of the nine display switches are on; OK saves them, puts them in force
// and has the host's ribbon refreshed. A fresh object per opening.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include "dialogs/modal_session.h"
#include "powerpoint.h"

namespace zorvane::dialogs {

class CustomDialog {
 public:
  // Held until the dialog unloads; the dialog makes no call on it.
  void SetHostApplication(Microsoft::WRL::ComPtr<_Application> application) noexcept;

  // The host's main window (0 for none), the dialog's owner while it is open.
  void SetHostWindow(HWND window) noexcept;

  // Shows the dialog modally on the calling thread and returns when it has unloaded:
  // S_OK however it was closed, or the status of a failure to create it.
  HRESULT ShowModal() noexcept;

 private:
  ModalSession session_;
};

}  // namespace zorvane::dialogs
