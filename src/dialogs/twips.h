// Layout units: the dialogs are laid out in twips (1/1440 inch) and placed in pixels at the
// DPI of their own window, so they keep their proportions on any display setting.
#pragma once

#include <windows.h>

namespace zorvane::dialogs {

inline constexpr int kTwipsPerInch = 1440;

struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

struct TwipSize {
  int width;
  int height;
};

// Rounded to the nearest pixel (15 twips a pixel at 96 DPI).
constexpr int TwipsToPixels(int twips, int dpi) noexcept {
  const long long scaled = static_cast<long long>(twips) * dpi;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch : -((-scaled + half) / kTwipsPerInch));
}

// Left, top, right and bottom in pixels.
RECT PixelRect(const TwipRect& rect, int dpi) noexcept;
SIZE PixelSize(const TwipSize& size, int dpi) noexcept;

// The DPI that `window` is drawn at: the window's own where the system knows it per window,
// otherwise the screen's.
int WindowDpi(HWND window) noexcept;

}  // namespace zorvane::dialogs
