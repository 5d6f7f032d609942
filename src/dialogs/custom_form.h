// The window of the customization dialog "自定义": a check box for the combined menu, a
// list of the eight built-in tabs with a check box each, and OK / Cancel. OK saves the nine
// switches, sets them in memory and has the host's ribbon asked again (Enter is OK, Esc is
// Cancel). A switch that policy sets shows the policy's state, greyed out and fixed, and OK
// leaves its user value alone.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <commctrl.h>

#include <utility>

#include "common/office_host.h"
#include "common/ui_language.h"
#include "common/windows_handles.h"
#include "dialogs/dialog_form.h"
#include "dialogs/dialog_host.h"
#include "dialogs/dialog_text.h"
#include "office.h"
#include "settings/display_settings.h"

namespace zorvane::dialogs {

class CustomForm final : public DialogForm {
 public:
  // `host`'s switches are shown and saved; `ribbon` is what OK invalidates; none, and OK only saves.
  CustomForm(UiLanguage language, OfficeHost host, Microsoft::WRL::ComPtr<IRibbonUI> ribbon = nullptr) noexcept
      : language_(language), host_(host), text_(TextFor(language)), ribbon_(std::move(ribbon)) {}

  std::wstring_view Caption() const noexcept override;
  TwipSize ClientSize() const noexcept override;
  HRESULT CreateControls(HWND dialog, int dpi) noexcept override;
  void Load() noexcept override;
  HFONT Font() const noexcept override { return font_.get(); }
  // The combined menu's check box, unless policy has disabled it.
  HWND FirstFocus() const noexcept override { return IsWindowEnabled(checkAll_) ? checkAll_ : list_; }
  OwnerRule Owner() const noexcept override { return DialogHostOf(host_).owner; }
  std::optional<INT_PTR> OnMessage(ModalSession& session, HWND dialog, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept override;

 private:
  void FillList() noexcept;
  void ShowLocks(const settings::PolicySettings& policies) noexcept;
  bool ItemLocked(int item) const noexcept;
  void CheckAllItems(bool checked) noexcept;
  void SaveChoices() noexcept;
  std::optional<INT_PTR> OnListNotify(HWND dialog, NMHDR& header) const noexcept;

  UiLanguage language_;
  OfficeHost host_;
  const DialogText& text_;
  Microsoft::WRL::ComPtr<IRibbonUI> ribbon_;
  settings::PolicySettings locked_{};  // what policy set at this opening's load
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  UniqueFont font_;
  HWND checkAll_ = nullptr;
  HWND list_ = nullptr;
};

}  // namespace zorvane::dialogs
