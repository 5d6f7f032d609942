// The DLL's module state: its instance handle and the counts that decide DllCanUnloadNow.
#pragma once

#include <windows.h>

#include <string>

namespace zorvane::addin {

HMODULE ModuleHandle() noexcept;

// The full path of this module's file, however long.
HRESULT ModulePath(std::wstring& path);

// Live COM objects served by this module (add-in objects and class factories).
void ObjectCreated() noexcept;
void ObjectDestroyed() noexcept;
// IClassFactory::LockServer.
void LockModule(bool lock) noexcept;

bool CanUnloadNow() noexcept;

// Base that counts an object for the module for as long as it lives.
class ModuleObject {
 protected:
  ModuleObject() noexcept { ObjectCreated(); }
  ~ModuleObject() { ObjectDestroyed(); }

 public:
  ModuleObject(const ModuleObject&) = delete;
  ModuleObject& operator=(const ModuleObject&) = delete;
};

}  // namespace zorvane::addin
