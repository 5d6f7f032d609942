// A dialog opened by one of the add-in's commands: given the host's application object and
// main window, then shown modally. `Form` is what the dialog shows and does; the session
// owns everything both dialogs share (owner, modal loop, load and unload).
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <utility>

#include "dialogs/modal_session.h"

namespace zorvane::dialogs {

template <typename Form>
class HostDialog {
 public:
  // Held until the dialog unloads; the dialog makes no call on it.
  void SetHostApplication(Microsoft::WRL::ComPtr<IDispatch> application) noexcept {
    session_.SetHostApplication(std::move(application));
  }

  // The host's main window as taken at connection (0 for none); see ModalSession for the
  // window that owns the dialog while it is open.
  void SetHostWindow(HWND window) noexcept { session_.SetHostWindow(window); }

  // Shows the dialog modally on the calling thread and returns when it has unloaded:
  // S_OK however it was closed, or the status of a failure to create it. While another of
  // the add-in's dialogs is open, brings that one to the front and returns S_OK.
  // `formInputs` are what the form is made with (the customization dialog: the ribbon it
  // refreshes).
  template <typename... FormInputs>
  HRESULT ShowModal(FormInputs&&... formInputs) noexcept {
    Form form(std::forward<FormInputs>(formInputs)...);
    return session_.ShowModal(form);
  }

 private:
  ModalSession session_;
};

}  // namespace zorvane::dialogs
