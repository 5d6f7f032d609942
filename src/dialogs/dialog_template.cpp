#include "dialogs/dialog_template.h"

#include <cstring>

namespace zorvane::dialogs {

bool MakeDialogTemplate(std::wstring_view caption, HeapArray<WORD>& words) noexcept {
  DLGTEMPLATE header{};
  header.style = kDialogStyle;
  header.cdit = 0;
  static_assert(sizeof(DLGTEMPLATE) % sizeof(WORD) == 0);
  constexpr std::size_t kHeaderWords = sizeof(DLGTEMPLATE) / sizeof(WORD);

  // The header, no menu, the system's dialog class, the caption and its end.
  if (!words.Resize(kHeaderWords + 2 + caption.size() + 1)) return false;
  std::memcpy(words.data(), &header, sizeof(DLGTEMPLATE));
  WORD* next = words.data() + kHeaderWords;
  *next++ = 0;
  *next++ = 0;
  for (const wchar_t c : caption) *next++ = static_cast<WORD>(c);
  *next = 0;
  return true;
}

}  // namespace zorvane::dialogs
