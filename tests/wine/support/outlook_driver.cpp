#include "support/outlook_driver.h"

#include <string>

#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "ribbon/ribbon_windows.h"
#include "settings/host_switches.h"
#include "support/addin_loader.h"

namespace zorvane::test {
namespace {

using settings::RibbonWindow;
constexpr OfficeHost kOutlook = OfficeHost::Outlook;

std::wstring Wide(std::u16string_view text) { return {text.begin(), text.end()}; }

const ribbon::HostRibbon& RowOf(RibbonWindow window) { return ribbon::kHostRibbons[*ribbon::DocumentOf(kOutlook, window)]; }

}  // namespace

OutlookDriver::OutlookDriver() : application(standin::kHosts[HostIndex(kOutlook)]) {
  application.AnswerLanguage(1033);
  application.AnswerVersion(L"16.0.0.17928", std::nullopt);
}

// A visibility answer must be true (every switch on by default), a text the one expected.
void OutlookDriver::Invoke(const wchar_t* name, IDispatch* argument, std::u16string_view expectedText) {
  InvokeResult result;
  InvokeByName(addin_.Get(), name, {DispatchArgument(argument)}, result);
  Count(result.hr == S_OK && (V_VT(&result.value) == VT_BOOL ? V_BOOL(&result.value) == VARIANT_TRUE
                                                             : result.Text() == Wide(expectedText)));
}

void OutlookDriver::LoadOnce(std::size_t window) {
  if (loaded_[window]) return;
  loaded_[window] = true;
  const auto kind = static_cast<RibbonWindow>(window);
  Microsoft::WRL::ComPtr<IRibbonExtensibility> extensibility;
  BSTR id = SysAllocString(Wide(RowOf(kind).ribbonId).c_str());
  BSTR document = nullptr;
  Count(SUCCEEDED(addin_.As(&extensibility)) && extensibility->GetCustomUI(id, &document) == S_OK &&
        Wide(ribbon::RibbonDocument(kOutlook, kVersion, kLanguage, kind)) == std::wstring(document, SysStringLen(document)));
  SysFreeString(document);
  SysFreeString(id);
  Invoke(L"rxcustomUI_onLoad", &ribbons[window], {});
}

bool OutlookDriver::Connect(Microsoft::WRL::ComPtr<IDispatch> addin) {
  addin_ = std::move(addin);
  Microsoft::WRL::ComPtr<_IDTExtensibility2> connection;
  if (!addin_ || FAILED(addin_.As(&connection)) ||
      FAILED(connection->OnConnection(&application, ext_cm_Startup, nullptr, nullptr))) {
    return false;
  }
  LoadOnce(static_cast<std::size_t>(RibbonWindow::kMain));
  return true;
}

void OutlookDriver::OpenAndClose(int n, const std::function<void(const Controls&)>& beforeClose) {
  const RibbonWindow window = n % 2 == 0 ? RibbonWindow::kCompose : RibbonWindow::kRead;
  LoadOnce(static_cast<std::size_t>(window));
  Controls controls;
  for (const settings::SwitchableTab& tab : settings::SwitchesOf(kOutlook).tabs) {
    for (const settings::GovernedTab& governed : tab.Governed()) {
      if ((governed.windows & settings::WindowBit(window)) == 0 || governed.since > kVersion) continue;
      controls.push_back(standin::StandInControl::Create(Wide(governed.idMso), L""));
      Invoke(L"GetVisible", controls.back().Get(), {});
    }
  }
  controls.push_back(standin::StandInControl::Create(Wide(ribbon::id::kMenuAll), L""));
  Invoke(L"GetVisible", controls.back().Get(), {});
  for (const std::u16string_view tag : ribbon::MenuTags(kOutlook, window)) {
    for (const wchar_t* copy : {L"I", L"II"}) {
      controls.push_back(standin::StandInControl::Create(Wide(RowOf(window).menuIdPrefix) + Wide(tag) + copy, Wide(tag)));
      Invoke(L"rxQuelby_get", controls.back().Get(), ribbon::MenuContent(kOutlook, tag, kLanguage, window));
    }
  }
  if (beforeClose) beforeClose(controls);
  for (const auto& control : controls) controlsHeld_ += control->outstanding() != 0 ? 1 : 0;
}

bool OutlookDriver::Disconnect() {
  Microsoft::WRL::ComPtr<_IDTExtensibility2> connection;
  const bool disconnected =
      SUCCEEDED(addin_.As(&connection)) && SUCCEEDED(connection->OnDisconnection(ext_dm_HostShutdown, nullptr));
  connection.Reset();
  addin_.Reset();
  return disconnected;
}

}  // namespace zorvane::test
