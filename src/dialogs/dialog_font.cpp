#include "dialogs/dialog_font.h"

#include <cwchar>

namespace zorvane::dialogs {
namespace {

constexpr wchar_t kFaceName[] = L"微软雅黑";

}  // namespace

UniqueFont CreateDialogFont(const FontStyle& style, int dpi) noexcept {
  LOGFONTW font{};
  // A negative height asks for the character height, which is what a point size means.
  font.lfHeight = -MulDiv(style.tenthsOfPoint, dpi, 720);
  font.lfWeight = FW_NORMAL;
  font.lfUnderline = style.underline ? TRUE : FALSE;
  font.lfCharSet = GB2312_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  wcsncpy(font.lfFaceName, kFaceName, LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace zorvane::dialogs
