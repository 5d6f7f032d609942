// Reference counting, QueryInterface and late binding by name for the host's own small
// COM objects (the application, the ribbon, the controls). Each object implements one
// dual interface `Interface` and answers for it, IDispatch and IUnknown.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <wrl/client.h>

#include <span>
#include <string_view>

namespace zorvane::standin {

struct DispatchMember {
  std::wstring_view name;
  DISPID id;
};

// Automation matches member names without regard to case.
bool SameMemberName(std::wstring_view a, const wchar_t* b) noexcept;

template <typename Interface>
class DispatchObject : public Interface {
 public:
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  // The references that others hold, as the object counts them.
  ULONG references() const noexcept { return references_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
    if (out == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Interface)) {
      *out = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() noexcept override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // No type information: callers bind by name through GetIDsOfNames.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept override {
    if (info != nullptr) *info = nullptr;
    return DISP_E_BADINDEX;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) noexcept override {
    if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    for (const DispatchMember& member : Members()) {
      if (SameMemberName(member.name, names[0])) ids[0] = member.id;
    }
    // Named arguments are not supported.
    for (UINT i = 0; i < count; ++i) {
      if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) noexcept override {
    if (params == nullptr) return E_INVALIDARG;
    if (params->cNamedArgs != 0 && !(flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))) {
      return DISP_E_NONAMEDARGS;
    }
    return InvokeMember(id, flags, *params, result);
  }

 protected:
  DispatchObject() noexcept = default;
  virtual ~DispatchObject() = default;

  virtual std::span<const DispatchMember> Members() const noexcept = 0;
  virtual HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept = 0;

 private:
  ULONG references_ = 1;  // the creator's
};

// Takes over the one reference that a new object starts with. (MinGW's ComPtr::Attach adds a
// reference of its own, so it would leak the object.)
template <typename T>
Microsoft::WRL::ComPtr<T> Adopt(T* object) noexcept {
  Microsoft::WRL::ComPtr<T> owner;
  *owner.GetAddressOf() = object;
  return owner;
}

// Returns `text` as a new BSTR in `result` (when the caller wants one).
HRESULT ReturnString(std::wstring_view text, VARIANT* result) noexcept;

}  // namespace zorvane::standin
