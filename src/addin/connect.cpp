#include "addin/connect.h"

#include <new>
#include <optional>
#include <utility>

#include "addin/bstr.h"
#include "addin/com_util.h"
#include "addin/control_properties.h"
#include "addin/host_language.h"
#include "addin/host_ribbon.h"
#include "addin/host_version.h"
#include "common/com_unknown.h"
#include "dialogs/about_dialog.h"
#include "dialogs/custom_dialog.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "ribbon/ribbon_windows.h"
#include "ribbon/visibility.h"
#include "settings/advapi32_registry_store.h"
#include "settings/ui_language_choice.h"

namespace zorvane::addin {

HRESULT Connect::Create(const HostDescription& host, REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  auto* connect = new (std::nothrow) Connect(host);
  if (connect == nullptr) return E_OUTOFMEMORY;
  const HRESULT hr = connect->QueryInterface(iid, object);
  connect->Release();
  return hr;
}

HRESULT Connect::QueryInterface(REFIID iid, void** object) noexcept {
  IUnknown* const dual = static_cast<_Connect*>(this);
  return AnswerInterface({{IID_IUnknown, dual},
                          {IID_IDispatch, dual},
                          {IID__Connect, dual},
                          {IID__IDTExtensibility2, static_cast<_IDTExtensibility2*>(this)},
                          {IID_IRibbonExtensibility, static_cast<IRibbonExtensibility*>(this)}},
                         iid, object);
}

ULONG Connect::AddRef() noexcept { return ++references_; }

ULONG Connect::Release() noexcept {
  return ReleaseReference(references_, [this]() noexcept { delete this; });
}

// --- IDTExtensibility2 -------------------------------------------------------------------

namespace {

// A language fixed for the host by policy or by the user, else the host's: the host is asked
// only when nothing is fixed, and any odd answer of its gives the first language.
UiLanguage ConnectionLanguage(OfficeHost host, IDispatch* application) noexcept {
  if (const std::optional<UiLanguage> fixed = settings::LoadFixedUiLanguage(host)) return *fixed;
  return settings::UiLanguageFromLcid(HostUserInterfaceLcid(application));
}

}  // namespace

HRESULT Connect::OnConnection(IDispatch* application, ext_ConnectMode, IDispatch*, SAFEARRAY**) noexcept {
  ZV_RETURN_HR_IF_NULL(E_POINTER, application);
  // Only the class's own host is served: an application without that host's interface is
  // refused before any other state is touched.
  Microsoft::WRL::ComPtr<IDispatch> hostApplication;
  ZV_RETURN_IF_FAILED(application->QueryInterface(*host_.applicationIid, &hostApplication));
  hostApplication_ = std::move(hostApplication);
  hostWindow_ = GetForegroundWindow();
  language_ = ConnectionLanguage(host_.host, application);
  version_ = HostOfficeVersion(application);
  settings::LoadDisplaySettings(host_.host, version_);
  return S_OK;
}

// The add-in keeps nothing to tear down: its objects go when the host releases them.
HRESULT Connect::OnDisconnection(ext_DisconnectMode, SAFEARRAY**) noexcept { return S_OK; }
HRESULT Connect::OnAddInsUpdate(SAFEARRAY**) noexcept { return S_OK; }
HRESULT Connect::OnStartupComplete(SAFEARRAY**) noexcept { return S_OK; }
HRESULT Connect::OnBeginShutdown(SAFEARRAY**) noexcept { return S_OK; }

// --- Ribbon --------------------------------------------------------------------------------

HRESULT Connect::GetCustomUI(BSTR ribbonId, BSTR* ribbonXml) noexcept {
  if (ribbonXml == nullptr) return E_POINTER;
  *ribbonXml = nullptr;
  // The document of the window the ribbon is of, in the language of the connection; for a
  // ribbon of no document (another kind of Outlook item), the empty text: no customization.
  const std::optional<settings::RibbonWindow> window = ribbon::WindowOfRibbon(host_.host, TextOf(ribbonId));
  if (!window) return S_OK;
  return CopyToBstr(ribbon::RibbonDocument(host_.host, version_, language_, *window), ribbonXml);
}

HRESULT Connect::GetRibbonXML(BSTR* ribbonXml) noexcept {
  return CopyToBstr(ribbon::RibbonDocument(host_.host, version_, language_), ribbonXml);
}

// Every document names this one callback: each ribbon loaded is kept, so that OK in the
// dialog has all of them asked again.
HRESULT Connect::rxcustomUI_onLoad(IRibbonUI** ribbon) noexcept {
  KeepHostRibbon(ribbon != nullptr ? *ribbon : nullptr, ribbon::RibbonCount(host_.host));
  return S_OK;
}

HRESULT Connect::GetVisible(IRibbonControl** control, VARIANT_BOOL* visible) noexcept {
  return VisibilityOf(control != nullptr ? *control : nullptr, visible);
}

HRESULT Connect::rxQuelby_get(IRibbonControl* control, BSTR* content) noexcept {
  return ContentOf(control, content);
}

// --- Commands ------------------------------------------------------------------------------

template <typename Dialog, typename... FormInputs>
HRESULT Connect::ShowDialog(FormInputs&&... formInputs) noexcept {
  const ModuleObject inUse;
  // A fresh dialog for every command; it lives only for this call. While another is open,
  // showing brings that one to the front instead.
  Dialog dialog;
  dialog.SetHostApplication(hostApplication_);
  dialog.SetHostWindow(hostWindow_);
  return dialog.ShowModal(std::forward<FormInputs>(formInputs)...);
}

// The clicked button is not read: the callback's name alone says which command it is.
HRESULT Connect::AboutMenu(IRibbonControl**) noexcept {
  return ShowDialog<dialogs::AboutDialog>(language_, host_.host);
}
// The dialog holds its own references to the ribbons it refreshes: the host may replace a kept
// one while the dialog is open.
HRESULT Connect::CustomMenu(IRibbonControl**) noexcept {
  return ShowDialog<dialogs::CustomDialog>(language_, host_.host, version_, HostRibbonsHeld());
}

}  // namespace zorvane::addin
