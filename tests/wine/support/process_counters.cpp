#include "support/process_counters.h"

#include <psapi.h>

#include <cstdio>
#include <vector>

namespace zorvane::test {
namespace {

std::int64_t HeapBytesInUse() {
  std::vector<HANDLE> heaps(64);
  DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
  if (count > heaps.size()) {
    heaps.resize(count);
    count = GetProcessHeaps(count, heaps.data());
  }
  std::int64_t bytes = 0;
  for (DWORD i = 0; i < count && i < heaps.size(); ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  return bytes;
}

// Handle values are multiples of 4, handed out lowest first; the scan ends well past the
// highest value in use.
long OpenHandles() {
  constexpr std::uintptr_t kStep = 4;
  constexpr std::uintptr_t kGapAfterLast = 4096 * kStep;
  constexpr std::uintptr_t kLimit = std::uintptr_t{1} << 24;
  long count = 0;
  std::uintptr_t last = 0;
  for (std::uintptr_t value = kStep; value < kLimit && value <= last + kGapAfterLast; value += kStep) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
      ++count;
      last = value;
    }
  }
  return count;
}

long FreeTlsIndexes() {
  std::vector<DWORD> taken;
  for (DWORD index; (index = TlsAlloc()) != TLS_OUT_OF_INDEXES;) taken.push_back(index);
  for (DWORD index : taken) TlsFree(index);
  return static_cast<long>(taken.size());
}

BOOL CALLBACK CountChild(HWND, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  EnumChildWindows(window, &CountChild, counter);
  return TRUE;
}

long ThreadWindows() {
  long count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

void Line(std::string& out, const char* name, std::int64_t before, std::int64_t after) {
  char line[160];
  std::snprintf(line, sizeof line, "  %-16s %12lld -> %12lld  (%+lld)\n", name, static_cast<long long>(before),
                static_cast<long long>(after), static_cast<long long>(after - before));
  out += line;
}

}  // namespace

ProcessCounters SampleCounters() {
  ProcessCounters counters;
  counters.heapBytes = HeapBytesInUse();
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory)) {
    counters.pagefileBytes = static_cast<std::int64_t>(memory.PagefileUsage);
  }
  counters.handles = OpenHandles();
  counters.freeTlsIndexes = FreeTlsIndexes();
  counters.threadWindows = ThreadWindows();
  counters.gdiObjects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  counters.userObjects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  return counters;
}

std::string DescribeChange(const ProcessCounters& before, const ProcessCounters& after) {
  std::string out;
  Line(out, "heap bytes", before.heapBytes, after.heapBytes);
  Line(out, "pagefile bytes", before.pagefileBytes, after.pagefileBytes);
  Line(out, "handles", before.handles, after.handles);
  Line(out, "free TLS indexes", before.freeTlsIndexes, after.freeTlsIndexes);
  Line(out, "thread windows", before.threadWindows, after.threadWindows);
  Line(out, "GDI objects", before.gdiObjects, after.gdiObjects);
  Line(out, "USER objects", before.userObjects, after.userObjects);
  return out;
}

bool PinEveryLoadedModuleBut(HMODULE addin) {
  std::vector<HMODULE> modules(512);
  DWORD bytes = 0;
  if (!EnumProcessModules(GetCurrentProcess(), modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                          &bytes)) {
    return false;
  }
  modules.resize(bytes / sizeof(HMODULE));
  for (HMODULE module : modules) {
    if (module == addin) continue;
    HMODULE pinned = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                       reinterpret_cast<LPCWSTR>(module), &pinned);
  }
  return true;
}

}  // namespace zorvane::test
