#include "layout_checks.h"

#include <commctrl.h>
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

RECT ExpectModalDialog(HWND dialog, std::wstring_view caption, int width, int height) {
  EXPECT_EQ(WindowText(dialog), caption);
  const auto style = static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE));
  EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) != 0);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  EXPECT_NE(exStyle & WS_EX_DLGMODALFRAME, 0u);
  EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0u);
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, Px(width));
  EXPECT_EQ(client.bottom, Px(height));
  return client;
}

void ExpectCentredOver(HWND window, HWND owner) {
  RECT own{};
  RECT under{};
  GetWindowRect(window, &own);
  GetWindowRect(owner, &under);
  EXPECT_NEAR((own.left + own.right) / 2, (under.left + under.right) / 2, 1);
  EXPECT_NEAR((own.top + own.bottom) / 2, (under.top + under.bottom) / 2, 1);
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

std::wstring ListItemText(HWND list, int item, int column) {
  wchar_t text[128] = {};
  LVITEMW query{};
  query.iSubItem = column;
  query.pszText = text;
  query.cchTextMax = static_cast<int>(std::size(text));
  Send(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&query));
  return text;
}

UINT StateImage(HWND list, int item) {
  return (static_cast<UINT>(Send(list, LVM_GETITEMSTATE, item, LVIS_STATEIMAGEMASK)) & LVIS_STATEIMAGEMASK) >> 12;
}

namespace {

// The size of `text` drawn in the font of `window`, wrapped at `width` for DT_WORDBREAK.
SIZE TextSize(HWND window, const std::wstring& text, int width, UINT format) {
  const HDC dc = GetDC(window);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(Send(window, WM_GETFONT)));
  RECT needed{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_NOPREFIX | format);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return {needed.right, needed.bottom};
}

}  // namespace

std::vector<TextFit> MeasureTextFits(HWND dialog) {
  // What a control draws beside its text, in pixels at 96 DPI: a push button's edges and
  // focus rectangle, a check box's box and gap, a group box's indent either side of its
  // caption, a list label's padding either side.
  const auto scaled = [dpi = DisplayDpi()](int pixels) { return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI); };
  std::vector<TextFit> fits;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring text = WindowText(child);
    const std::wstring kind = ClassName(child);
    const auto style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
    RECT box{};
    GetClientRect(child, &box);
    if (kind == WC_LISTVIEWW) {
      for (int item = 0; item < static_cast<int>(Send(child, LVM_GETITEMCOUNT)); ++item) {
        RECT label{LVIR_LABEL, 0, 0, 0};
        Send(child, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&label));
        const std::wstring itemText = ListItemText(child, item);
        const SIZE need = TextSize(child, itemText, 0, DT_SINGLELINE);
        fits.push_back({itemText, label.right - label.left - need.cx - scaled(8), label.bottom - label.top - need.cy});
      }
    } else if (kind == L"Button") {
      const SIZE need = TextSize(child, text, 0, DT_SINGLELINE);
      const DWORD type = style & BS_TYPEMASK;
      const int beside = type == BS_GROUPBOX ? scaled(16) : type == BS_AUTOCHECKBOX ? scaled(19) : scaled(8);
      const int above = type == BS_GROUPBOX ? 0 : type == BS_AUTOCHECKBOX ? 0 : scaled(4);
      fits.push_back({text, box.right - need.cx - beside, box.bottom - need.cy - above});
    } else if (kind == L"Static" && (style & SS_TYPEMASK) != SS_OWNERDRAW) {
      const SIZE need = TextSize(child, text, box.right, DT_WORDBREAK);
      fits.push_back({text, box.right - need.cx, box.bottom - need.cy});
    }
  }
  return fits;
}

}  // namespace zorvane::dialogs::test
