#include "fake_addin.h"

#include <cstdint>
#include <new>

#include "fake_identity.h"
#include "fake_markup.h"
#include "common/com_unknown.h"
#include "common/windows_handles.h"
#include "host_description.h"
#include "powerpoint.h"

using Microsoft::WRL::ComPtr;
using zorvane::UniqueBstr;

namespace standin_fake {

std::atomic<long> g_objects{0};

namespace {

enum : DISPID { kLoad = 1, kVisible, kContent, kAction };

struct Member {
  const wchar_t* name;
  DISPID id;
};
constexpr Member kMembers[] = {
    {L"FakeLoad", kLoad}, {L"FakeVisible", kVisible}, {L"FakeContent", kContent}, {L"FakeAction", kAction}};

std::wstring ReadMode() {
  wchar_t value[64] = {};
  const DWORD length = GetEnvironmentVariableW(kModeVariable, value, 64);
  return length > 0 && length < 64 ? std::wstring(value, length) : std::wstring(mode::kNormal);
}

// The object argument, however the host passed it.
IDispatch* ArgumentObject(const VARIANT& argument, std::wstring& kind) {
  switch (V_VT(&argument)) {
    case VT_DISPATCH:
      kind = L"VT_DISPATCH";
      return V_DISPATCH(&argument);
    case VT_BYREF | VT_DISPATCH:
      kind = L"VT_BYREF|VT_DISPATCH";
      return V_DISPATCHREF(&argument) ? *V_DISPATCHREF(&argument) : nullptr;
    case VT_BYREF | VT_VARIANT:
      if (V_VARIANTREF(&argument) && V_VT(V_VARIANTREF(&argument)) == VT_DISPATCH) {
        kind = L"VT_BYREF|VT_VARIANT";
        return V_DISPATCH(V_VARIANTREF(&argument));
      }
      return nullptr;
    default:
      return nullptr;
  }
}

HRESULT ControlOf(const VARIANT& argument, ComPtr<IRibbonControl>& control, std::wstring& kind) {
  IDispatch* object = ArgumentObject(argument, kind);
  if (object == nullptr) return DISP_E_TYPEMISMATCH;
  return object->QueryInterface(IID_IRibbonControl, reinterpret_cast<void**>(control.GetAddressOf()));
}

std::wstring ReadString(IRibbonControl* control, HRESULT (STDMETHODCALLTYPE IRibbonControl::*get)(BSTR*)) {
  UniqueBstr value;
  if (FAILED((control->*get)(value.put()))) return L"?";
  return std::wstring(value ? value.get() : L"", SysStringLen(value.get()));
}

HRESULT ReturnString(const std::wstring& text, VARIANT* result) {
  if (result == nullptr) return S_OK;
  V_VT(result) = VT_BSTR;
  V_BSTR(result) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return V_BSTR(result) ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

FakeAddin::FakeAddin() : mode_(ReadMode()) { ++g_objects; }
FakeAddin::~FakeAddin() { --g_objects; }

HRESULT FakeAddin::QueryInterface(REFIID iid, void** out) noexcept {
  IUnknown* const extensibility = static_cast<_IDTExtensibility2*>(this);
  return zorvane::AnswerInterface({{IID_IUnknown, extensibility},
                                   {IID_IDispatch, extensibility},
                                   {IID__IDTExtensibility2, extensibility},
                                   {IID_IRibbonExtensibility, static_cast<IRibbonExtensibility*>(this)}},
                                  iid, out);
}

ULONG FakeAddin::AddRef() noexcept { return ++references_; }

ULONG FakeAddin::Release() noexcept {
  return zorvane::ReleaseReference(references_, [this]() noexcept { delete this; });
}

HRESULT FakeAddin::GetTypeInfoCount(UINT* count) noexcept {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT FakeAddin::GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept {
  if (info != nullptr) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT FakeAddin::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept {
  if (names == nullptr || ids == nullptr || count != 1) return E_INVALIDARG;
  for (const Member& member : kMembers) {
    if (CompareStringOrdinal(member.name, -1, names[0], -1, TRUE) == CSTR_EQUAL) {
      ids[0] = member.id;
      return S_OK;
    }
  }
  ids[0] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT FakeAddin::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                          UINT*) noexcept {
  if (!(flags & DISPATCH_METHOD) || params == nullptr) return DISP_E_MEMBERNOTFOUND;
  if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
  if (result != nullptr) VariantInit(result);
  try {
    switch (id) {
      case kLoad: return Load(params->rgvarg[0]);
      case kVisible: return Visible(params->rgvarg[0], result);
      case kContent: return Content(params->rgvarg[0], result);
      case kAction: return Action(params->rgvarg[0]);
      default: return DISP_E_MEMBERNOTFOUND;
    }
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT FakeAddin::OnConnection(IDispatch* application, ext_ConnectMode, IDispatch*, SAFEARRAY**) noexcept {
  if (mode_ == mode::kFailConnect) return E_FAIL;
  if (application == nullptr) return E_POINTER;
  // What the real add-in relies on: the host's object is a host's application. The probe
  // menu names every host whose _Application it answers to: one, or the host is wrong.
  try {
    std::wstring hosts;
    for (const zorvane::standin::HostDescription& host : zorvane::standin::kHosts) {
      ComPtr<IDispatch> answer;
      if (FAILED(application->QueryInterface(host.applicationIid, reinterpret_cast<void**>(answer.GetAddressOf())))) {
        continue;
      }
      hosts += (hosts.empty() ? L"" : L" ") + std::wstring(host.displayName());
      application_ = answer;
    }
    if (!application_) return E_NOINTERFACE;
    if (mode_ == mode::kLeak) application->AddRef();  // never released: the host must notice
    hostWindow_ = GetForegroundWindow();
    wchar_t caption[128] = {};
    if (hostWindow_ != nullptr) GetWindowTextW(hostWindow_, caption, 128);
    hostSeen_ = std::wstring(caption) + L", application: " + hosts;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

HRESULT FakeAddin::OnDisconnection(ext_DisconnectMode, SAFEARRAY**) noexcept { return S_OK; }
HRESULT FakeAddin::OnAddInsUpdate(SAFEARRAY**) noexcept { return S_OK; }
HRESULT FakeAddin::OnStartupComplete(SAFEARRAY**) noexcept { return S_OK; }
HRESULT FakeAddin::OnBeginShutdown(SAFEARRAY**) noexcept { return S_OK; }

HRESULT FakeAddin::GetCustomUI(BSTR ribbonId, BSTR* xml) noexcept {
  if (xml == nullptr) return E_POINTER;
  *xml = nullptr;
  if (mode_ == mode::kFailCustomUi) return E_OUTOFMEMORY;
  try {
    hostSeen_ += L", ribbon: " + std::wstring(ribbonId ? ribbonId : L"", SysStringLen(ribbonId));
    const std::wstring document = RibbonDocument(mode_);
    *xml = SysAllocStringLen(document.data(), static_cast<UINT>(document.size()));
    return *xml ? S_OK : E_OUTOFMEMORY;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT FakeAddin::Load(const VARIANT& argument) {
  std::wstring kind;
  IDispatch* object = ArgumentObject(argument, kind);
  if (object == nullptr) return DISP_E_TYPEMISMATCH;
  ribbon_.Reset();
  return object->QueryInterface(IID_IRibbonUI, reinterpret_cast<void**>(ribbon_.GetAddressOf()));
}

HRESULT FakeAddin::Visible(const VARIANT& argument, VARIANT* result) {
  if (mode_ == mode::kVisibleFails) return E_FAIL;
  if (mode_ == mode::kCrash) {
    // A genuine fault inside this DLL, as a broken add-in would cause: a write to page 0,
    // through an address the compiler cannot see.
    static volatile std::uintptr_t badAddress = 0x10;
    *reinterpret_cast<volatile int*>(badAddress) = 1;
  }
  ComPtr<IRibbonControl> control;
  std::wstring kind;
  if (const HRESULT hr = ControlOf(argument, control, kind); FAILED(hr)) return hr;
  const bool visible = ReadString(control.Get(), &IRibbonControl::get_Id) == L"TabReview" ? reviewVisible_ : true;
  if (result == nullptr) return S_OK;
  if (mode_ == mode::kVisibleWrongType) {
    V_VT(result) = VT_I4;
    V_I4(result) = visible ? 1 : 0;
  } else {
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = visible ? VARIANT_TRUE : VARIANT_FALSE;
  }
  return S_OK;
}

HRESULT FakeAddin::Content(const VARIANT& argument, VARIANT* result) {
  ComPtr<IRibbonControl> control;
  std::wstring kind;
  if (const HRESULT hr = ControlOf(argument, control, kind); FAILED(hr)) return hr;
  if (mode_ == mode::kBadContent) return ReturnString(L"<menu xmlns=\"x\"><button", result);
  return ReturnString(ProbeMenu(kind, ReadString(control.Get(), &IRibbonControl::get_Id),
                                ReadString(control.Get(), &IRibbonControl::get_Tag), hostSeen_),
                      result);
}

HRESULT FakeAddin::Action(const VARIANT& argument) {
  // A click passes the control by reference.
  if (V_VT(&argument) != (VT_BYREF | VT_DISPATCH)) return DISP_E_TYPEMISMATCH;
  if (mode_ == mode::kDialog) {
    const int answer = MessageBoxW(hostWindow_, L"Fake add-in: press OK or close", kDialogTitle, MB_OKCANCEL);
    return answer == IDOK ? S_OK : S_FALSE;
  }
  reviewVisible_ = !reviewVisible_;
  return ribbon_ ? ribbon_->Invalidate() : E_UNEXPECTED;
}

}  // namespace standin_fake
