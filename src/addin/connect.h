// The add-in object the host connects to: IDTExtensibility2 for the connection,
// IRibbonExtensibility for the ribbon document, and _Connect, whose dispatch the host uses
// to call every ribbon callback by name. One class per host: the object serves the host
// whose description it was made with, and asks that description everything host-specific.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <atomic>

#include "Zorvane.h"
#include "addin_designer.h"
#include "addin/host_description.h"
#include "addin/module.h"
#include "common/office_version.h"
#include "common/ui_language.h"

namespace zorvane::addin {

class Connect final : public _Connect,
                      public _IDTExtensibility2,
                      public IRibbonExtensibility,
                      private ModuleObject {
 public:
  static HRESULT Create(const HostDescription& host, REFIID iid, void** object) noexcept;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  // IDispatch, shared by all three dual interfaces: always _Connect's names.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) noexcept override;

  // _Connect
  HRESULT STDMETHODCALLTYPE AboutMenu(IRibbonControl** control) noexcept override;
  HRESULT STDMETHODCALLTYPE CustomMenu(IRibbonControl** control) noexcept override;
  HRESULT STDMETHODCALLTYPE GetRibbonXML(BSTR* ribbonXml) noexcept override;
  HRESULT STDMETHODCALLTYPE rxcustomUI_onLoad(IRibbonUI** ribbon) noexcept override;
  HRESULT STDMETHODCALLTYPE GetVisible(IRibbonControl** control, VARIANT_BOOL* visible) noexcept override;
  HRESULT STDMETHODCALLTYPE rxQuelby_get(IRibbonControl* control, BSTR* content) noexcept override;

  // _IDTExtensibility2
  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, ext_ConnectMode mode, IDispatch* addInInstance,
                                         SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode mode, SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) noexcept override;

  // IRibbonExtensibility
  HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR ribbonId, BSTR* ribbonXml) noexcept override;

 private:
  explicit Connect(const HostDescription& host) noexcept : host_(host) {}
  ~Connect() = default;

  // Opens one of the two dialogs modally with what this object keeps of the host;
  // `formInputs` go to the dialog's form.
  template <typename Dialog, typename... FormInputs>
  HRESULT ShowDialog(FormInputs&&... formInputs) noexcept;

  // The callbacks' bodies, shared by the typed interface and the dispatch path.
  HRESULT VisibilityOf(IDispatch* control, VARIANT_BOOL* visible) noexcept;
  HRESULT ContentOf(IDispatch* control, BSTR* content) noexcept;
  HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result,
                       UINT* argumentError) noexcept;

  std::atomic<ULONG> references_{1};
  const HostDescription& host_;
  // The host's _Application (its description names which), held and never called.
  Microsoft::WRL::ComPtr<IDispatch> hostApplication_;
  HWND hostWindow_ = nullptr;                             // the host's main window; null for none
  // The language of our own text, chosen at connection; the first until then.
  UiLanguage language_ = UiLanguage::kSimplifiedChinese;
  // Which Office the host is, read once at connection: it decides which built-in tabs the
  // document re-declares, the settings hold and the dialog lists.
  OfficeVersion version_ = OfficeVersion::k2007;
};

}  // namespace zorvane::addin
