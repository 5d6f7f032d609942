// Applies the check's repairs: only Zorvane's own entries, never a policy. Windows only.
#pragma once

#include <string_view>
#include <vector>

#include "check/findings.h"
#include "check/report.h"

namespace zorvane::check {

// All or nothing: when one repair fails, every change made before it is undone and every
// result says so. A machine-wide entry the user may not write is left alone and reported as
// needing an administrator; the others are still made. `mayElevate`: Windows Installer's repair
// of a product installed for all users asks for administrator rights instead.
std::vector<RepairResult> ApplyRepairs(const std::vector<Repair>& repairs, bool mayElevate);

// Whether a process of `programFile` ("WINWORD.EXE") runs in this session: a host rewrites its
// entries when it exits.
bool ProgramRunning(std::u16string_view programFile) noexcept;

}  // namespace zorvane::check
