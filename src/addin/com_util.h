// Small helpers for the COM boundary: early-return macros in the manner of WIL's. The module
// is built without exceptions; every failure is an HRESULT passed up.
#pragma once

#include <windows.h>

#define ZV_RETURN_IF_FAILED(expr)        \
  do {                                   \
    const HRESULT zv_hr_ = (expr);       \
    if (FAILED(zv_hr_)) return zv_hr_;   \
  } while (0)

#define ZV_RETURN_HR_IF_NULL(hr, ptr)    \
  do {                                   \
    if ((ptr) == nullptr) return (hr);   \
  } while (0)

// For a nothrow owner's calls that answer whether they found memory.
#define ZV_RETURN_IF_NO_MEMORY(expr)     \
  do {                                   \
    if (!(expr)) return E_OUTOFMEMORY;   \
  } while (0)
