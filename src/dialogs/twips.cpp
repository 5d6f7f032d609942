#include "dialogs/twips.h"

namespace zorvane::dialogs {

RECT PixelRect(const TwipRect& rect, int dpi) noexcept {
  const int left = TwipsToPixels(rect.left, dpi);
  const int top = TwipsToPixels(rect.top, dpi);
  return RECT{left, top, left + TwipsToPixels(rect.width, dpi), top + TwipsToPixels(rect.height, dpi)};
}

SIZE PixelSize(const TwipSize& size, int dpi) noexcept {
  return SIZE{TwipsToPixels(size.width, dpi), TwipsToPixels(size.height, dpi)};
}

int WindowDpi(HWND window) noexcept {
  // GetDpiForWindow exists from Windows 10 on; older systems have one DPI for the screen.
  // Looked up at each call (once per dialog): a local static would take the runtime's lock for
  // such statics, whose semaphore is made on first use and never closed, one per load.
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr && window != nullptr) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi != 0) return static_cast<int>(dpi);
  }
  const HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace zorvane::dialogs
