// The module that holds the dialogs' code, and so their resources: Zorvane.dll in the host,
// the test program in the tests.
#pragma once

#include <windows.h>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace zorvane::dialogs {

inline HINSTANCE ThisModule() noexcept { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

}  // namespace zorvane::dialogs
