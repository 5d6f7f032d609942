#include "addin/class_factory.h"

#include "common/com_unknown.h"

namespace zorvane::addin {

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) noexcept {
  return AnswerInterface({{IID_IUnknown, this}, {IID_IClassFactory, this}}, iid, object);
}

ULONG ClassFactory::AddRef() noexcept { return ++references_; }

ULONG ClassFactory::Release() noexcept {
  return ReleaseReference(references_, [this]() noexcept { delete this; });
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  return creator_(host_, iid, object);
}

HRESULT ClassFactory::LockServer(BOOL lock) noexcept {
  LockModule(lock != FALSE);
  return S_OK;
}

}  // namespace zorvane::addin
