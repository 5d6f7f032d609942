#include "dialogs/modal_session.h"

#include <new>
#include <utility>
#include <vector>

#include "dialogs/controls.h"
#include "dialogs/dialog_template.h"
#include "dialogs/handles.h"
#include "dialogs/module_instance.h"
#include "dialogs/twips.h"
#include "dialogs/window_owner.h"
#include "dialogs/window_placement.h"

namespace zorvane::dialogs {

void ModalSession::SetHostApplication(Microsoft::WRL::ComPtr<_Application> application) noexcept {
  hostApplication_ = std::move(application);
}

void ModalSession::SetHostWindow(HWND window) noexcept { hostWindow_ = window; }

HRESULT ModalSession::ShowModal(DialogForm& form) noexcept {
  HRESULT result = E_UNEXPECTED;
  try {
    result = Run(form);
  } catch (const std::bad_alloc&) {
    result = E_OUTOFMEMORY;
  } catch (...) {
    result = E_UNEXPECTED;
  }
  Unload();  // also when the window could not be made
  form_ = nullptr;
  window_ = nullptr;
  return result;
}

HRESULT ModalSession::Run(DialogForm& form) {
  previousOwner_ = nullptr;
  unloaded_ = false;
  windowGone_ = false;

  // The dialog is created owned by a hidden window of its own: an owned window has no
  // taskbar button, also when no host window takes the ownership over at load.
  UniqueWindow parking(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, ThisModule(), nullptr));
  if (!parking) return LastErrorResult();

  const std::vector<WORD> layout = MakeDialogTemplate(form.Caption());
  form_ = &form;
  UniqueWindow dialog(CreateDialogIndirectParamW(ThisModule(), reinterpret_cast<const DLGTEMPLATE*>(layout.data()),
                                                 parking.get(), &DialogProc, reinterpret_cast<LPARAM>(this)));
  if (!dialog) return LastErrorResult();
  window_ = dialog.get();

  const int dpi = WindowDpi(window_);
  SetClientSize(window_, PixelSize(form.ClientSize(), dpi));
  if (const HRESULT created = form.CreateControls(window_, dpi); FAILED(created)) return created;

  Load(form);
  CentreOverOwner(window_);

  // As a modal dialog does: the owner takes no input while the dialog is open.
  const HWND owner = GetWindow(window_, GW_OWNER);
  const bool disabledOwner = owner != nullptr && owner != parking.get() && IsWindowEnabled(owner);
  if (disabledOwner) EnableWindow(owner, FALSE);

  ShowWindow(window_, SW_SHOWNORMAL);
  if (const HWND focus = form.FirstFocus(); focus != nullptr && !unloaded_) {
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
  }

  PumpUntilUnloaded();

  // Enabled again before the dialog hides, so that activation returns to the owner and not
  // to some other application's window.
  if (disabledOwner && IsWindow(owner)) EnableWindow(owner, TRUE);
  if (windowGone_) {
    dialog.release();
  } else {
    const bool wasActive = GetActiveWindow() == window_;
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (wasActive && disabledOwner && IsWindow(owner)) SetForegroundWindow(owner);
  }
  return S_OK;
}

void ModalSession::Load(DialogForm& form) noexcept {
  if (hostWindow_ != nullptr && IsWindowOfThisProcess(hostWindow_)) {
    previousOwner_ = ReplaceOwner(window_, hostWindow_);
  }
  form.Load();
}

void ModalSession::PumpUntilUnloaded() noexcept {
  while (!unloaded_) {
    MSG message{};
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // The thread is asked to quit: close, and leave the request to the loop that runs
      // below ours, which is the one that has to end.
      PostQuitMessage(static_cast<int>(message.wParam));
      Unload();
      break;
    }
    if (got == -1) {
      Unload();
      break;
    }
    if (!IsDialogMessageW(window_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

void ModalSession::Unload() noexcept {
  if (unloaded_) return;
  unloaded_ = true;
  if (previousOwner_ != nullptr && window_ != nullptr && !windowGone_) ReplaceOwner(window_, previousOwner_);
  hostApplication_.Reset();
  // An unload from a sent message (WM_SYSCOMMAND, a call from another thread) runs inside
  // GetMessage, which would go on waiting for a posted message: post one to end the loop.
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

INT_PTR ModalSession::Answer(HWND dialog, LRESULT result) noexcept {
  SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR ModalSession::HandleMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  switch (message) {
    case WM_CLOSE:  // the close box, Alt+F4
      Unload();
      return TRUE;
    case WM_GETFONT:
      return Answer(dialog, reinterpret_cast<LRESULT>(form_ != nullptr ? form_->Font() : nullptr));
    case WM_DESTROY:  // also when destroyed from outside, e.g. with its owner
      Unload();
      break;
    case WM_NCDESTROY:
      windowGone_ = true;
      SetWindowLongPtrW(dialog, DWLP_USER, 0);
      return FALSE;
    default:
      break;
  }
  if (form_ == nullptr) return FALSE;
  return form_->OnMessage(*this, dialog, message, wParam, lParam).value_or(FALSE);
}

INT_PTR CALLBACK ModalSession::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    return FALSE;  // the focus is set when the window shows
  }
  auto* session = reinterpret_cast<ModalSession*>(GetWindowLongPtrW(dialog, DWLP_USER));
  return session != nullptr ? session->HandleMessage(dialog, message, wParam, lParam) : FALSE;
}

}  // namespace zorvane::dialogs
