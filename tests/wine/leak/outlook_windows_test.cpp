// Outlook stays up for days and opens and closes message windows all along: each asks for its
// tabs' visibility and its menus with control objects that Outlook lets go of at the window's
// close. A thousand windows must leave the process as they found it, every control free and
// only the kept ribbons held. The same check is first shown to see a leak planted in each window.
#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "support/addin_loader.h"
#include "support/host_params.h"
#include "support/load_cycles.h"
#include "support/outlook_driver.h"

namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::test;
using namespace zorvane::standin;

constexpr int kWindows = 1000;

enum class Planted { kNothing, kControlReference, kHeapBlock };  // in every window, on purpose

enum Leak : unsigned { kNone = 0, kHeap = 1, kHandles = 2, kTls = 4, kThreadWindows = 8, kControlsHeld = 16 };

struct Session {
  ProcessCounters before, after;
  long controlsHeld = 0, wrongAnswers = 0;  // as the driver counts them
  long applicationConnected = -1, applicationAfter = -1;
  std::array<long, 3> ribbonsConnected{}, ribbonsAfter{};  // by RibbonWindow
  HRESULT canUnload = E_FAIL;

  unsigned Leaks() const {
    return (after.heapBytes - before.heapBytes > kHeapNoise ? kHeap : kNone) |
           (after.handles - before.handles > kHandleNoise ? kHandles : kNone) |
           (after.freeTlsIndexes != before.freeTlsIndexes ? kTls : kNone) |
           (after.threadWindows != before.threadWindows ? kThreadWindows : kNone) | (controlsHeld != 0 ? kControlsHeld : kNone);
  }
};

// One Outlook session, counted from before the connection to the module's leave to unload.
void RunSession(HMODULE module, int windows, Planted planted, Session& out) {
  OutlookDriver outlook;
  std::vector<IUnknown*> plantedReferences;
  std::vector<void*> plantedBlocks;
  plantedReferences.reserve(windows);
  plantedBlocks.reserve(windows);
  out.before = SampleCounters();
  {
    ComPtr<IDispatch> addin;
    ASSERT_EQ(CreateAddinObject(module, IID_IDispatch, reinterpret_cast<void**>(addin.GetAddressOf()),
                                kHosts[zorvane::HostIndex(zorvane::OfficeHost::Outlook)].classId), S_OK);
    ASSERT_TRUE(outlook.Connect(addin));
  }
  for (int i = 0; i < windows; ++i) {
    outlook.OpenAndClose(i, [&](const OutlookDriver::Controls& controls) {
      if (planted == Planted::kControlReference) {
        controls.back()->AddRef();
        plantedReferences.push_back(controls.back().Get());
      }
    });
    if (planted == Planted::kHeapBlock) plantedBlocks.push_back(HeapAlloc(GetProcessHeap(), 0, 64));
  }
  out.applicationConnected = outlook.application.outstanding();
  for (std::size_t k = 0; k < 3; ++k) out.ribbonsConnected[k] = outlook.ribbons[k].outstanding();
  EXPECT_TRUE(outlook.Disconnect());
  // The module keeps the ribbons until it is asked whether it may go.
  out.canUnload = CanUnloadNow(module);
  out.applicationAfter = outlook.application.outstanding();
  for (std::size_t k = 0; k < 3; ++k) out.ribbonsAfter[k] = outlook.ribbons[k].outstanding();
  out.controlsHeld = outlook.controlsHeld();
  out.wrongAnswers = outlook.wrongAnswers();
  out.after = SampleCounters();
  for (IUnknown* control : plantedReferences) control->Release();
  for (void* block : plantedBlocks) HeapFree(GetProcessHeap(), 0, block);
}

struct Row {
  const char* name;  // the test's
  Planted planted;
  unsigned seen;  // what the check must report
};

class OutlookWindows : public ::testing::TestWithParam<Row> {};

TEST_P(OutlookWindows, AThousandWindowsLeaveWhatIsPlantedAndNothingElse) {
  CoInitialize(nullptr);
  DeleteHostKeys();  // every switch on: each visibility answer is true
  HMODULE module = LoadLibraryW(ZorvaneDllPath().c_str());
  ASSERT_NE(module, nullptr);
  Session warmUp, session;
  RunSession(module, 4, Planted::kNothing, warmUp);  // first-use costs of the module and the system
  RunSession(module, kWindows, GetParam().planted, session);
  FreeLibrary(module);
  DeleteHostKeys();
  std::printf("%d windows, planted %s:\n%s", kWindows, GetParam().name, DescribeChange(session.before, session.after).c_str());

  EXPECT_EQ(session.Leaks(), GetParam().seen);
  EXPECT_EQ(session.controlsHeld, GetParam().planted == Planted::kControlReference ? kWindows : 0);
  EXPECT_EQ(warmUp.wrongAnswers + session.wrongAnswers, 0);
  EXPECT_EQ(session.applicationConnected, 1);
  EXPECT_EQ(session.ribbonsConnected, (std::array<long, 3>{1, 1, 1})) << "each ribbon kept once";
  EXPECT_EQ(session.canUnload, S_OK);
  EXPECT_EQ(session.applicationAfter, 0);
  EXPECT_EQ(session.ribbonsAfter, (std::array<long, 3>{0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Planted, OutlookWindows,
                         ::testing::Values(Row{"Nothing", Planted::kNothing, kNone},
                                           Row{"AControlReference", Planted::kControlReference, kHeap | kControlsHeld},
                                           Row{"AHeapBlock", Planted::kHeapBlock, kHeap}),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
