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
// DISP_E_TYPEMISMATCH for anything else.
HRESULT ObjectArgument(const VARIANT& argument, IUnknown** object, IDispatch** dispatch) noexcept;

}  // namespace zorvane::addin
