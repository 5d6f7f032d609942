// The DLL's module state: its instance handle and the counts that decide DllCanUnloadNow.
#pragma once

#include <windows.h>

#include "common/heap_string.h"

namespace zorvane::addin {

HMODULE ModuleHandle() noexcept;

// The full path of this module's file, however long; E_OUTOFMEMORY when no room could be had.
HRESULT ModulePath(HeapWideString& path) noexcept;

// Live COM objects served by this module (add-in objects and class factories).
void ObjectCreated() noexcept;
void ObjectDestroyed() noexcept;
// IClassFactory::LockServer.
void LockModule(bool lock) noexcept;

bool CanUnloadNow() noexcept;

// Counts as a live object of the module for as long as it lives: the base of every COM
// object served, and held by anything else that keeps running our code (a dialog's loop,
// during which the host may release the add-in object).
class ModuleObject {
 public:
  ModuleObject() noexcept { ObjectCreated(); }
  ~ModuleObject() { ObjectDestroyed(); }
  ModuleObject(const ModuleObject&) = delete;
  ModuleObject& operator=(const ModuleObject&) = delete;
};

}  // namespace zorvane::addin
