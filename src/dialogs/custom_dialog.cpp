#include "dialogs/custom_dialog.h"

#include <utility>

#include "dialogs/custom_form.h"

namespace zorvane::dialogs {

void CustomDialog::SetHostApplication(Microsoft::WRL::ComPtr<_Application> application) noexcept {
  session_.SetHostApplication(std::move(application));
}

void CustomDialog::SetHostWindow(HWND window) noexcept { session_.SetHostWindow(window); }

HRESULT CustomDialog::ShowModal() noexcept {
  CustomForm form;
  return session_.ShowModal(form);
}

}  // namespace zorvane::dialogs
