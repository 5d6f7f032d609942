// The decision: from what the check observed to what it reports and may repair. Portable.
#pragma once

#include <span>

#include "check/findings.h"
#include "check/observed_state.h"

namespace zorvane::check {

// One host's state, as the only host there is.
Diagnosis Diagnose(const ObservedState& state);

// Every host's, one after the other. A host that is not installed is said to be so and not
// checked further, unless no host is: then the first host stands for the product and is
// checked as far as it can be. A registration repaired for one host serves all of them.
Diagnosis Diagnose(std::span<const ObservedState> hosts);

}  // namespace zorvane::check
