// One class factory for every class the module serves; each class supplies a creator.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <atomic>

#include "addin/module.h"

namespace zorvane::addin {

// Creates a new object and returns the requested interface of it.
using CreatorFunction = HRESULT (*)(REFIID iid, void** object) noexcept;

class ClassFactory final : public IClassFactory, private ModuleObject {
 public:
  explicit ClassFactory(CreatorFunction creator) noexcept : creator_(creator) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  // IClassFactory
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) noexcept override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) noexcept override;

 private:
  ~ClassFactory() = default;

  std::atomic<ULONG> references_{1};
  CreatorFunction creator_;
};

}  // namespace zorvane::addin
