// The host's ribbon, kept process-wide from the ribbon's load callback.
#pragma once

#include <windows.h>

#include "office.h"

namespace zorvane::addin {

// The ribbon kept by the last load callback, or null before the host has loaded the ribbon.
// No reference is added: callers use it within the call that asked for it.
IRibbonUI* HostRibbon() noexcept;

// Replaces the kept ribbon (null clears it), releasing the one it replaces.
void SetHostRibbon(IRibbonUI* ribbon) noexcept;

}  // namespace zorvane::addin
