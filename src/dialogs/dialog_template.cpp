#include "dialogs/dialog_template.h"

#include <cstring>

namespace zorvane::dialogs {

std::vector<WORD> MakeDialogTemplate(std::wstring_view caption) {
  DLGTEMPLATE header{};
  header.style = kDialogStyle;
  header.cdit = 0;
  static_assert(sizeof(DLGTEMPLATE) % sizeof(WORD) == 0);

  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD));
  std::memcpy(words.data(), &header, sizeof(DLGTEMPLATE));
  words.push_back(0);  // no menu
  words.push_back(0);  // the system's dialog class
  for (const wchar_t c : caption) words.push_back(static_cast<WORD>(c));
  words.push_back(0);  // end of the caption
  return words;
}

}  // namespace zorvane::dialogs
