#include "support/host_standins.h"

namespace zorvane::test {
namespace {

template <typename Self>
HRESULT Answer(Self* self, void** object) {
  *object = self;
  self->AddRef();
  return S_OK;
}

}  // namespace

HRESULT StandInApplication::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) return Answer(this, object);
  if (isPowerPoint_ && IsEqualIID(iid, IID__Application)) return Answer(this, object);
  return E_NOINTERFACE;
}

HRESULT StandInRibbon::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IRibbonUI)) {
    return Answer(this, object);
  }
  return E_NOINTERFACE;
}

HRESULT StandInRibbon::Invalidate() {
  ++invalidations;
  return invalidateResult;
}

HRESULT StandInRibbon::InvalidateControl(BSTR) { return S_OK; }

HRESULT StandInControl::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IRibbonControl)) {
    return Answer(this, object);
  }
  return E_NOINTERFACE;
}

HRESULT StandInControl::get_Id(BSTR* id) {
  ++idReads;
  if (FAILED(idResult)) return idResult;
  *id = SysAllocStringLen(id_.data(), static_cast<UINT>(id_.size()));
  return *id != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT StandInControl::get_Context(IDispatch** context) {
  *context = nullptr;
  return S_OK;
}

HRESULT StandInControl::get_Tag(BSTR* tag) {
  ++tagReads;
  if (FAILED(tagResult)) return tagResult;
  *tag = SysAllocStringLen(tag_.data(), static_cast<UINT>(tag_.size()));
  return *tag != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace zorvane::test
