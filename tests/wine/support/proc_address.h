// A typed GetProcAddress: exported functions are looked up by name in the tests.
#pragma once

#include <windows.h>

namespace zorvane::test {

template <typename Function>
Function ProcAddress(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace zorvane::test
