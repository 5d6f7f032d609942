#include "dialogs/web_link.h"

#include <commctrl.h>
#include <shellapi.h>

#include "common/heap_string.h"

namespace zorvane::dialogs {
namespace {

constexpr UINT_PTR kLinkSubclass = 1;

bool IsEnterKey(const MSG* message) noexcept {
  return message != nullptr && (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
         message->wParam == VK_RETURN;
}

void DrawFocus(HWND link) noexcept {
  if ((SendMessageW(link, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0) return;
  wchar_t text[512] = {};
  const int length = GetWindowTextW(link, text, static_cast<int>(std::size(text)));
  const HDC dc = GetDC(link);
  if (dc == nullptr) return;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
  RECT client{};
  GetClientRect(link, &client);
  RECT around = client;
  DrawTextW(dc, text, length, &around, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_LEFT);
  InflateRect(&around, 1, 1);
  IntersectRect(&around, &around, &client);
  DrawFocusRect(dc, &around);
  if (previous != nullptr) SelectObject(dc, previous);
  ReleaseDC(link, dc);
}

LRESULT CALLBACK LinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) noexcept {
  switch (message) {
    case WM_GETDLGCODE:
      // Enter is the link's own key; every other key keeps its meaning in the dialog.
      return DefSubclassProc(link, message, wParam, lParam) |
             (IsEnterKey(reinterpret_cast<const MSG*>(lParam)) ? DLGC_WANTMESSAGE : 0);
    case WM_KEYDOWN:
      if (wParam != VK_RETURN) break;
      SendMessageW(GetParent(link), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED),
                   reinterpret_cast<LPARAM>(link));
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      InvalidateRect(link, nullptr, TRUE);
      break;
    case WM_PAINT: {
      const LRESULT painted = DefSubclassProc(link, message, wParam, lParam);
      if (GetFocus() == link) DrawFocus(link);
      return painted;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(link, &LinkProc, kLinkSubclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(link, message, wParam, lParam);
}

}  // namespace

void OpenWebAddress(std::wstring_view address) noexcept {
  // The shell is called through its narrow interface, in the system code page. Without
  // memory for the conversion the page is not opened, as for any other failure.
  const int length = static_cast<int>(address.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, address.data(), length, nullptr, 0, nullptr, nullptr);
  HeapNarrowString narrow;
  if (size <= 0 || !narrow.Resize(static_cast<std::size_t>(size))) return;
  WideCharToMultiByte(CP_ACP, 0, address.data(), length, narrow.data(), size, nullptr, nullptr);
  ShellExecuteA(nullptr, nullptr, narrow.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool MakeKeyboardLink(HWND link) noexcept { return SetWindowSubclass(link, &LinkProc, kLinkSubclass, 0) != FALSE; }

}  // namespace zorvane::dialogs
