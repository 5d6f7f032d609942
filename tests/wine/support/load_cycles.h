// The real Zorvane.dll loaded, used and unloaded over and over, as a long-lived host does, with
// this process's counters taken around the loop: what each cycle leaves behind adds up there.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "support/process_counters.h"
#include "support/test_paths.h"

namespace zorvane::test {

// Noise allowed over a whole loop (measured: none once the loop has warmed up).
inline constexpr long kHandleNoise = 2;
inline constexpr std::int64_t kHeapNoise = 16 * 1024;

// Keeps what the add-in's first load brings in loaded for good, as a host does.
inline void PinWhatTheAddinLoads() {
  CoInitialize(nullptr);
  HMODULE first = LoadLibraryW(ZorvaneDllPath().c_str());
  ASSERT_NE(first, nullptr);
  ASSERT_TRUE(PinEveryLoadedModuleBut(first));
  FreeLibrary(first);
}

// One load, `use(module)`, then the unload, after which the module must be gone.
template <typename Use>
void LoadUseUnload(Use& use) {
  HMODULE module = LoadLibraryW(ZorvaneDllPath().c_str());
  ASSERT_NE(module, nullptr);
  use(module);
  ASSERT_TRUE(FreeLibrary(module));
  ASSERT_EQ(GetModuleHandleW(ZorvaneDllPath().c_str()), nullptr) << "the module stayed after its last FreeLibrary";
}

// Three cycles to warm up, then `cycles` counted ones (until a fatal failure); prints the change.
template <typename Use>
void CountAcrossCycles(int cycles, Use&& use, ProcessCounters& before, ProcessCounters& after) {
  for (int warmUp = 0; warmUp < 3; ++warmUp) LoadUseUnload(use);
  before = SampleCounters();
  for (int cycle = 0; cycle < cycles && !::testing::Test::HasFatalFailure(); ++cycle) LoadUseUnload(use);
  after = SampleCounters();
  std::printf("%d cycles:\n%s", cycles, DescribeChange(before, after).c_str());
}

}  // namespace zorvane::test
