// Outlook as it drives the add-in: its connection (Version "16.0.0.17928", English), the
// explorer's ribbon at start-up, then message windows opened and closed, compose and read in
// turn. A ribbon's document and its load come with the first window of its kind; every window
// asks the visibility of its tabs and combined menu and the content of its menus, with fresh
// controls that Outlook lets go of when the window closes.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <array>
#include <functional>
#include <vector>

#include "addin_designer.h"
#include "common/office_version.h"
#include "common/ui_language.h"
#include "host_objects.h"
#include "office.h"

namespace zorvane::test {

class OutlookDriver {
 public:
  static constexpr OfficeVersion kVersion = OfficeVersion::k2019;  // what "16.0.0.17928" is
  static constexpr UiLanguage kLanguage = UiLanguage::kEnglish;   // what LCID 1033 gives
  using Controls = std::vector<Microsoft::WRL::ComPtr<standin::StandInControl>>;

  OutlookDriver();

  // Connects `addin`, an object of Outlook's class, and loads the explorer's ribbon.
  bool Connect(Microsoft::WRL::ComPtr<IDispatch> addin);
  // Opens message window `n` (compose when even), asks what Outlook asks of it, shows its
  // controls to `beforeClose`, and closes it.
  void OpenAndClose(int n, const std::function<void(const Controls&)>& beforeClose = {});
  // Disconnects the add-in and releases it.
  bool Disconnect();

  long wrongAnswers() const noexcept { return wrongAnswers_; }  // failed calls included
  long controlsHeld() const noexcept { return controlsHeld_; }  // held beyond Outlook at their close

  standin::StandInApplication application;
  std::array<standin::StandInRibbon, 3> ribbons;  // by settings::RibbonWindow

 private:
  void Count(bool right) noexcept { wrongAnswers_ += right ? 0 : 1; }
  void Invoke(const wchar_t* name, IDispatch* argument, std::u16string_view expectedText);
  void LoadOnce(std::size_t window);

  Microsoft::WRL::ComPtr<IDispatch> addin_;
  std::array<bool, 3> loaded_{};
  long wrongAnswers_ = 0;
  long controlsHeld_ = 0;
};

}  // namespace zorvane::test
