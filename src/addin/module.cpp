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

HRESULT ModulePath(std::wstring& path) {
  path.resize(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(ModuleHandle(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return HRESULT_FROM_WIN32(GetLastError());
    if (length < path.size()) {
      path.resize(length);
      return S_OK;
    }
    path.resize(path.size() * 2);
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
