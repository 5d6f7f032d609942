// Stand-ins for the host's objects, counting what the add-in does with them.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "addin_designer.h"
#include "office.h"
#include "powerpoint.h"

namespace zorvane::test {

// Minimal IDispatch plumbing shared by the stand-ins: no type information, no members.
template <typename Interface>
class DispatchStandIn : public Interface {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override {
    ++addRefs;
    return ++references;
  }
  ULONG STDMETHODCALLTYPE Release() override {
    ++releases;
    return --references;  // lives on the test's stack: never deleted here
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }

  // References the add-in still holds: taken minus given back.
  long Outstanding() const { return references.load() - 1; }

  std::atomic<long> references{1};  // the test's own
  std::atomic<long> addRefs{0};
  std::atomic<long> releases{0};
};

// The host application: answers PowerPoint's _Application, or only IDispatch when told not to.
class StandInApplication final : public DispatchStandIn<_Application> {
 public:
  explicit StandInApplication(bool isPowerPoint = true) : isPowerPoint_(isPowerPoint) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;

 private:
  bool isPowerPoint_;
};

// The host's ribbon: counts Invalidate calls and can be told to fail them.
class StandInRibbon final : public DispatchStandIn<IRibbonUI> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE Invalidate() override;
  HRESULT STDMETHODCALLTYPE InvalidateControl(BSTR) override;

  std::atomic<long> invalidations{0};
  HRESULT invalidateResult = S_OK;
};

// A ribbon control with an id and a tag, whose reads can be made to fail.
class StandInControl final : public DispatchStandIn<IRibbonControl> {
 public:
  StandInControl(std::wstring id, std::wstring tag) : id_(std::move(id)), tag_(std::move(tag)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE get_Id(BSTR* id) override;
  HRESULT STDMETHODCALLTYPE get_Context(IDispatch** context) override;
  HRESULT STDMETHODCALLTYPE get_Tag(BSTR* tag) override;

  HRESULT idResult = S_OK;   // a failure here fails every read of Id
  HRESULT tagResult = S_OK;  // likewise for Tag
  std::atomic<long> idReads{0};
  std::atomic<long> tagReads{0};

 private:
  std::wstring id_;
  std::wstring tag_;
};

}  // namespace zorvane::test
