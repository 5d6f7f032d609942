// The dialogs' fonts: "微软雅黑" in the GB2312 character set, at a size in points scaled to
// the dialog's DPI.
#pragma once

#include <windows.h>

#include "common/windows_handles.h"

namespace zorvane::dialogs {

struct FontStyle {
  int tenthsOfPoint = 90;  // 9 point, the dialogs' default
  bool underline = false;
};

// Regular weight. Null when the font cannot be made; controls then keep the system font.
UniqueFont CreateDialogFont(const FontStyle& style, int dpi) noexcept;

}  // namespace zorvane::dialogs
