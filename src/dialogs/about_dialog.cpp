#include "dialogs/about_dialog.h"

#include <utility>

#include "dialogs/about_form.h"

namespace zorvane::dialogs {

void AboutDialog::SetHostApplication(Microsoft::WRL::ComPtr<_Application> application) noexcept {
  session_.SetHostApplication(std::move(application));
}

void AboutDialog::SetHostWindow(HWND window) noexcept { session_.SetHostWindow(window); }

HRESULT AboutDialog::ShowModal() noexcept {
  AboutForm form;
  return session_.ShowModal(form);
}

}  // namespace zorvane::dialogs
