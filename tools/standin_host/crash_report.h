// An add-in that faults inside a call brings the host down, in PowerPoint too. The
// stand-in says so in one line, naming the module that faulted, and ends with its own exit
// code instead of a crash dialog or a debugger.
#pragma once

namespace zorvane::standin {

void InstallCrashReport() noexcept;

}  // namespace zorvane::standin
