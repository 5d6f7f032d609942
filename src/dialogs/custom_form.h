// The window of the customization dialog "自定义": a check box for the combined menu, a
// list of the built-in tabs that the host's version has, with a check box each, and OK /
// Cancel. OK saves the switches, sets them in memory and has the host's ribbon asked again
// (Enter is OK, Esc is Cancel); when they could not be saved it says so. A switch that policy
// sets shows the policy's state, greyed out and fixed, and OK leaves its user value alone.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <commctrl.h>

#include <utility>

#include "common/office_host.h"
#include "common/office_version.h"
#include "common/ui_language.h"
#include "common/windows_handles.h"
#include "dialogs/dialog_form.h"
#include "dialogs/dialog_host.h"
#include "dialogs/dialog_text.h"
#include "dialogs/display_choices.h"
#include "office.h"
#include "settings/display_settings.h"
#include "settings/host_switches.h"

namespace zorvane::dialogs {

class CustomForm final : public DialogForm {
 public:
  // The switches that `version` of `host` has are shown and saved; `ribbons` are what OK
  // invalidates; none, and OK only saves.
  CustomForm(UiLanguage language, OfficeHost host, OfficeVersion version = OfficeVersion::k2007,
             HostRibbons ribbons = {}) noexcept
      : language_(language),
        host_(host),
        version_(version),
        switches_(settings::SwitchesIn(host, version)),
        text_(TextFor(language)),
        ribbons_(std::move(ribbons)) {}

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
  int ItemCount() const noexcept { return static_cast<int>(switches_.size()) - 1; }
  // The switch that list item `item` stands for: the combined menu's comes first, the tabs' follow.
  std::size_t SwitchOf(int item) const noexcept { return switches_[static_cast<std::size_t>(item) + 1]; }
  void FillList() noexcept;
  void GrowListToShowEveryItem(HWND dialog) noexcept;
  void FitColumnToList() noexcept;
  void WidenListToFitEveryItem(HWND dialog) noexcept;
  void ShowLocks(const settings::PolicySettings& policies) noexcept;
  bool ItemLocked(int item) const noexcept;
  void CheckAllItems(bool checked) noexcept;
  void SaveChoices(HWND dialog) noexcept;
  std::optional<INT_PTR> OnListNotify(HWND dialog, NMHDR& header) const noexcept;

  UiLanguage language_;
  OfficeHost host_;
  OfficeVersion version_;
  settings::SwitchList switches_;
  const DialogText& text_;
  HostRibbons ribbons_;
  settings::PolicySettings locked_{};  // what policy set at this opening's load
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  UniqueFont font_;
  HWND checkAll_ = nullptr;
  HWND list_ = nullptr;
};

}  // namespace zorvane::dialogs
