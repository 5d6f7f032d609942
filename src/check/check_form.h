// The check's window: the findings in a list (result, explanation and what to do), the
// selected one in full below, and the buttons "修复", "复制报告" and "关闭".
#pragma once

#include <windows.h>

#include "check/check_session.h"
#include "common/windows_handles.h"
#include "dialogs/dialog_form.h"

namespace zorvane::check {

class CheckForm final : public dialogs::DialogForm {
 public:
  explicit CheckForm(CheckSession& session) noexcept : session_(session) {}

  std::wstring_view Caption() const noexcept override;
  dialogs::TwipSize ClientSize() const noexcept override;
  HRESULT CreateControls(HWND dialog, int dpi) noexcept override;
  void Load() noexcept override;
  HFONT Font() const noexcept override { return font_.get(); }
  HWND FirstFocus() const noexcept override { return list_; }
  std::optional<INT_PTR> OnMessage(dialogs::ModalSession& session, HWND dialog, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept override;

 private:
  std::wstring Text(TextId id) const;
  void Fill();
  void ShowSelected();
  void RunRepair();
  void CopyReport();

  CheckSession& session_;
  HWND dialog_ = nullptr;
  HWND list_ = nullptr;
  HWND detail_ = nullptr;
  HWND summary_ = nullptr;
  HWND repair_ = nullptr;
  int dpi_ = 96;
  UniqueFont font_;
};

}  // namespace zorvane::check
