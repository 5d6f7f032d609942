// The DLL's entry points: class objects from one table, unloading, and self-registration.
#include <windows.h>

#include <array>
#include <new>

#include "Zorvane.h"
#include "addin/class_factory.h"
#include "addin/com_util.h"
#include "addin/connect.h"
#include "addin/host_description.h"
#include "addin/host_ribbon.h"
#include "addin/module.h"
#include "addin/registration.h"

namespace {

using namespace zorvane::addin;

struct ClassEntry {
  const HostDescription& host;  // names the class and describes the host its objects serve
  CreatorFunction create;
};

// Every class the module serves.
const std::array<ClassEntry, 4> kClasses{{
    {kHostDescriptions[0], &zorvane::addin::Connect::Create},
    {kHostDescriptions[1], &zorvane::addin::Connect::Create},
    {kHostDescriptions[2], &zorvane::addin::Connect::Create},
    {kHostDescriptions[3], &zorvane::addin::Connect::Create},
}};
static_assert(kClasses.size() == kHostDescriptions.size(), "one class per host");

}  // namespace

extern "C" {

// The module keeps nothing per thread, so threads' starts and ends need not be reported.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) noexcept {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  for (const ClassEntry& entry : kClasses) {
    if (!IsEqualCLSID(clsid, *entry.host.classId)) continue;
    auto* factory = new (std::nothrow) ClassFactory(entry.create, entry.host);
    if (factory == nullptr) return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(iid, object);
    factory->Release();
    return hr;
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

// The host's ribbons are let go here, when COM is about to unload the module and no add-in
// object is left to need it, rather than in DllMain: calling into the host under the
// loader lock could deadlock or meet an object already torn down. At process exit it is
// simply left, as the host is going too.
STDAPI DllCanUnloadNow() noexcept {
  if (!CanUnloadNow()) return S_FALSE;
  ReleaseHostRibbons();
  return S_OK;
}

STDAPI DllRegisterServer() noexcept { return RegisterWithFallback(); }

// Removes the registration wherever it was written: machine-wide, or per user after a
// fallback for lack of rights.
STDAPI DllUnregisterServer() noexcept {
  const HRESULT machine = Unregister(ClassesScope::Machine);
  const HRESULT user = Unregister(ClassesScope::User);
  return FAILED(machine) ? machine : user;
}

// regsvr32 /n /i:user Zorvane.dll: per-user registration, for users without administrator
// rights. Any other command line (or none) means the machine-wide layout.
STDAPI DllInstall(BOOL install, LPCWSTR commandLine) noexcept {
  const bool perUser = commandLine != nullptr && CompareStringOrdinal(commandLine, -1, L"user", -1, TRUE) == CSTR_EQUAL;
  const bool machine = commandLine == nullptr || *commandLine == L'\0';
  if (!perUser && !machine) return E_INVALIDARG;
  if (install) return perUser ? Register(ClassesScope::User) : RegisterWithFallback();
  return perUser ? Unregister(ClassesScope::User) : DllUnregisterServer();
}

}  // extern "C"
