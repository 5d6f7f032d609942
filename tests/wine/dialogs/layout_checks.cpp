#include "layout_checks.h"

#include <gtest/gtest.h>

#include "dialog_driver.h"
#include "dpi_run.h"

namespace zorvane::dialogs::test {

int DisplayDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  if (const int expected = ExpectedDpi(); expected != 0) {
    EXPECT_EQ(dpi, expected) << "the display's DPI";
  }
  return dpi;
}

int Px(int twips) { return MulDiv(twips, DisplayDpi(), 1440); }

RECT RectInClient(HWND dialog, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ExpectTwipRect(HWND dialog, HWND control, int left, int top, int width, int height, const char* name) {
  ASSERT_NE(control, nullptr) << name;
  const RECT rect = RectInClient(dialog, control);
  EXPECT_EQ(rect.left, Px(left)) << name;
  EXPECT_EQ(rect.top, Px(top)) << name;
  EXPECT_EQ(rect.right - rect.left, Px(width)) << name;
  EXPECT_EQ(rect.bottom - rect.top, Px(height)) << name;
}

LOGFONTW FontOf(HWND window) {
  LOGFONTW described{};
  const auto font = reinterpret_cast<HFONT>(Send(window, WM_GETFONT));
  if (font != nullptr) GetObjectW(font, sizeof(described), &described);
  return described;
}

void ExpectModalFrame(HWND dialog) {
  const auto style = static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE));
  EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) != 0);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  EXPECT_NE(exStyle & WS_EX_DLGMODALFRAME, 0u);
  EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0u);
}

void ExpectDialogFont(HWND window, int tenthsOfPoint, bool underline, const char* name) {
  const LOGFONTW font = FontOf(window);
  EXPECT_STREQ(font.lfFaceName, L"微软雅黑") << name;
  EXPECT_EQ(font.lfHeight, -MulDiv(tenthsOfPoint, DisplayDpi(), 720)) << name;
  EXPECT_EQ(font.lfWeight, FW_NORMAL) << name;
  EXPECT_EQ(font.lfCharSet, GB2312_CHARSET) << name;
  EXPECT_EQ(font.lfUnderline != 0, underline) << name;
  EXPECT_FALSE(font.lfItalic || font.lfStrikeOut) << name;
}

HWND FocusOfThread(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

COLORREF ClientPixel(HWND window, int x, int y) {
  const HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

}  // namespace zorvane::dialogs::test
