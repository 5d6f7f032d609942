// The decision: from what the check observed to what it reports and may repair. Portable.
#pragma once

#include "check/findings.h"
#include "check/observed_state.h"

namespace zorvane::check {

Diagnosis Diagnose(const ObservedState& state);

}  // namespace zorvane::check
