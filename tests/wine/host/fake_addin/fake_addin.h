// A small COM add-in that plays the add-in's side of the contract in tests of the
// stand-in host, with switchable faults (see fake_identity.h).
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <atomic>
#include <string>

#include "addin_designer.h"
#include "office.h"

namespace standin_fake {

// Objects alive, for DllCanUnloadNow.
extern std::atomic<long> g_objects;

class FakeAddin final : public _IDTExtensibility2, public IRibbonExtensibility {
 public:
  FakeAddin();
  FakeAddin(const FakeAddin&) = delete;
  FakeAddin& operator=(const FakeAddin&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO*, UINT*) noexcept override;

  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, ext_ConnectMode mode, IDispatch* instance,
                                         SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode mode, SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) noexcept override;

  HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR ribbonId, BSTR* xml) noexcept override;

 private:
  ~FakeAddin();

  // May throw std::bad_alloc, which Invoke turns into E_OUTOFMEMORY.
  HRESULT Load(const VARIANT& argument);
  HRESULT Visible(const VARIANT& argument, VARIANT* result);
  HRESULT Content(const VARIANT& argument, VARIANT* result);
  HRESULT Action(const VARIANT& argument);

  std::atomic<ULONG> references_{1};
  std::wstring mode_;
  Microsoft::WRL::ComPtr<IDispatch> application_;
  Microsoft::WRL::ComPtr<IRibbonUI> ribbon_;
  std::wstring hostSeen_;  // its window caption, the application's host and the ribbon id
  HWND hostWindow_ = nullptr;
  bool reviewVisible_ = false;
};

}  // namespace standin_fake
