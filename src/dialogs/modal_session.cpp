#include "dialogs/modal_session.h"

#include <utility>

#include "common/windows_handles.h"
#include "dialogs/controls.h"
#include "dialogs/dialog_template.h"
#include "dialogs/module_instance.h"
#include "dialogs/twips.h"
#include "dialogs/window_owner.h"
#include "dialogs/window_placement.h"

namespace zorvane::dialogs {
namespace {

// The session whose dialog is open: all of it runs on the host's one user-interface thread.
ModalSession* g_openSession = nullptr;

}  // namespace

void ModalSession::SetHostApplication(Microsoft::WRL::ComPtr<IDispatch> application) noexcept {
  hostApplication_ = std::move(application);
}

void ModalSession::SetHostWindow(HWND window) noexcept { hostWindow_ = window; }

HRESULT ModalSession::ShowModal(DialogForm& form) noexcept {
  if (g_openSession != nullptr) {
    // A command can reach us while a dialog is open (from the host's other windows, or from
    // automation). A second dialog in the first one's loop would freeze the first behind it;
    // the user is shown the open one instead.
    g_openSession->BringToFront();
    Unload();
    return S_OK;
  }
  g_openSession = this;
  const HRESULT result = Run(form);
  Unload();  // also when the window could not be made
  g_openSession = nullptr;
  form_ = nullptr;
  window_ = nullptr;
  return result;
}

HRESULT ModalSession::Run(DialogForm& form) noexcept {
  previousOwner_ = nullptr;
  unloaded_ = false;
  windowGone_ = false;

  // The dialog is created owned by a hidden window of its own: an owned window has no
  // taskbar button, also when no window of the host takes the ownership over at load.
  UniqueWindow parking(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, ThisModule(), nullptr));
  if (!parking) return LastErrorResult();

  HeapArray<WORD> layout;
  if (!MakeDialogTemplate(form.Caption(), layout)) return E_OUTOFMEMORY;
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
  const HWND disabledOwner = owner != nullptr && owner != parking.get() && IsWindowEnabled(owner) ? owner : nullptr;
  if (disabledOwner != nullptr) EnableWindow(disabledOwner, FALSE);

  ShowWindow(window_, SW_SHOWNORMAL);
  if (const HWND focus = form.FirstFocus(); focus != nullptr && !unloaded_) {
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
  }

  PumpUntilUnloaded();
  Close(disabledOwner);
  if (windowGone_) dialog.release();
  return S_OK;
}

void ModalSession::Load(DialogForm& form) noexcept {
  if (const HWND owner = ChooseOwner(hostWindow_, form.Owner()); owner != nullptr) previousOwner_ = ReplaceOwner(window_, owner);
  form.Load();
}

void ModalSession::Close(HWND disabledOwner) noexcept {
  // In this order, so that the activation goes back to the owner and never to another
  // program: the owner takes input again, then the dialog hides while still owned by it
  // (the system activates the owner of an active window that hides), and only then the
  // dialog gets its previous owner back.
  if (disabledOwner != nullptr && IsWindow(disabledOwner)) EnableWindow(disabledOwner, TRUE);
  if (windowGone_) return;
  const bool wasActive = GetActiveWindow() == window_;
  SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (wasActive && disabledOwner != nullptr && IsWindow(disabledOwner) && GetForegroundWindow() != disabledOwner) {
    SetForegroundWindow(disabledOwner);
  }
  if (previousOwner_ != nullptr) ReplaceOwner(window_, previousOwner_);
}

void ModalSession::BringToFront() const noexcept {
  if (window_ == nullptr || unloaded_ || windowGone_) return;
  // A minimised owner hides the dialog with it.
  const HWND root = GetAncestor(window_, GA_ROOTOWNER);
  if (root != window_ && IsIconic(root)) ShowWindow(root, SW_SHOWNOACTIVATE);
  if (IsIconic(window_)) {
    ShowWindow(window_, SW_RESTORE);
  } else if (!IsWindowVisible(window_)) {
    ShowWindow(window_, SW_SHOWNA);
  }
  if (SetForegroundWindow(window_) && GetForegroundWindow() == window_) return;
  // The system keeps the foreground from a program that is not in front: the dialog and
  // the task-bar button of the window that owns it flash until the user comes to them.
  FLASHWINFO flash{sizeof(flash), window_, FLASHW_ALL | FLASHW_TIMERNOFG, 0, 0};
  FlashWindowEx(&flash);
  if (root != window_ && IsWindowVisible(root)) {
    flash.hwnd = root;
    FlashWindowEx(&flash);
  }
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
