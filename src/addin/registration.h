// Registration of the add-in: each host's COM class and ProgID, the type library and the
// _Connect interface in the machine-wide or the per-user classes, and each host's add-in
// entry through which that host finds it. Described as data (registration_table.cpp) and written by one small routine.
#pragma once

#include <windows.h>

namespace zorvane::addin {

enum class ClassesScope { Machine, User };

// Writes every entry. On failure, what this call created or changed is undone (an earlier
// registration stays as it was) and the failure is returned.
HRESULT Register(ClassesScope scope) noexcept;

// Machine-wide where allowed; for a user without the rights, per user instead.
HRESULT RegisterWithFallback() noexcept;

// Removes this bitness's keys from `scope`, and the keys both bitnesses share (ProgID, type
// library, add-in entry) once no bitness registers any more; nothing else. Keys already
// absent are no error.
HRESULT Unregister(ClassesScope scope) noexcept;

}  // namespace zorvane::addin
