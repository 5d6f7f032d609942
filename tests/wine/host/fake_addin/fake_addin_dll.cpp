// The fake add-in's DLL entry points. The tests write its registry entries themselves.
#include <windows.h>

#include <new>

#include "common/com_unknown.h"
#include "fake_addin.h"
#include "fake_identity.h"

namespace standin_fake {
namespace {

class Factory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
    return zorvane::AnswerInterface({{IID_IUnknown, this}, {IID_IClassFactory, this}}, iid, out);
  }
  // A static object: counting is unneeded.
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return 2; }
  ULONG STDMETHODCALLTYPE Release() noexcept override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) noexcept override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    try {
      auto* addin = new FakeAddin();
      const HRESULT hr = addin->QueryInterface(iid, out);
      addin->Release();
      return hr;
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) noexcept override {
    if (lock) {
      ++g_objects;
    } else {
      --g_objects;
    }
    return S_OK;
  }
};

Factory g_factory;

}  // namespace
}  // namespace standin_fake

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (clsid != standin_fake::kClsid) return CLASS_E_CLASSNOTAVAILABLE;
  return standin_fake::g_factory.QueryInterface(iid, out);
}

extern "C" HRESULT __stdcall DllCanUnloadNow() { return standin_fake::g_objects == 0 ? S_OK : S_FALSE; }
