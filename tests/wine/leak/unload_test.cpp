// A host loads and unloads the add-in's module once per session, and a long-lived host many
// times over. Each cycle must leave nothing behind: no handle, no TLS index (a process has
// about a thousand), no heap. The counters are first shown to see a leak made on purpose.
#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstdio>
#include <string>

#include "support/addin_loader.h"
#include "host_objects.h"
#include "support/load_cycles.h"

namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::test;
using namespace zorvane::standin;

// What the system's loader itself takes in the process heap for a module while it is loaded.
constexpr std::int64_t kLoaderHeap = 8 * 1024;

class AddinUnload : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { PinWhatTheAddinLoads(); }

  template <typename Use>
  void ExpectNothingLeftAfter(int cycles, Use&& use) {
    ProcessCounters before, after;
    CountAcrossCycles(cycles, use, before, after);
    EXPECT_EQ(after.freeTlsIndexes, before.freeTlsIndexes) << "TLS indexes taken and never given back";
    EXPECT_LE(after.handles - before.handles, kHandleNoise) << "handles left open";
    EXPECT_LE(after.heapBytes - before.heapBytes, kHeapNoise) << "heap left allocated";
  }
};

TEST_F(AddinUnload, CountersSeeALeakMadeOnPurpose) {
  const ProcessCounters before = SampleCounters();
  const DWORD index = TlsAlloc();
  HANDLE events[3] = {CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr),
                      CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  void* block = HeapAlloc(GetProcessHeap(), 0, 256 * 1024);
  const ProcessCounters leaking = SampleCounters();
  TlsFree(index);
  for (HANDLE event : events) CloseHandle(event);
  HeapFree(GetProcessHeap(), 0, block);
  const ProcessCounters after = SampleCounters();

  EXPECT_EQ(leaking.freeTlsIndexes, before.freeTlsIndexes - 1);
  EXPECT_EQ(leaking.handles, before.handles + 3);
  EXPECT_GE(leaking.heapBytes - before.heapBytes, 256 * 1024);
  EXPECT_EQ(after.freeTlsIndexes, before.freeTlsIndexes);
  EXPECT_EQ(after.handles, before.handles);
  EXPECT_LT(after.heapBytes - before.heapBytes, 256 * 1024);
}

TEST_F(AddinUnload, LoadingAndUnloadingLeavesNothingBehind) {
  ExpectNothingLeftAfter(300, [](HMODULE) {});
}

// A bare load takes no memory of the module's own, so there is none that an unload could leave
// behind, whatever becomes of a statically linked runtime at unload. (A module that carries the
// C++ runtime's exception machinery sets aside its emergency reserve at every load.)
TEST_F(AddinUnload, LoadingTakesNoMemoryOfItsOwn) {
  HMODULE warmUp = LoadLibraryW(ZorvaneDllPath().c_str());
  ASSERT_NE(warmUp, nullptr);
  FreeLibrary(warmUp);
  const ProcessCounters before = SampleCounters();
  HMODULE module = LoadLibraryW(ZorvaneDllPath().c_str());
  ASSERT_NE(module, nullptr);
  const ProcessCounters loaded = SampleCounters();
  FreeLibrary(module);
  std::printf("one load:\n%s", DescribeChange(before, loaded).c_str());
  EXPECT_LE(loaded.heapBytes - before.heapBytes, kLoaderHeap) << "heap taken at load";
  EXPECT_EQ(loaded.freeTlsIndexes, before.freeTlsIndexes) << "TLS index taken at load";
}

TEST_F(AddinUnload, ASessionWithTheObjectLeavesNothingBehind) {
  StandInApplication application;
  StandInRibbon ribbon;
  ExpectNothingLeftAfter(60, [&](HMODULE module) {
    {
      ComPtr<_IDTExtensibility2> addin;
      ASSERT_EQ(CreateAddinObject(module, addin), S_OK);
      SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
      ASSERT_EQ(addin->OnConnection(&application, ext_cm_Startup, nullptr, &custom), S_OK);
      ComPtr<IDispatch> dispatch;
      ASSERT_EQ(addin.As(&dispatch), S_OK);
      InvokeResult document, loaded, visible;
      InvokeByName(dispatch.Get(), L"GetRibbonXML", {}, document);
      EXPECT_EQ(document.hr, S_OK);
      InvokeByName(dispatch.Get(), L"rxcustomUI_onLoad", {DispatchArgument(&ribbon)}, loaded);
      EXPECT_EQ(loaded.hr, S_OK);
      StandInControl tab(L"TabReview", L"");
      InvokeByName(dispatch.Get(), L"GetVisible", {DispatchArgument(&tab)}, visible);
      EXPECT_EQ(visible.hr, S_OK);
      EXPECT_EQ(addin->OnDisconnection(ext_dm_HostShutdown, &custom), S_OK);
      SafeArrayDestroy(custom);
    }
    // The module keeps the ribbon until it is asked whether it may go.
    ASSERT_EQ(CanUnloadNow(module), S_OK);
    EXPECT_EQ(application.outstanding(), 0);
    EXPECT_EQ(ribbon.outstanding(), 0);
  });
}

}  // namespace
