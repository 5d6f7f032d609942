#include "support/addin_loader.h"

#include <algorithm>
#include <vector>

#include "support/proc_address.h"
#include "support/test_paths.h"

namespace zorvane::test {

AddinModule& AddinModule::Instance() {
  static AddinModule module;
  return module;
}

AddinModule::AddinModule() {
  CoInitialize(nullptr);
  module_ = LoadLibraryW(ZorvaneDllPath().c_str());
}

Microsoft::WRL::ComPtr<IClassFactory> AddinModule::ClassFactory() {
  Microsoft::WRL::ComPtr<IClassFactory> factory;
  GetAddinFactory(module_, factory.GetAddressOf());
  return factory;
}

Microsoft::WRL::ComPtr<IDispatch> AddinModule::CreateObject(const CLSID& clsid) {
  Microsoft::WRL::ComPtr<IDispatch> object;
  CreateAddinObject(module_, IID_IDispatch, reinterpret_cast<void**>(object.GetAddressOf()), clsid);
  return object;
}

HRESULT AddinModule::CanUnloadNow() { return zorvane::test::CanUnloadNow(module_); }

HRESULT GetAddinFactory(HMODULE module, IClassFactory** factory, const CLSID& clsid) {
  *factory = nullptr;
  using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
  auto get = module != nullptr ? ProcAddress<GetClassObject>(module, "DllGetClassObject") : nullptr;
  return get != nullptr ? get(clsid, IID_IClassFactory, reinterpret_cast<void**>(factory)) : E_FAIL;
}

HRESULT CreateAddinObject(HMODULE module, REFIID iid, void** object, const CLSID& clsid) {
  *object = nullptr;
  Microsoft::WRL::ComPtr<IClassFactory> factory;
  const HRESULT hr = GetAddinFactory(module, factory.GetAddressOf(), clsid);
  return FAILED(hr) ? hr : factory->CreateInstance(nullptr, iid, object);
}

HRESULT CanUnloadNow(HMODULE module) {
  auto canUnload = module != nullptr ? ProcAddress<HRESULT(WINAPI*)()>(module, "DllCanUnloadNow") : nullptr;
  return canUnload != nullptr ? canUnload() : E_FAIL;
}

DISPID DispIdOf(IDispatch* object, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  std::wstring copy = name;
  LPOLESTR names[] = {copy.data()};
  object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

void InvokeByName(IDispatch* object, const wchar_t* name, std::initializer_list<VARIANT> arguments,
                  InvokeResult& result) {
  // The host passes arguments in reverse order.
  std::vector<VARIANT> reversed(arguments.begin(), arguments.end());
  std::reverse(reversed.begin(), reversed.end());
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  VariantClear(&result.value);
  result.argumentError = InvokeResult::kNoArgument;
  result.hr = object->Invoke(DispIdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                             &result.value, nullptr, &result.argumentError);
}

VARIANT DispatchArgument(IDispatch* value) {
  VARIANT argument;
  VariantInit(&argument);
  V_VT(&argument) = VT_DISPATCH;
  V_DISPATCH(&argument) = value;
  return argument;
}

HRESULT ClickByName(IDispatch* object, const wchar_t* action, IDispatch* control) {
  VARIANT byReference;
  VariantInit(&byReference);
  V_VT(&byReference) = VT_BYREF | VT_DISPATCH;
  V_DISPATCHREF(&byReference) = &control;
  InvokeResult result;
  InvokeByName(object, action, {byReference}, result);
  return result.hr;
}

}  // namespace zorvane::test
