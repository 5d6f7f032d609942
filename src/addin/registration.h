// Registration of the add-in: the COM class, ProgID, type library and _Connect interface in
// the machine-wide or the per-user classes, and the add-in entry through which the host
// finds it. Described as data (registration_table.cpp) and written by one small routine.
#pragma once

#include <windows.h>

namespace zorvane::addin {

enum class ClassesScope { Machine, User };

// Writes every entry. On failure nothing of it is left behind and the failure is returned.
HRESULT Register(ClassesScope scope) noexcept;

// Machine-wide where allowed; for a user without the rights, per user instead.
HRESULT RegisterWithFallback() noexcept;

// Removes every key that registration adds to `scope` and the add-in entry, and nothing
// else. Keys already absent are no error.
HRESULT Unregister(ClassesScope scope) noexcept;

}  // namespace zorvane::addin
