// What the add-in does about the statically linked C++ runtime, which lives and dies with
// this module rather than with the process.
#pragma once

namespace zorvane::addin {

// Gives back the memory the runtime set aside at load for throwing exceptions when the heap
// is exhausted. The runtime never frees it itself, as it expects to live until process exit:
// a host that unloads and reloads the add-in would lose it at every load. Called once, when
// the module is unloaded before the process ends.
void ReleaseRuntimeReserve() noexcept;

// Gives back the calling thread's record of its exceptions, when the thread ends.
void ReleaseThreadExceptions() noexcept;

}  // namespace zorvane::addin
