#include "addin/module.h"

#include <atomic>

// The linker's symbol for the start of this module's image: its HMODULE, known without
// having to keep the handle passed to DllMain.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace zorvane::addin {
namespace {
std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};
}  // namespace

HMODULE ModuleHandle() noexcept { return reinterpret_cast<HMODULE>(&__ImageBase); }

HRESULT ModulePath(HeapWideString& path) noexcept {
  for (size_t room = MAX_PATH;; room *= 2) {
    if (room > MAXDWORD || !path.Resize(room)) return E_OUTOFMEMORY;
    const DWORD length = GetModuleFileNameW(ModuleHandle(), path.data(), static_cast<DWORD>(room));
    if (length == 0) return HRESULT_FROM_WIN32(GetLastError());
    if (length < room) return path.Resize(length) ? S_OK : E_OUTOFMEMORY;  // shrinking: cannot fail
  }
}

void ObjectCreated() noexcept { ++g_objects; }
void ObjectDestroyed() noexcept { --g_objects; }
void LockModule(bool lock) noexcept {
  if (lock) {
    ++g_locks;
  } else {
    --g_locks;
  }
}

bool CanUnloadNow() noexcept { return g_objects.load() == 0 && g_locks.load() == 0; }

}  // namespace zorvane::addin
