// Reads what the check looks at from this machine's registry and files. Windows only.
#pragma once

#include "check/observed_state.h"

namespace zorvane::check {

// Throws only std::bad_alloc; whatever cannot be read counts as absent.
ObservedState ReadObservedState();

}  // namespace zorvane::check
