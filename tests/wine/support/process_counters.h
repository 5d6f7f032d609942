// What a leak would leave behind in this process, counted in ways that also work under Wine.
// Wine 8 answers 0 for GetProcessHandleCount, PROCESS_MEMORY_COUNTERS_EX::PrivateUsage and
// GetGuiResources, so handles are counted by probing handle values and memory by walking
// every heap; the two Windows-only figures are kept for runs on Windows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zorvane::test {

struct ProcessCounters {
  std::int64_t heapBytes = 0;      // bytes in the busy blocks of every process heap
  std::int64_t pagefileBytes = 0;  // PagefileUsage (under Wine it follows programs without windows)
  long handles = 0;                // handle values that GetHandleInformation accepts
  long freeTlsIndexes = 0;         // how many more TlsAlloc calls would succeed
  long threadWindows = 0;          // windows of this thread, top-level and children
  long gdiObjects = 0;             // GetGuiResources (0 under Wine)
  long userObjects = 0;
};

ProcessCounters SampleCounters();

// One line "name before -> after (delta)" per counter, for benchmark output.
std::string DescribeChange(const ProcessCounters& before, const ProcessCounters& after);

// Keeps every module now loaded but `addin` loaded for good, as the system modules the add-in
// pulls in stay loaded in a host; otherwise each load of the add-in would also load and
// unload them, and the counters would measure their costs. True when every one was pinned.
bool PinEveryLoadedModuleBut(HMODULE addin);

}  // namespace zorvane::test
