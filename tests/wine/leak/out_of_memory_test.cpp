// The add-in under out-of-memory, as a host would meet it: the real DLL with its own malloc,
// calloc and realloc refusing the n-th request of a session, alone or with every one after it
// (memory gone for good), n stepped through every request a session makes. Every call must
// end in a status (E_OUTOFMEMORY or the callback's fallback), never in an abort of the host;
// no user setting may change; a load in which something was thrown must leave nothing behind;
// and once memory is back every call succeeds again. The 32-bit build is also run with another
// module's copy of the compiler's unwinder (libgcc_s_dw2-1.dll) loaded first, which must not
// take over the add-in's unwinding.
//
// A refusal that aborts ends the process, so the sessions run in a child: this program with
// --host. The parent counts the children that died and starts a new one after the step
// where the last one died.
#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "host_objects.h"
#include "support/addin_loader.h"
#include "support/child_process.h"
#include "support/proc_address.h"
#include "support/process_counters.h"
#include "support/registry_snapshot.h"
#include "support/test_paths.h"

namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::test;
using namespace zorvane::standin;

const std::wstring kSettingsKey = L"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint";
constexpr const char* kSwitches[] = {"ShowAllMenu",  "TabHome",   "TabInsert", "TabDesign",   "TabAnimations",
                                     "TabSlideShow", "TabReview", "TabView",   "TabDeveloper"};

// Every switch stored, the review tab hidden by the user: a load that writes anything changes
// this. Written as the add-in writes them, each text with its NUL counted.
void StoreUserSettings() {
  for (const char* name : kSwitches) {
    const BYTE text = std::strcmp(name, "TabReview") == 0 ? '0' : '1';
    SetRawValueA(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, {text, 0});
  }
}

// --- the add-in's own allocations, refused on demand -------------------------------------------

using MallocFunction = void*(__cdecl*)(size_t);
using CallocFunction = void*(__cdecl*)(size_t, size_t);
using ReallocFunction = void*(__cdecl*)(void*, size_t);
MallocFunction realMalloc;
CallocFunction realCalloc;
ReallocFunction realRealloc;

long refuseAt = -1;  // -1: none; n: the n-th request since Refuse
bool refuseOnward = false;  // and every one after it
long requests = 0;

bool Refused() { return ++requests == refuseAt || (refuseOnward && refuseAt > 0 && requests > refuseAt); }
void* __cdecl RefusingMalloc(size_t size) { return Refused() ? nullptr : realMalloc(size); }
void* __cdecl RefusingCalloc(size_t count, size_t size) { return Refused() ? nullptr : realCalloc(count, size); }
void* __cdecl RefusingRealloc(void* block, size_t size) { return Refused() ? nullptr : realRealloc(block, size); }

// The slot of `module`'s import table through which it calls `function` of msvcrt.dll.
void** CrtImportSlot(HMODULE module, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); dll->Name != 0; ++dll) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + dll->Name), "msvcrt.dll") != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
    auto* slots = reinterpret_cast<void**>(base + dll->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* named = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(named->Name), function) == 0) return slots;
    }
  }
  return nullptr;
}

void* ReplaceSlot(void** slot, void* value) {
  DWORD protection = 0;
  VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &protection);
  void* previous = *slot;
  *slot = value;
  VirtualProtect(slot, sizeof(void*), protection, &protection);
  return previous;
}

// Points the add-in's allocation imports at the refusing filters while it lives.
class Starvation {
 public:
  explicit Starvation(HMODULE addin)
      : malloc_(CrtImportSlot(addin, "malloc")), calloc_(CrtImportSlot(addin, "calloc")),
        realloc_(CrtImportSlot(addin, "realloc")) {
    if (!patched()) return;
    realMalloc = reinterpret_cast<MallocFunction>(ReplaceSlot(malloc_, reinterpret_cast<void*>(&RefusingMalloc)));
    realCalloc = reinterpret_cast<CallocFunction>(ReplaceSlot(calloc_, reinterpret_cast<void*>(&RefusingCalloc)));
    realRealloc = reinterpret_cast<ReallocFunction>(ReplaceSlot(realloc_, reinterpret_cast<void*>(&RefusingRealloc)));
  }
  ~Starvation() {
    refuseAt = -1;
    if (!patched()) return;
    ReplaceSlot(malloc_, reinterpret_cast<void*>(realMalloc));
    ReplaceSlot(calloc_, reinterpret_cast<void*>(realCalloc));
    ReplaceSlot(realloc_, reinterpret_cast<void*>(realRealloc));
  }
  bool patched() const { return malloc_ != nullptr && calloc_ != nullptr && realloc_ != nullptr; }
  void Refuse(long at, bool onward = false) {
    requests = 0;
    refuseAt = at;
    refuseOnward = onward;
  }
  void End() { refuseAt = -1; }

 private:
  void** malloc_;
  void** calloc_;
  void** realloc_;
};

// The dialogs that the commands open are cancelled as soon as they are set up.
LRESULT CALLBACK CloseEveryDialog(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_INITDIALOG) PostMessageW(message->hwnd, WM_CLOSE, 0, 0);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// --- the host's session, run in the child ------------------------------------------------------

// What one session saw: a status other than success or out-of-memory is a fault, and so is
// any failure once memory is back.
struct SessionLog {
  std::ostringstream faults;
  void Check(const char* call, HRESULT hr, bool starved) {
    if (hr == S_OK || (starved && hr == E_OUTOFMEMORY)) return;
    faults << ' ' << call << "=0x" << std::hex << static_cast<unsigned long>(hr) << std::dec;
  }
};

// The host's objects outlive the module's unload, which lets the ribbon go.
struct HostObjects {
  StandInApplication application;
  StandInRibbon ribbon;
};

// Every entry point a host uses in one connection, in its order. Returns the review tab's answer.
VARIANT_BOOL RunSession(HMODULE addin, HostObjects& host, bool starved, SessionLog& log) {
  StandInApplication& application = host.application;
  StandInRibbon& ribbon = host.ribbon;
  auto getClassObject = ProcAddress<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(addin, "DllGetClassObject");
  ComPtr<IClassFactory> factory;
  HRESULT hr = getClassObject(kConnectClsid, IID_IClassFactory, reinterpret_cast<void**>(factory.GetAddressOf()));
  log.Check("DllGetClassObject", hr, starved);
  if (FAILED(hr)) return VARIANT_TRUE;
  ComPtr<_IDTExtensibility2> object;
  hr = factory->CreateInstance(nullptr, IID__IDTExtensibility2, reinterpret_cast<void**>(object.GetAddressOf()));
  log.Check("CreateInstance", hr, starved);
  if (FAILED(hr)) return VARIANT_TRUE;
  SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  log.Check("OnConnection", object->OnConnection(&application, ext_cm_Startup, nullptr, &custom), starved);
  ComPtr<IDispatch> dispatch;
  object.As(&dispatch);
  InvokeResult document, loaded, visible, content;
  InvokeByName(dispatch.Get(), L"GetRibbonXML", {}, document);
  log.Check("GetRibbonXML", document.hr, starved);
  InvokeByName(dispatch.Get(), L"rxcustomUI_onLoad", {DispatchArgument(&ribbon)}, loaded);
  log.Check("rxcustomUI_onLoad", loaded.hr, starved);
  StandInControl review(L"TabReview", L"");
  InvokeByName(dispatch.Get(), L"GetVisible", {DispatchArgument(&review)}, visible);
  log.Check("GetVisible", visible.hr, starved);
  StandInControl menu(L"TabHome", L"File");
  InvokeByName(dispatch.Get(), L"rxQuelby_get", {DispatchArgument(&menu)}, content);
  log.Check("rxQuelby_get", content.hr, starved);
  StandInControl button(L"Dingzhi", L"");
  log.Check("CustomMenu", ClickByName(dispatch.Get(), L"CustomMenu", &button), starved);
  log.Check("AboutMenu", ClickByName(dispatch.Get(), L"AboutMenu", &button), starved);
  log.Check("OnDisconnection", object->OnDisconnection(ext_dm_HostShutdown, &custom), starved);
  SafeArrayDestroy(custom);
  return V_VT(&visible.value) == VT_BOOL ? V_BOOL(&visible.value) : VARIANT_TRUE;
}

// Two loads: in each a session with the add-in's n-th request refused (in the second, every
// later one too), then one with memory back, then the unload. Prints what the parent counts;
// false once n lies past the last request the session made.
bool RunStep(long refuse) {
  std::printf("step %ld\n", refuse);
  std::fflush(stdout);
  long made = 0;
  for (const bool onward : {false, true}) {
    HMODULE addin = LoadLibraryW(ZorvaneDllPath().c_str());
    if (addin == nullptr) std::exit(10);
    SessionLog log;
    HostObjects host;
    {
      Starvation starvation(addin);
      if (!starvation.patched()) std::exit(11);
      starvation.Refuse(refuse, onward);
      RunSession(addin, host, true, log);
      if (!onward) made = requests;
      starvation.End();
      if (RunSession(addin, host, false, log) != VARIANT_FALSE) log.faults << " review-tab-shown-after-recovery";
    }
    auto canUnloadNow = ProcAddress<HRESULT(WINAPI*)()>(addin, "DllCanUnloadNow");
    if (canUnloadNow() != S_OK) log.faults << " still-in-use";
    FreeLibrary(addin);
    if (GetModuleHandleW(ZorvaneDllPath().c_str()) != nullptr) log.faults << " stayed-loaded";
    if (host.application.outstanding() != 0 || host.ribbon.outstanding() != 0) log.faults << " host-objects-held";
    if (!log.faults.str().empty()) std::printf("fault %ld%s%s\n", refuse, onward ? " onward" : "", log.faults.str().c_str());
  }
  return made >= refuse;
}

int RunHost(const wchar_t* runtime, long first) {
  CoInitialize(nullptr);
  SetWindowsHookExW(WH_CALLWNDPROCRET, &CloseEveryDialog, nullptr, GetCurrentThreadId());
  if (std::wcscmp(runtime, L"foreign") == 0 &&
      LoadLibraryW(BuildPath("tests/wine/leak/foreign-runtime/libgcc_s_dw2-1.dll").c_str()) == nullptr) {
    return 12;
  }
  StoreUserSettings();
  const std::wstring settings = SnapshotKey(HKEY_CURRENT_USER, kSettingsKey);
  for (long refuse = first; RunStep(refuse); ++refuse) {
    const std::wstring now = SnapshotKey(HKEY_CURRENT_USER, kSettingsKey);
    if (now == settings) continue;
    std::printf("changed %ld %ls\n", refuse, now.c_str());
    StoreUserSettings();
  }
  std::printf("done\n");
  return 0;
}

// --- the parent: children until one gets through ------------------------------------------------

struct StepTotals {
  long steps = 0;
  long crashes = 0;
  long settingsChanged = 0;
  std::wstring faults;
};

std::wstring SelfPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

StepTotals RunEveryStep(const wchar_t* runtime) {
  StepTotals totals;
  long next = 1;
  for (int child = 0; child < 1000; ++child) {
    const ChildResult result = RunChild(SelfPath(), {L"--host", runtime, std::to_wstring(next)}, 240000);
    if (!result.started) ADD_FAILURE() << "child not started: " << result.startError;
    std::wistringstream lines(result.out);
    std::wstring line;
    long last = -1;
    bool done = false;
    while (std::getline(lines, line)) {
      long n = 0;
      if (std::swscanf(line.c_str(), L"step %ld", &n) == 1) last = n, ++totals.steps;
      if (std::swscanf(line.c_str(), L"changed %ld", &n) == 1) ++totals.settingsChanged;
      if (line.rfind(L"fault", 0) == 0) totals.faults += line + L"\n";
      if (line == L"done" || line == L"done\r") done = true;
    }
    if (done && result.exitCode == 0) break;
    ++totals.crashes;
    std::printf("child died (exit 0x%lx) at step %ld\n", static_cast<unsigned long>(result.exitCode), last);
    if (last < next || result.timedOut) {
      ADD_FAILURE() << "the child made no progress";
      break;
    }
    StoreUserSettings();  // the step that died may have changed them before it did
    next = last + 1;
  }
  std::printf("%s runtime: %ld sessions, %ld crashes, %ld with a setting changed\n%ls",
              std::wcscmp(runtime, L"own") == 0 ? "own" : "foreign", totals.steps, totals.crashes,
              totals.settingsChanged, totals.faults.c_str());
  return totals;
}

class AddinOutOfMemory : public ::testing::Test {
 protected:
  // Wine starts the desktop's process for the first program of the session that makes a
  // window, and that process inherits its handles: started by a child (the dialogs), it would
  // hold the pipes of the child's output open, and reading them would wait for it to end.
  // A window of this process, made before any child, starts it first.
  static void SetUpTestSuite() {
    desktopStarter_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  }
  static void TearDownTestSuite() { DestroyWindow(desktopStarter_); }

  void SetUp() override {
    DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey);
    StoreUserSettings();
    stored_ = SnapshotKey(HKEY_CURRENT_USER, kSettingsKey);
  }
  void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey); }

  void ExpectEveryRefusalHandled(const wchar_t* runtime) {
    const StepTotals totals = RunEveryStep(runtime);
    EXPECT_GT(totals.steps, 50) << "the sessions allocate: the refusals reached the add-in";
    EXPECT_EQ(totals.crashes, 0);
    EXPECT_EQ(totals.settingsChanged, 0);
    EXPECT_EQ(totals.faults, L"");
    EXPECT_EQ(SnapshotKey(HKEY_CURRENT_USER, kSettingsKey), stored_);
  }

  std::wstring stored_;
  static inline HWND desktopStarter_ = nullptr;
};

TEST_F(AddinOutOfMemory, EveryRefusalEndsInAStatusAndChangesNoSetting) { ExpectEveryRefusalHandled(L"own"); }

#if defined(__i386__)
TEST_F(AddinOutOfMemory, AnotherModulesUnwinderLoadedFirstChangesNothing) {
  ASSERT_TRUE(FileExists(BuildPath("tests/wine/leak/foreign-runtime/libgcc_s_dw2-1.dll")));
  ExpectEveryRefusalHandled(L"foreign");
}
#endif

// Each load throws once (the same counters as the unload test, shown there to see a leak
// made on purpose).
TEST_F(AddinOutOfMemory, LoadsThatThrowLeaveNoTlsIndexOrHandle) {
  CoInitialize(nullptr);
  HMODULE first = LoadLibraryW(ZorvaneDllPath().c_str());
  ASSERT_NE(first, nullptr);
  ASSERT_TRUE(PinEveryLoadedModuleBut(first));
  FreeLibrary(first);
  const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &CloseEveryDialog, nullptr, GetCurrentThreadId());
  StandInControl button(L"Dingzhi", L"");
  ProcessCounters before;
  for (int cycle = -3; cycle < 100 && !HasFailure(); ++cycle) {
    if (cycle == 0) before = SampleCounters();
    HMODULE addin = LoadLibraryW(ZorvaneDllPath().c_str());
    ASSERT_NE(addin, nullptr);
    {
      ComPtr<IDispatch> object;
      auto getClassObject = ProcAddress<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(addin, "DllGetClassObject");
      ComPtr<IClassFactory> factory;
      ASSERT_EQ(getClassObject(kConnectClsid, IID_IClassFactory, reinterpret_cast<void**>(factory.GetAddressOf())), S_OK);
      ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(object.GetAddressOf())), S_OK);
      Starvation starvation(addin);
      ASSERT_TRUE(starvation.patched());
      starvation.Refuse(1);
      EXPECT_EQ(ClickByName(object.Get(), L"CustomMenu", &button), E_OUTOFMEMORY)
          << "the refusal is thrown and caught inside the add-in";
      starvation.End();
      EXPECT_EQ(ClickByName(object.Get(), L"CustomMenu", &button), S_OK);
    }
    ASSERT_TRUE(FreeLibrary(addin));
  }
  UnhookWindowsHookEx(hook);
  const ProcessCounters after = SampleCounters();
  std::printf("100 loads with a throw:\n%s", DescribeChange(before, after).c_str());
  EXPECT_EQ(after.freeTlsIndexes, before.freeTlsIndexes) << "TLS indexes taken and never given back";
  EXPECT_EQ(after.handles, before.handles) << "handles left open";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--host") == 0) {
    const std::wstring runtime(argv[2], argv[2] + std::strlen(argv[2]));
    return RunHost(runtime.c_str(), std::atol(argv[3]));
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
