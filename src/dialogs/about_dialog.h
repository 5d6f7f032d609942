// The About dialog "关于Quelby", which the add-in's "AboutMenu" command shows: the product's
// logo, description, author, contact lines and a link to its web page. A fresh object per
// opening.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include "dialogs/modal_session.h"
#include "powerpoint.h"

namespace zorvane::dialogs {

class AboutDialog {
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
