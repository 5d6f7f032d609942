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

#include "host_objects.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "support/addin_loader.h"
#include "support/host_params.h"
#include "support/load_cycles.h"

namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::test;
using namespace zorvane::standin;
using zorvane::settings::RibbonWindow;

const HostDescription& OutlookHost() { return kHosts[zorvane::HostIndex(zorvane::OfficeHost::Outlook)]; }
constexpr auto kOutlook = zorvane::OfficeHost::Outlook;
constexpr auto kVersionRead = zorvane::OfficeVersion::k2019;  // what "16.0.0.17928" is
constexpr auto kLanguage = zorvane::UiLanguage::kEnglish;     // what LCID 1033 gives
constexpr int kWindows = 1000;

std::wstring Wide(std::u16string_view text) { return {text.begin(), text.end()}; }

enum class Planted { kNothing, kControlReference, kHeapBlock };  // in every window, on purpose

enum Leak : unsigned { kNone = 0, kHeap = 1, kHandles = 2, kTls = 4, kThreadWindows = 8, kControlsHeld = 16 };

struct Session {
  ProcessCounters before, after;
  long controlsHeld = 0;  // controls with a reference beyond Outlook's at their window's close
  long wrongAnswers = 0;  // failed calls included
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

// One Outlook session, counted from before the connection to the module's leave to unload: the
// explorer's ribbon, then `windows` message windows, compose and read in turn.
void RunSession(HMODULE module, int windows, Planted planted, Session& out) {
  StandInApplication application(OutlookHost());
  application.AnswerLanguage(1033);
  application.AnswerVersion(L"16.0.0.17928", std::nullopt);
  std::array<StandInRibbon, 3> ribbons;
  std::vector<IUnknown*> plantedReferences;
  std::vector<void*> plantedBlocks;
  plantedReferences.reserve(windows);
  plantedBlocks.reserve(windows);
  std::array<bool, 3> loaded{};
  out.before = SampleCounters();
  {
    ComPtr<IDispatch> addin;
    ComPtr<_IDTExtensibility2> connection;
    ComPtr<IRibbonExtensibility> extensibility;
    ASSERT_EQ(CreateAddinObject(module, IID_IDispatch, reinterpret_cast<void**>(addin.GetAddressOf()),
                                OutlookHost().classId), S_OK);
    ASSERT_EQ(addin.As(&connection), S_OK);
    ASSERT_EQ(addin.As(&extensibility), S_OK);
    ASSERT_EQ(connection->OnConnection(&application, ext_cm_Startup, nullptr, nullptr), S_OK);
    auto invoke = [&](const wchar_t* name, IDispatch* argument, const std::wstring& expected) {
      InvokeResult result;
      InvokeByName(addin.Get(), name, {DispatchArgument(argument)}, result);
      const bool right = result.hr == S_OK && (V_VT(&result.value) == VT_BOOL ? V_BOOL(&result.value) == VARIANT_TRUE
                                                                                : result.Text() == expected);
      out.wrongAnswers += right ? 0 : 1;
    };
    // Outlook asks for a ribbon's document once, when the first window of its kind opens.
    auto open = [&](RibbonWindow window) {
      const auto index = static_cast<std::size_t>(window);
      if (loaded[index]) return;
      loaded[index] = true;
      const zorvane::ribbon::HostRibbon& row = zorvane::ribbon::kHostRibbons[*zorvane::ribbon::DocumentOf(kOutlook, window)];
      BSTR id = SysAllocString(Wide(row.ribbonId).c_str());
      BSTR document = nullptr;
      const bool right = extensibility->GetCustomUI(id, &document) == S_OK &&
                         Wide(zorvane::ribbon::RibbonDocument(kOutlook, kVersionRead, kLanguage, window)) ==
                             std::wstring(document, SysStringLen(document));
      out.wrongAnswers += right ? 0 : 1;
      SysFreeString(document);
      SysFreeString(id);
      invoke(L"rxcustomUI_onLoad", &ribbons[index], L"");
    };
    open(RibbonWindow::kMain);
    for (int i = 0; i < windows; ++i) {
      const RibbonWindow window = i % 2 == 0 ? RibbonWindow::kCompose : RibbonWindow::kRead;
      open(window);
      std::vector<ComPtr<StandInControl>> controls;  // Outlook's, released at the window's close
      for (const zorvane::settings::SwitchableTab& tab : zorvane::settings::SwitchesOf(kOutlook).tabs) {
        for (const zorvane::settings::GovernedTab& governed : tab.Governed()) {
          if ((governed.windows & zorvane::settings::WindowBit(window)) == 0 || governed.since > kVersionRead) continue;
          controls.push_back(StandInControl::Create(Wide(governed.idMso), L""));
          invoke(L"GetVisible", controls.back().Get(), L"");
        }
      }
      controls.push_back(StandInControl::Create(Wide(zorvane::ribbon::id::kMenuAll), L""));
      invoke(L"GetVisible", controls.back().Get(), L"");
      const std::wstring prefix(Wide(zorvane::ribbon::kHostRibbons[*zorvane::ribbon::DocumentOf(kOutlook, window)].menuIdPrefix));
      for (const std::u16string_view tag : zorvane::ribbon::MenuTags(kOutlook, window)) {
        for (const wchar_t* copy : {L"I", L"II"}) {
          controls.push_back(StandInControl::Create(prefix + Wide(tag) + copy, Wide(tag)));
          invoke(L"rxQuelby_get", controls.back().Get(), Wide(zorvane::ribbon::MenuContent(kOutlook, tag, kLanguage, window)));
        }
      }
      if (planted == Planted::kControlReference) {
        controls.back()->AddRef();
        plantedReferences.push_back(controls.back().Get());
      }
      if (planted == Planted::kHeapBlock) plantedBlocks.push_back(HeapAlloc(GetProcessHeap(), 0, 64));
      for (const ComPtr<StandInControl>& control : controls) out.controlsHeld += control->outstanding() != 0 ? 1 : 0;
    }
    out.applicationConnected = application.outstanding();
    for (std::size_t k = 0; k < ribbons.size(); ++k) out.ribbonsConnected[k] = ribbons[k].outstanding();
    EXPECT_EQ(connection->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
  }
  // The module keeps the ribbons until it is asked whether it may go.
  out.canUnload = CanUnloadNow(module);
  out.applicationAfter = application.outstanding();
  for (std::size_t k = 0; k < ribbons.size(); ++k) out.ribbonsAfter[k] = ribbons[k].outstanding();
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
