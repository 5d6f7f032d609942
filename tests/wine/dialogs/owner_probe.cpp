#include "owner_probe.h"

#include <gtest/gtest.h>

namespace zorvane::dialogs::test {
namespace {

// A hook procedure gets no context of its own; one probe at a time is all a test needs.
OwnerProbe* g_probe = nullptr;

}  // namespace

OwnerProbe::OwnerProbe(std::wstring caption) : caption_(std::move(caption)) {
  g_probe = this;
  hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
  EXPECT_NE(hook_, nullptr);
}

OwnerProbe::~OwnerProbe() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  g_probe = nullptr;
}

LRESULT CALLBACK OwnerProbe::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code != HC_ACTION || g_probe == nullptr) return CallNextHookEx(nullptr, code, wParam, lParam);
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  const bool hiding = call->message == WM_WINDOWPOSCHANGING &&
                      (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_HIDEWINDOW) != 0;
  if ((hiding || call->message == WM_DESTROY) && (GetWindowLongW(call->hwnd, GWL_STYLE) & WS_CHILD) == 0) {
    wchar_t text[128] = {};
    InternalGetWindowText(call->hwnd, text, static_cast<int>(std::size(text)));
    if (g_probe->caption_ == text) {
      const HWND owner = GetWindow(call->hwnd, GW_OWNER);
      if (hiding && !g_probe->hidden_ && IsWindowVisible(call->hwnd)) {
        g_probe->hidden_ = true;
        g_probe->ownerWhenHidden_ = owner;
        g_probe->ownerEnabledWhenHidden_ = owner != nullptr && IsWindowEnabled(owner);
      } else if (!hiding) {
        g_probe->seen_ = true;
        g_probe->owner_ = owner;
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace zorvane::dialogs::test
