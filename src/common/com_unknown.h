// IUnknown as our COM objects implement it: QueryInterface over the list of interfaces an
// object answers to, and Release of a reference count that destroys the object at zero.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <atomic>
#include <initializer_list>

namespace zorvane {

// One interface an object answers to: its IID, and the object as that interface.
struct InterfaceAnswer {
  const IID& iid;
  IUnknown* object;
};

// The first answer to `iid`, with a reference added; E_NOINTERFACE when none answers.
inline HRESULT AnswerInterface(std::initializer_list<InterfaceAnswer> answers, REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  for (const InterfaceAnswer& answer : answers) {
    if (IsEqualIID(iid, answer.iid)) {
      answer.object->AddRef();
      *object = answer.object;
      return S_OK;
    }
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

// Gives one reference back and returns how many are left; `destroy()` ends the object when
// none is. The object's own code destroys it, so that its destructor can stay private.
template <typename Destroy>
ULONG ReleaseReference(std::atomic<ULONG>& references, Destroy destroy) noexcept {
  const ULONG left = --references;
  if (left == 0) destroy();
  return left;
}

}  // namespace zorvane
