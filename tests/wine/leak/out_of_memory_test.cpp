// The add-in under out-of-memory, as a host would meet it: the real DLL with its own malloc,
// calloc and realloc refusing the n-th request of a session, alone or with every one after it
// (memory gone for good), n stepped through every request a session makes. Every call must
// end in a status (E_OUTOFMEMORY or the callback's fallback), never in an abort of the host;
// no user setting may change; a load in which a request was refused must leave nothing behind;
// and once memory is back every call succeeds again. The 32-bit build is also run with another
// module's copy of the compiler's unwinder (libgcc_s_dw2-1.dll) loaded first, with which the
// start-up code of a module built by the same compiler registers its unwind tables.
//
// A refusal that aborts ends the process, so the sessions run in a child: this program with
// --host. The parent counts the children that died and starts a new one after the step
// where the last one died.
#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "host_objects.h"
#include "portable/switch_names.h"
#include "support/addin_loader.h"
#include "support/child_process.h"
#include "support/host_params.h"
#include "support/load_cycles.h"
#include "support/proc_address.h"
#include "support/registry_snapshot.h"

namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::test;
using namespace zorvane::standin;

const wchar_t kForeignRuntime[] = L"tests/wine/leak/foreign-runtime/libgcc_s_dw2-1.dll";

// The switches of each host's first version, the last of which (the Developer tab's in every
// host, a tab of its own name) the user has hidden.
std::vector<std::wstring> SwitchNames(const HostDescription& host) {
  std::vector<std::wstring> names;
  for (const std::u16string_view name : zorvane::testing::SwitchNamesIn(host.host, zorvane::OfficeVersion::k2007)) {
    names.emplace_back(name.begin(), name.end());
  }
  return names;
}
std::wstring HiddenTab(const HostDescription& host) { return SwitchNames(host).back(); }

// Every host's switches stored, one tab hidden by the user: a load that writes anything
// changes this. Each is stored as the add-in stores it: a REG_SZ with its NUL counted.
void StoreUserSettings() {
  for (const HostDescription& host : kHosts) {
    const std::wstring key(host.settingsKeyPath());
    for (const std::wstring& name : SwitchNames(host)) {
      const BYTE text = name == HiddenTab(host) ? '0' : '1';
      SetRawValue(HKEY_CURRENT_USER, key, name, REG_SZ, {text, 0, 0, 0});
    }
  }
}

std::wstring SettingsSnapshot() {
  std::wstring all;
  for (const HostDescription& host : kHosts) all += SnapshotKey(HKEY_CURRENT_USER, std::wstring(host.settingsKeyPath()));
  return all;
}

// --- the add-in's own allocations, refused on demand -------------------------------------------

long refuseAt = -1;  // -1: none; n: the n-th request since Refuse
bool refuseOnward = false;  // and every one after it
long requests = 0;
void* realAllocators[3];  // the add-in's malloc, calloc and realloc while they are replaced

bool Refused() { return ++requests == refuseAt || (refuseOnward && refuseAt > 0 && requests > refuseAt); }
template <auto& Standard>
auto Real(int which) { return reinterpret_cast<decltype(&Standard)>(realAllocators[which]); }
void* __cdecl RefusingMalloc(size_t size) { return Refused() ? nullptr : Real<std::malloc>(0)(size); }
void* __cdecl RefusingCalloc(size_t count, size_t size) { return Refused() ? nullptr : Real<std::calloc>(1)(count, size); }
void* __cdecl RefusingRealloc(void* block, size_t size) { return Refused() ? nullptr : Real<std::realloc>(2)(block, size); }
const std::pair<const char*, void*> kFilters[] = {{"malloc", reinterpret_cast<void*>(&RefusingMalloc)},
                                                  {"calloc", reinterpret_cast<void*>(&RefusingCalloc)},
                                                  {"realloc", reinterpret_cast<void*>(&RefusingRealloc)}};

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
  explicit Starvation(HMODULE addin) {
    for (size_t i = 0; i < slots_.size(); ++i) slots_[i] = CrtImportSlot(addin, kFilters[i].first);
    for (size_t i = 0; i < slots_.size() && patched(); ++i) realAllocators[i] = ReplaceSlot(slots_[i], kFilters[i].second);
  }
  ~Starvation() {
    Refuse(-1);
    for (size_t i = 0; i < slots_.size() && patched(); ++i) ReplaceSlot(slots_[i], realAllocators[i]);
  }
  bool patched() const { return std::find(slots_.begin(), slots_.end(), nullptr) == slots_.end(); }
  static void Refuse(long at, bool onward = false) {
    requests = 0;
    refuseAt = at;
    refuseOnward = onward;
  }

 private:
  std::array<void**, 3> slots_{};
};

// The dialogs that the commands open are cancelled as soon as they are set up.
LRESULT CALLBACK CloseEveryDialog(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_INITDIALOG) PostMessageW(message->hwnd, WM_CLOSE, 0, 0);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// --- the host's session, run in the child ------------------------------------------------------

// The host's objects outlive the module's unload, which lets the ribbon go.
// One application per host (PowerPoint's first), and the ribbon.
struct HostObjects {
  StandInApplication applications[4] = {StandInApplication(kHosts[0]), StandInApplication(kHosts[1]),
                                        StandInApplication(kHosts[2]), StandInApplication(kHosts[3])};
  StandInRibbon ribbon;
  bool Held() const {
    return ribbon.outstanding() != 0 ||
           std::any_of(std::begin(applications), std::end(applications), [](auto& a) { return a.outstanding() != 0; });
  }
};

// Every entry point a host uses in one connection, in its order, for the class of `host`; the
// commands, whose dialogs all classes share, only for the first. A status other than success
// (or, while starved, out-of-memory) goes to `faults`. Returns the review tab's answer.
VARIANT_BOOL RunHostSession(HMODULE addin, const HostDescription& host, StandInApplication& application,
                            StandInRibbon& ribbon, bool starved, std::wostringstream& faults) {
  const auto check = [&](const wchar_t* call, HRESULT hr) {
    if (hr == S_OK || (starved && hr == E_OUTOFMEMORY)) return;
    faults << L' ' << host.name << L'.' << call << L"=0x" << std::hex << ULONG(hr) << std::dec;
  };
  ComPtr<_IDTExtensibility2> object;
  const HRESULT created = CreateAddinObject(addin, __uuidof(_IDTExtensibility2),
                                            reinterpret_cast<void**>(object.GetAddressOf()), host.classId);
  check(L"CreateInstance", created);
  if (FAILED(created)) return VARIANT_TRUE;
  SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  check(L"OnConnection", object->OnConnection(&application, ext_cm_Startup, nullptr, &custom));
  ComPtr<IDispatch> dispatch;
  object.As(&dispatch);
  StandInControl review(HiddenTab(host), L""), menu(MenuControlId(host.host, L"File"), L"File"),
      button(L"Dingzhi", L"");
  const std::pair<const wchar_t*, IDispatch*> callbacks[] = {
      {L"GetRibbonXML", nullptr}, {L"rxcustomUI_onLoad", &ribbon}, {L"GetVisible", &review}, {L"rxQuelby_get", &menu}};
  InvokeResult results[std::size(callbacks)];
  for (size_t i = 0; i < std::size(callbacks); ++i) {
    const auto& [name, control] = callbacks[i];
    if (control == nullptr) InvokeByName(dispatch.Get(), name, {}, results[i]);
    else InvokeByName(dispatch.Get(), name, {DispatchArgument(control)}, results[i]);
    check(name, results[i].hr);
  }
  if (&host == kHosts) {
    for (const wchar_t* action : {L"CustomMenu", L"AboutMenu"}) check(action, ClickByName(dispatch.Get(), action, &button));
  }
  check(L"OnDisconnection", object->OnDisconnection(ext_dm_HostShutdown, &custom));
  SafeArrayDestroy(custom);
  const VARIANT& visible = results[2].value;
  return V_VT(&visible) == VT_BOOL ? V_BOOL(&visible) : VARIANT_TRUE;
}

// Steps are numbered per host: kStepsPerHost * host index + n, so that each host's sessions
// are stepped through on their own (the cost of a sweep grows with the square of its requests).
constexpr long kStepsPerHost = 100000;

// Two loads: in each a session of the host's class with the add-in's n-th request refused (in the second, every
// later one too), then one with memory back, then the unload. Prints what the parent counts;
// false once n lies past the last request the session made.
bool RunStep(std::size_t hostIndex, long refuse) {
  std::printf("step %ld\n", static_cast<long>(hostIndex) * kStepsPerHost + refuse);
  std::fflush(stdout);
  long made = 0;
  for (const bool onward : {false, true}) {
    HMODULE addin = LoadLibraryW(ZorvaneDllPath().c_str());
    if (addin == nullptr) std::exit(10);
    std::wostringstream faults;
    HostObjects host;
    {
      Starvation starvation(addin);
      if (!starvation.patched()) std::exit(11);
      Starvation::Refuse(refuse, onward);
      RunHostSession(addin, kHosts[hostIndex], host.applications[hostIndex], host.ribbon, true, faults);
      if (!onward) made = requests;
      Starvation::Refuse(-1);
      if (RunHostSession(addin, kHosts[hostIndex], host.applications[hostIndex], host.ribbon, false, faults) !=
          VARIANT_FALSE) {
        faults << L" review-tab-shown-after-recovery";
      }
    }
    if (CanUnloadNow(addin) != S_OK) faults << L" still-in-use";
    FreeLibrary(addin);
    if (GetModuleHandleW(ZorvaneDllPath().c_str()) != nullptr) faults << L" stayed-loaded";
    if (host.Held()) faults << L" host-objects-held";
    if (!faults.str().empty()) std::printf("fault %ld%s%ls\n", refuse, onward ? " onward" : "", faults.str().c_str());
  }
  return made >= refuse;
}

int RunHost(bool foreign, long first) {
  CoInitialize(nullptr);
  SetWindowsHookExW(WH_CALLWNDPROCRET, &CloseEveryDialog, nullptr, GetCurrentThreadId());
  if (foreign && LoadLibraryW(BuildPath(kForeignRuntime).c_str()) == nullptr) return 12;
  StoreUserSettings();
  const std::wstring settings = SettingsSnapshot();
  for (auto hostIndex = static_cast<std::size_t>(first / kStepsPerHost); hostIndex < std::size(kHosts); ++hostIndex) {
    const long start = std::max(1L, first - static_cast<long>(hostIndex) * kStepsPerHost);
    for (long refuse = start; RunStep(hostIndex, refuse); ++refuse) {
      const std::wstring now = SettingsSnapshot();
      if (now == settings) continue;
      std::printf("changed %ld %ls\n", refuse, now.c_str());
      StoreUserSettings();
    }
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

StepTotals RunEveryStep(const wchar_t* runtime) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  StepTotals totals;
  long next = 1;
  for (int child = 0; child < 1000; ++child) {
    const ChildResult result = RunChild(self, {L"--host", runtime, std::to_wstring(next)}, 240000);
    if (!result.started) ADD_FAILURE() << "child not started: " << result.startError;
    std::wistringstream lines(result.out);
    long last = -1;
    bool done = false;
    for (std::wstring line; std::getline(lines, line);) {
      long n = 0;
      if (std::swscanf(line.c_str(), L"step %ld", &n) == 1) last = n, ++totals.steps;
      if (std::swscanf(line.c_str(), L"changed %ld", &n) == 1) ++totals.settingsChanged;
      if (line.rfind(L"fault", 0) == 0) totals.faults += line + L"\n";
      done = done || line == L"done" || line == L"done\r";
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
  std::printf("%ls runtime: %ld sessions, %ld crashes, %ld with a setting changed\n%ls", runtime, totals.steps,
              totals.crashes, totals.settingsChanged, totals.faults.c_str());
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
    DeleteHostKeys();
    StoreUserSettings();
    stored_ = SettingsSnapshot();
  }
  void TearDown() override { DeleteHostKeys(); }

  void ExpectEveryRefusalHandled(const wchar_t* runtime) {
    const StepTotals totals = RunEveryStep(runtime);
    EXPECT_GT(totals.steps, 50) << "the sessions allocate: the refusals reached the add-in";
    EXPECT_EQ(totals.crashes, 0);
    EXPECT_EQ(totals.settingsChanged, 0);
    EXPECT_EQ(totals.faults, L"");
    EXPECT_EQ(SettingsSnapshot(), stored_);
  }

  std::wstring stored_;
  static inline HWND desktopStarter_ = nullptr;
};

// With the module's own runtime, and (32-bit) with another module's unwinder loaded first.
TEST_F(AddinOutOfMemory, EveryRefusalEndsInAStatusAndChangesNoSetting) {
  ExpectEveryRefusalHandled(L"own");
#if defined(__i386__)
  ASSERT_TRUE(FileExists(BuildPath(kForeignRuntime)));
  ExpectEveryRefusalHandled(L"foreign");
#endif
}

// Everything that registration writes, in both classes roots, and the user's add-in entry.
std::wstring RegistrationSnapshot() {
  std::wstring all;
  for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    for (const wchar_t* key :
         {L"TypeLib\\{4C1639D9-252B-49D7-B854-7B773BE363E0}", L"Interface\\{19F6CF44-89FE-4C2C-80AB-21EECC07613E}"}) {
      all += SnapshotKey(root, std::wstring(L"Software\\Classes\\") + key);
    }
    for (const HostDescription& host : kHosts) {
      wchar_t clsid[39] = {};
      StringFromGUID2(host.classId, clsid, 39);
      all += SnapshotKey(root, L"Software\\Classes\\CLSID\\" + std::wstring(clsid)) +
             SnapshotKey(root, L"Software\\Classes\\" + std::wstring(host.progId()));
    }
  }
  for (const HostDescription& host : kHosts) all += SnapshotKey(HKEY_CURRENT_USER, AddinKeyPath(host));
  return all;
}

// Registration with its n-th request refused, alone or with every later one, n stepped until a
// registration gets through: each refused one answers E_OUTOFMEMORY and leaves the registry as
// it was (the undo log takes the room for its notes before it writes).
TEST_F(AddinOutOfMemory, RegistrationRefusedAnywhereLeavesTheRegistryAsItWas) {
  const std::wstring before = RegistrationSnapshot();
  HMODULE addin = LoadLibraryW(ZorvaneDllPath().c_str());
  ASSERT_NE(addin, nullptr);
  using ServerCall = HRESULT(STDAPICALLTYPE*)();
  const auto registerServer = ProcAddress<ServerCall>(addin, "DllRegisterServer");
  const auto unregisterServer = ProcAddress<ServerCall>(addin, "DllUnregisterServer");
  ASSERT_TRUE(registerServer && unregisterServer);
  for (const bool onward : {false, true}) {
    long refused = 0;
    HRESULT hr = E_OUTOFMEMORY;
    for (long n = 1; hr == E_OUTOFMEMORY && n < 1000; ++n) {
      Starvation starvation(addin);
      ASSERT_TRUE(starvation.patched());
      Starvation::Refuse(n, onward);
      hr = registerServer();
      if (hr != E_OUTOFMEMORY) break;
      ++refused;
      EXPECT_EQ(RegistrationSnapshot(), before) << "request " << n << (onward ? " onward" : "");
    }
    std::printf("registration%s: %ld refused runs, then 0x%lx\n", onward ? " (refused onward)" : "", refused,
                static_cast<unsigned long>(hr));
    EXPECT_EQ(hr, S_OK);
    EXPECT_GT(refused, 5) << "registration allocates: the refusals reached it";
    EXPECT_EQ(unregisterServer(), S_OK);
    EXPECT_EQ(RegistrationSnapshot(), before);
  }
  FreeLibrary(addin);
}

// In each load a command's first request is refused (the same counters as the unload test,
// shown there to see a leak made on purpose).
void ExpectRefusingLoadsLeaveNoTlsIndexOrHandle() {
  PinWhatTheAddinLoads();
  const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &CloseEveryDialog, nullptr, GetCurrentThreadId());
  StandInControl button(L"Dingzhi", L"");
  ProcessCounters before, after;
  CountAcrossCycles(100, [&](HMODULE addin) {
    ComPtr<IDispatch> object;
    ASSERT_EQ(CreateAddinObject(addin, object), S_OK);
    Starvation starvation(addin);
    ASSERT_TRUE(starvation.patched());
    Starvation::Refuse(1);
    ASSERT_EQ(ClickByName(object.Get(), L"CustomMenu", &button), E_OUTOFMEMORY) << "the refusal comes back as a status";
    Starvation::Refuse(-1);
    ASSERT_EQ(ClickByName(object.Get(), L"CustomMenu", &button), S_OK);
  }, before, after);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(after.freeTlsIndexes, before.freeTlsIndexes) << "TLS indexes taken and never given back";
  EXPECT_EQ(after.handles, before.handles) << "handles left open";
}

// Last, since (32-bit) the other module's unwinder then stays loaded in this process.
TEST_F(AddinOutOfMemory, LoadsWithARefusalLeaveNoTlsIndexOrHandle) {
  ExpectRefusingLoadsLeaveNoTlsIndexOrHandle();
#if defined(__i386__)
  ASSERT_NE(LoadLibraryW(BuildPath(kForeignRuntime).c_str()), nullptr);
  ExpectRefusingLoadsLeaveNoTlsIndexOrHandle();
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--host") == 0) {
    return RunHost(std::strcmp(argv[2], "foreign") == 0, std::atol(argv[3]));
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
