// The window of the customization dialog "自定义": a check box for the combined menu, a
// list of the eight built-in tabs with a check box each, and OK / Cancel. OK saves all nine
// switches, sets them in memory and has the host's ribbon asked again.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "dialogs/dialog_form.h"
#include "dialogs/handles.h"

namespace zorvane::dialogs {

class CustomForm final : public DialogForm {
 public:
  std::wstring_view Caption() const noexcept override;
  TwipSize ClientSize() const noexcept override;
  HRESULT CreateControls(HWND dialog, int dpi) noexcept override;
  void Load() noexcept override;
  HFONT Font() const noexcept override { return font_.get(); }
  HWND FirstFocus() const noexcept override { return checkAll_; }
  std::optional<INT_PTR> OnMessage(ModalSession& session, HWND dialog, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept override;

 private:
  void FillList() noexcept;
  void CheckAllItems(bool checked) noexcept;
  void SaveChoices() noexcept;

  UniqueFont font_;
  HWND checkAll_ = nullptr;
  HWND list_ = nullptr;
};

}  // namespace zorvane::dialogs
