// Loads the real Zorvane.dll into the test process and creates add-in objects from it, the
// way COM would for an in-process server, without needing a registration.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <string>

#include "addin_designer.h"
#include "office.h"

namespace zorvane::test {

// The published class identifier, written out here so that a wrong one in the DLL shows.
inline constexpr CLSID kConnectClsid = {0xBAC75E0D, 0x0684, 0x4250, {0xB6, 0x4C, 0x5E, 0x74, 0xA3, 0x65, 0xF9, 0x70}};

class AddinModule {
 public:
  static AddinModule& Instance();  // loaded once per test program

  // An object of the class `clsid` (PowerPoint's unless told).
  Microsoft::WRL::ComPtr<IDispatch> CreateObject(const CLSID& clsid = kConnectClsid);
  HRESULT CanUnloadNow();
  Microsoft::WRL::ComPtr<IClassFactory> ClassFactory();

 private:
  AddinModule();
  HMODULE module_ = nullptr;
};

// The same for a module the test loads itself: the add-in's class factory (DllGetClassObject),
// an object made by it, and DllCanUnloadNow; a missing export answers E_FAIL.
HRESULT GetAddinFactory(HMODULE module, IClassFactory** factory, const CLSID& clsid = kConnectClsid);
HRESULT CreateAddinObject(HMODULE module, REFIID iid, void** object, const CLSID& clsid = kConnectClsid);
template <typename Interface>
HRESULT CreateAddinObject(HMODULE module, Microsoft::WRL::ComPtr<Interface>& object) {
  return CreateAddinObject(module, __uuidof(Interface), reinterpret_cast<void**>(object.ReleaseAndGetAddressOf()));
}
HRESULT CanUnloadNow(HMODULE module);

// Calls a callback the way the host does: its DISPID by name, then Invoke as a method.
struct InvokeResult {
  static constexpr UINT kNoArgument = 99;  // in argumentError until Invoke names an argument
  HRESULT hr = E_FAIL;
  VARIANT value{};
  UINT argumentError = kNoArgument;  // puArgErr
  ~InvokeResult() { VariantClear(&value); }
  std::wstring Text() const {
    return V_VT(&value) == VT_BSTR && V_BSTR(&value) != nullptr ? std::wstring(V_BSTR(&value), SysStringLen(V_BSTR(&value)))
                                                                  : std::wstring();
  }
};

DISPID DispIdOf(IDispatch* object, const wchar_t* name);
void InvokeByName(IDispatch* object, const wchar_t* name, std::initializer_list<VARIANT> arguments,
                  InvokeResult& result);
VARIANT DispatchArgument(IDispatch* value);

// Presses a button as the host does: its action callback by name, with the clicked control
// passed by reference.
HRESULT ClickByName(IDispatch* object, const wchar_t* action, IDispatch* control);

}  // namespace zorvane::test
