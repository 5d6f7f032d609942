// What the tests measure on an open dialog: positions in twips at the display's DPI, fonts,
// the keyboard focus and pixels on the screen.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::dialogs::test {

// The DPI of the display (Wine's, here); checked against the DPI that a run at another DPI
// asks for.
int DisplayDpi();

// Twips to pixels at the display's DPI.
int Px(int twips);

// The control's rectangle in the client coordinates of its dialog.
RECT RectInClient(HWND dialog, HWND control);

// Left, top, width and height of `control` equal the twip values at the display's DPI.
void ExpectTwipRect(HWND dialog, HWND control, int left, int top, int width, int height, const char* name);

// The font that `window` draws with (WM_GETFONT); zeroed when it has none.
LOGFONTW FontOf(HWND window);

// "微软雅黑", regular weight, GB2312, at `tenthsOfPoint` (scaled to the display's DPI).
void ExpectDialogFont(HWND window, int tenthsOfPoint, bool underline, const char* name);

// A fixed-size modal frame with `caption` and a close box, no taskbar button of its own, and
// a client area of `width` x `height` twips; returns the client rectangle.
RECT ExpectModalDialog(HWND dialog, std::wstring_view caption, int width, int height);

// `window` centred over `owner`, to a pixel.
void ExpectCentredOver(HWND window, HWND owner);

// The window that has the keyboard focus in the thread of `window`.
HWND FocusOfThread(HWND window);

// The colour of a client pixel of `window` as it is on the screen.
COLORREF ClientPixel(HWND window, int x, int y);

// The text of a list view's item (column 0) or of its subitem in `column`.
std::wstring ListItemText(HWND list, int item, int column = 0);

// The list's state image of `item`: 1 and 2 are the plain check box, 3 and 4 the greyed one.
UINT StateImage(HWND list, int item);

// The room a text leaves in its control, in pixels, measured with the control's own font
// the way the control draws it: negative when the text is cut.
struct TextFit {
  std::wstring text;
  int spareWidth;
  int spareHeight;
};

// Every text that the controls of `dialog` show: the captions of buttons, check boxes,
// group boxes and labels, and each list item beside its check box.
std::vector<TextFit> MeasureTextFits(HWND dialog);

}  // namespace zorvane::dialogs::test
