// Long runs through the real Zorvane.dll, as a host that stays up for days would drive it,
// printing for each loop what the process holds before and after: heap bytes in use, open
// handles, free TLS indexes, this thread's windows (and the two Windows-only GUI counts,
// which Wine reports as 0). First it leaks each of those on purpose, to show that the
// counters see a leak on this system, and measures their noise over an idle pass.
//   soak.exe <path of Zorvane.dll> [calls per callback] [module cycles] [dialog openings]
//            [Outlook message windows]
// Defaults: 100000 1000 200 10000. The module is registered for the run (COM loads and unloads
// it) and unregistered at the end.
#include <windows.h>

#include <gtest/gtest.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <deque>
#include <string>
#include <vector>

#include "dialogs/dialog_driver.h"
#include "ribbon/menu_contents.h"
#include "ribbon/visibility.h"
#include "support/addin_loader.h"
#include "support/outlook_driver.h"
#include "host_objects.h"
#include "support/proc_address.h"
#include "support/process_counters.h"

namespace {

using Microsoft::WRL::ComPtr;
using zorvane::test::DispatchArgument;
using zorvane::test::DispIdOf;
using zorvane::test::kConnectClsid;
using zorvane::test::ProcessCounters;
using zorvane::test::SampleCounters;
using zorvane::standin::StandInApplication;
using zorvane::standin::StandInControl;
using zorvane::standin::StandInRibbon;

double Seconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void PrintChange(const char* loop, const ProcessCounters& before, const ProcessCounters& after, double seconds) {
  std::printf("%s (%.1f s)\n%s\n", loop, seconds, zorvane::test::DescribeChange(before, after).c_str());
  std::fflush(stdout);
}

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// Each counter next to a leak of its kind made on purpose, then given back; and the idle
// drift of all of them, the floor against which the loops below are read.
void ShowCountersSeeLeaks() {
  const ProcessCounters before = SampleCounters();
  const DWORD index = TlsAlloc();
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  void* block = HeapAlloc(GetProcessHeap(), 0, 256 * 1024);
  void* committed = VirtualAlloc(nullptr, 4 << 20, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const ProcessCounters leaking = SampleCounters();
  DestroyWindow(window);
  VirtualFree(committed, 0, MEM_RELEASE);
  HeapFree(GetProcessHeap(), 0, block);
  CloseHandle(event);
  TlsFree(index);
  PrintChange("Deliberate leak: 1 TLS index, 1 event, 256 KB heap, 4 MB committed, 1 window", before, leaking, 0);
  const double start = Seconds();
  const ProcessCounters idleBefore = SampleCounters();
  Sleep(1000);
  const ProcessCounters idleAfter = SampleCounters();
  PrintChange("Noise: an idle second", idleBefore, idleAfter, Seconds() - start);
}

// The add-in object connected to the stand-in host, its ribbon loaded, as after start-up.
struct Session {
  ComPtr<_IDTExtensibility2> addin;
  ComPtr<IDispatch> dispatch;

  bool Open(StandInApplication& application, StandInRibbon& ribbon) {
    if (FAILED(CoCreateInstance(kConnectClsid, nullptr, CLSCTX_INPROC_SERVER, IID__IDTExtensibility2,
                                reinterpret_cast<void**>(addin.GetAddressOf())))) {
      return false;
    }
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    const HRESULT connected = addin->OnConnection(&application, ext_cm_Startup, nullptr, &custom);
    SafeArrayDestroy(custom);
    if (FAILED(connected) || FAILED(addin.As(&dispatch))) return false;
    ComPtr<IRibbonExtensibility> extensibility;
    BSTR document = nullptr;
    BSTR ribbonId = SysAllocString(L"Microsoft.PowerPoint.Presentation");
    const bool documented = SUCCEEDED(addin.As(&extensibility)) &&
                            SUCCEEDED(extensibility->GetCustomUI(ribbonId, &document)) && document != nullptr;
    SysFreeString(ribbonId);
    SysFreeString(document);
    zorvane::test::InvokeResult loaded;
    InvokeByName(dispatch.Get(), L"rxcustomUI_onLoad", {DispatchArgument(&ribbon)}, loaded);
    return documented && loaded.hr == S_OK;
  }

  bool Close() {
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    const HRESULT hr = addin->OnDisconnection(ext_dm_HostShutdown, &custom);
    SafeArrayDestroy(custom);
    dispatch.Reset();
    addin.Reset();
    // As COM does when the host calls it: the module, now unused, lets go of the ribbon and
    // unloads, while this loop's stand-ins are still alive to be released.
    CoFreeUnusedLibrariesEx(0, 0);
    return SUCCEEDED(hr);
  }
};

// `count` calls of one callback by its DISPID (bound once by name, as the host does), with a
// control argument; the failures are counted.
long CallRepeatedly(IDispatch* object, DISPID id, IDispatch* argumentObject, long count) {
  VARIANT argument = DispatchArgument(argumentObject);
  DISPPARAMS params{argumentObject != nullptr ? &argument : nullptr, nullptr, argumentObject != nullptr ? 1u : 0u, 0};
  long failures = 0;
  for (long call = 0; call < count; ++call) {
    VARIANT result;
    VariantInit(&result);
    if (FAILED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr, nullptr))) {
      ++failures;
    }
    VariantClear(&result);
  }
  return failures;
}

bool CallbackLoop(long calls) {
  StandInApplication application;
  StandInRibbon ribbon;
  Session session;
  if (!session.Open(application, ribbon)) return false;
  IDispatch* object = session.dispatch.Get();
  // Every control the host asks about, with the callback it asks and a label for the figures.
  std::deque<StandInControl> controls;  // the stand-ins stay where they are made
  std::vector<DISPID> ids;
  std::vector<std::wstring> labels;
  for (std::u16string_view id : zorvane::ribbon::VisibilityIds(zorvane::OfficeHost::PowerPoint)) {
    controls.emplace_back(Wide(id), L"");
    ids.push_back(DispIdOf(object, L"GetVisible"));
    labels.push_back(L"GetVisible " + Wide(id));
  }
  for (std::u16string_view tag : zorvane::ribbon::MenuTags(zorvane::OfficeHost::PowerPoint)) {
    controls.emplace_back(L"rxMenu", Wide(tag));
    ids.push_back(DispIdOf(object, L"rxQuelby_get"));
    labels.push_back(L"rxQuelby_get " + Wide(tag));
  }
  const DISPID documentId = DispIdOf(object, L"GetRibbonXML");
  long failures = 0;
  std::string rates;
  auto everyCallback = [&](long count) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const double start = Seconds();
      failures += CallRepeatedly(object, ids[i], &controls[i], count);
      char rate[128];
      std::snprintf(rate, sizeof rate, "  %-28ls %8.0f ns per call\n", labels[i].c_str(),
                    (Seconds() - start) * 1e9 / count);
      rates += rate;
    }
    const double start = Seconds();
    failures += CallRepeatedly(object, documentId, nullptr, count);
    char rate[128];
    std::snprintf(rate, sizeof rate, "  %-28s %8.0f ns per call\n", "GetRibbonXML",
                  (Seconds() - start) * 1e9 / count);
    rates += rate;
  };
  everyCallback(1);  // first calls take the module's and the runtime's one-time costs
  rates.clear();
  failures = 0;
  const ProcessCounters before = SampleCounters();
  const double start = Seconds();
  everyCallback(calls);
  const ProcessCounters after = SampleCounters();
  char title[160];
  std::snprintf(title, sizeof title, "Loop 1: %ld calls of each of %zu callbacks through Invoke, %ld failed", calls,
                controls.size() + 1, failures);
  PrintChange(title, before, after, Seconds() - start);
  std::printf("%s\n", rates.c_str());
  return session.Close() && failures == 0;
}

bool ModuleCycleLoop(const std::wstring& dllPath, long cycles) {
  StandInApplication application;
  StandInRibbon ribbon;
  const long applicationHeld = application.outstanding();
  const long ribbonHeld = ribbon.outstanding();
  long failed = 0, stayedLoaded = 0, referencesKept = 0;
  auto cycle = [&] {
    Session session;
    const bool used = session.Open(application, ribbon);
    if (used) {
      for (const wchar_t* id : {L"TabHome", L"MenuAll"}) {
        StandInControl control(id, L"");
        zorvane::test::InvokeResult visible;
        InvokeByName(session.dispatch.Get(), L"GetVisible", {DispatchArgument(&control)}, visible);
        if (visible.hr != S_OK) ++failed;
      }
      StandInControl menu(L"rxMenu", L"Edit");
      zorvane::test::InvokeResult content;
      InvokeByName(session.dispatch.Get(), L"rxQuelby_get", {DispatchArgument(&menu)}, content);
      if (content.hr != S_OK) ++failed;
    }
    if (!used || !session.Close()) ++failed;
    if (GetModuleHandleW(dllPath.c_str()) != nullptr) ++stayedLoaded;
    if (application.outstanding() != applicationHeld || ribbon.outstanding() != ribbonHeld) ++referencesKept;
  };
  cycle();  // COM's own first-use costs
  const ProcessCounters before = SampleCounters();
  const double start = Seconds();
  for (long i = 0; i < cycles; ++i) cycle();
  const ProcessCounters after = SampleCounters();
  char title[256];
  std::snprintf(title, sizeof title,
                "Loop 2: %ld cycles of create, connect, document, load, 3 callbacks, disconnect, release, unload;\n"
                "        %ld failed calls, %ld cycles left the module loaded, %ld left references held\n"
                "        (application %ld -> %ld, ribbon %ld -> %ld)",
                cycles, failed, stayedLoaded, referencesKept, applicationHeld, application.outstanding(), ribbonHeld,
                ribbon.outstanding());
  PrintChange(title, before, after, Seconds() - start);
  return failed == 0 && stayedLoaded == 0 && referencesKept == 0;
}

// Opens a dialog by its command and closes it with `button`, as a user would.
HRESULT OpenAndClose(IDispatch* object, const wchar_t* command, const wchar_t* buttonId, const wchar_t* caption,
                     const wchar_t* button) {
  using namespace zorvane::dialogs::test;
  return ShowAndDrive(
      caption,
      [&] {
        StandInControl clicked(buttonId, L"");
        return zorvane::test::ClickByName(object, command, &clicked);
      },
      [&](HWND dialog) { PressButton(FindControl(dialog, L"Button", button)); });
}

bool DialogLoop(long openings) {
  zorvane::dialogs::test::HostWindow hostWindow;
  SetForegroundWindow(hostWindow.get());
  StandInApplication application;
  StandInRibbon ribbon;
  Session session;
  if (!session.Open(application, ribbon)) return false;
  struct Dialog {
    const wchar_t* command;
    const wchar_t* buttonId;
    const wchar_t* caption;
    const wchar_t* closeButton;
  };
  const Dialog dialogs[] = {{L"CustomMenu", L"Dingzhi", L"自定义", L"取消"},
                            {L"AboutMenu", L"AboutMe", L"关于Quelby", L"确定"}};
  bool allClosed = true;
  for (const Dialog& dialog : dialogs) {
    OpenAndClose(session.dispatch.Get(), dialog.command, dialog.buttonId, dialog.caption, dialog.closeButton);
    const ProcessCounters before = SampleCounters();
    const double start = Seconds();
    long failed = 0;
    for (long opening = 0; opening < openings; ++opening) {
      if (OpenAndClose(session.dispatch.Get(), dialog.command, dialog.buttonId, dialog.caption,
                       dialog.closeButton) != S_OK) {
        ++failed;
      }
    }
    const ProcessCounters after = SampleCounters();
    char title[160];
    std::snprintf(title, sizeof title, "Loop 3: %ld openings and closings of \"%ls\" through Invoke, %ld failed",
                  openings, dialog.command, failed);
    PrintChange(title, before, after, Seconds() - start);
    allClosed = allClosed && failed == 0;
  }
  return session.Close() && allClosed;
}

// Outlook up for a long day: one connection, its explorer's ribbon, then message windows opened
// and closed, compose and read in turn, each asking what Outlook asks of a window.
bool OutlookWindowLoop(long windows) {
  zorvane::test::OutlookDriver outlook;
  ComPtr<IDispatch> addin;
  const CLSID& outlookClass = zorvane::standin::kHosts[zorvane::HostIndex(zorvane::OfficeHost::Outlook)].classId;
  if (FAILED(CoCreateInstance(outlookClass, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(addin.GetAddressOf()))) ||
      !outlook.Connect(addin)) {
    return false;
  }
  addin.Reset();
  outlook.OpenAndClose(0);  // the first of each kind loads its ribbon
  outlook.OpenAndClose(1);
  const ProcessCounters before = SampleCounters();
  const double start = Seconds();
  for (long i = 0; i < windows; ++i) outlook.OpenAndClose(static_cast<int>(i));
  const ProcessCounters after = SampleCounters();
  const double seconds = Seconds() - start;
  const long held[] = {outlook.application.outstanding(), outlook.ribbons[0].outstanding(),
                       outlook.ribbons[1].outstanding(), outlook.ribbons[2].outstanding()};
  char title[320];
  std::snprintf(title, sizeof title,
                "Loop 4: Outlook, %ld message windows opened and closed (%.1f us each), %ld wrong answers,\n"
                "        %ld controls held at their window's close; held: application %ld, ribbons %ld %ld %ld",
                windows, seconds * 1e6 / static_cast<double>(windows), outlook.wrongAnswers(), outlook.controlsHeld(),
                held[0], held[1], held[2], held[3]);
  PrintChange(title, before, after, seconds);
  const bool disconnected = outlook.Disconnect();
  CoFreeUnusedLibrariesEx(0, 0);  // the module lets go of the ribbons before they go
  return disconnected && outlook.wrongAnswers() == 0 && outlook.controlsHeld() == 0 && held[0] == 1 && held[1] == 1 &&
         held[2] == 1 && held[3] == 1 && outlook.ribbons[0].outstanding() == 0 && outlook.ribbons[1].outstanding() == 0 &&
         outlook.ribbons[2].outstanding() == 0;
}

// The module's own registration, so that COM can load and unload it by its class.
bool CallEntry(const std::wstring& dllPath, const char* entry) {
  HMODULE module = LoadLibraryW(dllPath.c_str());
  if (module == nullptr) return false;
  auto function = zorvane::test::ProcAddress<HRESULT(WINAPI*)()>(module, entry);
  const bool done = function != nullptr && SUCCEEDED(function());
  FreeLibrary(module);
  return done;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: soak <Zorvane.dll> [calls per callback] [module cycles] [dialog openings] [Outlook windows]\n");
    return 2;
  }
  // Full paths: the module is found again by the path COM registered.
  wchar_t full[MAX_PATH];
  if (GetFullPathNameW(argv[1], MAX_PATH, full, nullptr) == 0) return 2;
  const std::wstring dllPath = full;
  const long calls = argc > 2 ? std::max(1, _wtoi(argv[2])) : 100000;
  const long cycles = argc > 3 ? std::max(1, _wtoi(argv[3])) : 1000;
  const long openings = argc > 4 ? std::max(1, _wtoi(argv[4])) : 200;
  const long messageWindows = argc > 5 ? std::max(1, _wtoi(argv[5])) : 10000;
  ::testing::InitGoogleTest(&argc, argv);  // the dialog driver reports through GoogleTest

  CoInitialize(nullptr);
  if (!CallEntry(dllPath, "DllRegisterServer")) {
    std::fprintf(stderr, "soak: cannot register %ls\n", dllPath.c_str());
    return 1;
  }
  std::printf("Soak of %ls: %ld calls per callback, %ld module cycles, %ld openings per dialog, %ld Outlook windows.\n\n",
              dllPath.c_str(), calls, cycles, openings, messageWindows);
  ShowCountersSeeLeaks();
  bool ok = CallbackLoop(calls);
  ok = ModuleCycleLoop(dllPath, cycles) && ok;
  ok = DialogLoop(openings) && ok;
  ok = OutlookWindowLoop(messageWindows) && ok;
  CallEntry(dllPath, "DllUnregisterServer");
  CoUninitialize();
  const bool driverFailed = ::testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed();
  std::printf("%s\n", ok && !driverFailed ? "Every loop completed." : "Some calls failed (see above).");
  return ok && !driverFailed ? 0 : 1;
}
