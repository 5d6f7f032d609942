// Owner of an open registry key: closes it exactly once. Windows only.
#pragma once

#include <windows.h>

#include "common/unique_handle.h"

namespace zorvane::settings {

struct RegistryKeyClose {
  void operator()(HKEY key) const noexcept { RegCloseKey(key); }
};
using UniqueHkey = UniqueHandle<HKEY, RegistryKeyClose>;

}  // namespace zorvane::settings
