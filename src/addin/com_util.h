// Small helpers for the COM boundary: early-return macros and the exception guard that keeps
// every C++ exception on our side of an entry point.
#pragma once

#include <windows.h>

#include <new>

#define ZV_RETURN_IF_FAILED(expr)        \
  do {                                   \
    const HRESULT zv_hr_ = (expr);       \
    if (FAILED(zv_hr_)) return zv_hr_;   \
  } while (0)

#define ZV_RETURN_HR_IF_NULL(hr, ptr)    \
  do {                                   \
    if ((ptr) == nullptr) return (hr);   \
  } while (0)

namespace zorvane::addin {

// Runs `body` (which returns an HRESULT) and turns any exception into a status code.
template <typename Body>
HRESULT GuardComEntry(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace zorvane::addin
