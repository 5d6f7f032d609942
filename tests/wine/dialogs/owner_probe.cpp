#include "owner_probe.h"

#include <gtest/gtest.h>

namespace zorvane::dialogs::test {
namespace {

// A hook procedure gets no context of its own; one probe at a time is all a test needs.
OwnerAtDestroyProbe* g_probe = nullptr;

}  // namespace

OwnerAtDestroyProbe::OwnerAtDestroyProbe(std::wstring caption) : caption_(std::move(caption)) {
  g_probe = this;
  hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
  EXPECT_NE(hook_, nullptr);
}

OwnerAtDestroyProbe::~OwnerAtDestroyProbe() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  g_probe = nullptr;
}

LRESULT CALLBACK OwnerAtDestroyProbe::Hook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && g_probe != nullptr && call->message == WM_DESTROY &&
      (GetWindowLongW(call->hwnd, GWL_STYLE) & WS_CHILD) == 0) {
    wchar_t text[128] = {};
    InternalGetWindowText(call->hwnd, text, static_cast<int>(std::size(text)));
    if (g_probe->caption_ == text) {
      g_probe->seen_ = true;
      g_probe->owner_ = GetWindow(call->hwnd, GW_OWNER);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace zorvane::dialogs::test
