// Unpacking of the arguments the host passes to callbacks through IDispatch::Invoke.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace zorvane::addin {

// The object argument of a callback as the host may pass it: VT_DISPATCH by value,
// VT_BYREF|VT_DISPATCH, a by-reference VARIANT holding either, or the same as VT_UNKNOWN.
// `object` receives a borrowed pointer (no reference added), possibly null, and `dispatch`
// the same object's IDispatch when the argument was passed as one (else null), which
// spares the callbacks that need IDispatch a QueryInterface on every call.
// DISP_E_TYPEMISMATCH for anything else. Inline: it runs on every callback the host makes.
inline HRESULT ObjectArgument(const VARIANT& argument, IUnknown** object, IDispatch** dispatch) noexcept {
  *object = nullptr;
  *dispatch = nullptr;
  switch (V_VT(&argument)) {
    case VT_DISPATCH:
      *dispatch = V_DISPATCH(&argument);
      *object = *dispatch;
      return S_OK;
    case VT_UNKNOWN:
      *object = V_UNKNOWN(&argument);
      return S_OK;
    case VT_BYREF | VT_DISPATCH:
      if (V_DISPATCHREF(&argument) == nullptr) return E_POINTER;
      *dispatch = *V_DISPATCHREF(&argument);
      *object = *dispatch;
      return S_OK;
    case VT_BYREF | VT_UNKNOWN:
      if (V_UNKNOWNREF(&argument) == nullptr) return E_POINTER;
      *object = *V_UNKNOWNREF(&argument);
      return S_OK;
    case VT_BYREF | VT_VARIANT: {
      const VARIANT* inner = V_VARIANTREF(&argument);
      if (inner == nullptr) return E_POINTER;
      // One level only: a by-reference variant holding another by-reference variant is no
      // form any host uses.
      if (V_VT(inner) == (VT_BYREF | VT_VARIANT)) return DISP_E_TYPEMISMATCH;
      return ObjectArgument(*inner, object, dispatch);
    }
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

}  // namespace zorvane::addin
