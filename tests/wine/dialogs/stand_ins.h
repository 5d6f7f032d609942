// Stand-ins for the host's objects that the dialogs are given: the application object,
// which must only be held and let go, and the ribbon, whose Invalidate calls are counted.
#pragma once

#include <windows.h>

#include <atomic>

#include "office.h"
#include "powerpoint.h"

namespace zorvane::dialogs::test {

// Reference counts are observed rather than acted on: the objects live on the test's stack.
template <typename Interface>
class CountedDispatch : public Interface {
 public:
  ULONG References() const noexcept { return references_.load(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Interface)) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info != nullptr) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    ++calls_;
    return DISP_E_MEMBERNOTFOUND;
  }

  // Calls of the interface's own operations (and of Invoke).
  int Calls() const noexcept { return calls_.load(); }

 protected:
  std::atomic<int> calls_{0};

 private:
  std::atomic<ULONG> references_{0};
};

class StandInApplication final : public CountedDispatch<_Application> {};

class StandInRibbon final : public CountedDispatch<IRibbonUI> {
 public:
  explicit StandInRibbon(HRESULT invalidateResult = S_OK) noexcept : invalidateResult_(invalidateResult) {}

  HRESULT STDMETHODCALLTYPE Invalidate() override {
    ++invalidations_;
    ++calls_;
    return invalidateResult_;
  }
  HRESULT STDMETHODCALLTYPE InvalidateControl(BSTR) override {
    ++calls_;
    return S_OK;
  }

  int Invalidations() const noexcept { return invalidations_.load(); }

 private:
  HRESULT invalidateResult_;
  std::atomic<int> invalidations_{0};
};

}  // namespace zorvane::dialogs::test
