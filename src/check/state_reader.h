// Reads what the check looks at from this machine's registry and files. Windows only.
#pragma once

#include <vector>

#include "check/observed_state.h"

namespace zorvane::check {

// Each host's, in OfficeHost order. Throws only std::bad_alloc; whatever cannot be read counts
// as absent.
std::vector<ObservedState> ReadObservedState();

}  // namespace zorvane::check
