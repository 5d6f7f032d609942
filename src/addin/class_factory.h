// One class factory for every class the module serves: each supplies a creator, and the
// factory hands it the description of the host its objects serve.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <atomic>

#include "addin/host_description.h"
#include "addin/module.h"

namespace zorvane::addin {

// Creates a new object for `host` and returns the requested interface of it.
using CreatorFunction = HRESULT (*)(const HostDescription& host, REFIID iid, void** object) noexcept;

class ClassFactory final : public IClassFactory, private ModuleObject {
 public:
  ClassFactory(CreatorFunction creator, const HostDescription& host) noexcept : creator_(creator), host_(host) {}

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
  const HostDescription& host_;
};

}  // namespace zorvane::addin
