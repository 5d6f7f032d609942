// The window of the About dialog "关于Quelby": the logo, the product's name, a short
// description, the author, three contact lines, a link to the product's web page (a tab
// stop: Enter on it opens the page as a click does) and the button "确定", which (like Enter
// elsewhere, Esc and the close box) closes it.
#pragma once

#include <windows.h>

#include "common/office_host.h"
#include "common/ui_language.h"
#include "common/windows_handles.h"
#include "dialogs/dialog_form.h"
#include "dialogs/dialog_host.h"
#include "dialogs/dialog_text.h"
#include "dialogs/resource_picture.h"

namespace zorvane::dialogs {

class AboutForm final : public DialogForm {
 public:
  // The second title line names `host`, whose command opened the dialog.
  AboutForm(UiLanguage language, OfficeHost host) noexcept
      : language_(language), host_(host), text_(TextFor(language)) {}
  AboutForm(const AboutForm&) = delete;
  AboutForm& operator=(const AboutForm&) = delete;
  ~AboutForm() override;

  std::wstring_view Caption() const noexcept override;
  TwipSize ClientSize() const noexcept override;
  HRESULT CreateControls(HWND dialog, int dpi) noexcept override;
  HFONT Font() const noexcept override { return font_.get(); }
  HWND FirstFocus() const noexcept override { return ok_; }
  OwnerRule Owner() const noexcept override { return DialogHostOf(host_).owner; }
  std::optional<INT_PTR> OnMessage(ModalSession& session, HWND dialog, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept override;

 private:
  HRESULT MakeControls(HWND dialog) noexcept;
  void PaintLines(HWND dialog) const noexcept;
  void DrawLogo(const DRAWITEMSTRUCT& item) const noexcept;

  UiLanguage language_;
  OfficeHost host_;
  const DialogText& text_;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  UniqueFont font_;         // 9 point: the dialog and most labels
  UniqueFont description_;  // 10.5 point
  UniqueFont title_;        // 18 point
  UniqueFont link_;         // 9 point, underlined
  UniqueCursor hand_;
  ResourcePicture logo_;

  HWND ok_ = nullptr;
  HWND picture_ = nullptr;
  HWND address_ = nullptr;
  HWND productName_ = nullptr;
};

}  // namespace zorvane::dialogs
