#include "callback_caller.h"

#include <cwchar>

#include "hresult_text.h"
#include "text.h"

namespace zorvane::standin {
namespace {

// Frees the strings an add-in may leave in the exception record.
struct ExceptionRecord {
  EXCEPINFO info{};
  ExceptionRecord() = default;
  ExceptionRecord(const ExceptionRecord&) = delete;
  ExceptionRecord& operator=(const ExceptionRecord&) = delete;
  ~ExceptionRecord() {
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
  }
  std::wstring Text() {
    if (info.pfnDeferredFillIn != nullptr) info.pfnDeferredFillIn(&info);
    std::wstring text;
    if (info.bstrDescription != nullptr) text = info.bstrDescription;
    const HRESULT code = info.scode != 0 ? info.scode : static_cast<HRESULT>(info.wCode);
    if (code != 0) text += (text.empty() ? L"" : L", ") + std::wstring(L"code ") + HresultText(code);
    return text;
  }
};

std::wstring ArgumentText(ArgumentPassing passing) {
  return passing == ArgumentPassing::kByReference ? L"VT_BYREF|VT_DISPATCH" : L"VT_DISPATCH";
}

}  // namespace

bool CallbackCaller::Resolve(const std::wstring& name, std::wstring_view attribute, std::wstring_view control) {
  if (resolved_.contains(name)) return true;
  if (unknown_.contains(name)) return false;
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
  const HRESULT hr = target_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) {
    unknown_.emplace(name, hr);
    report_.Problem(ExitCode::kUnknownCallback,
                    progId_ + L": callback " + Quoted(name) + L" (" + std::wstring(attribute) + L" of " +
                        std::wstring(control) + L") is unknown to the add-in: GetIDsOfNames returned " +
                        HresultText(hr));
    return false;
  }
  resolved_.emplace(name, id);
  wchar_t hex[16];
  std::swprintf(hex, 16, L"0x%08lX", static_cast<unsigned long>(id));
  report_.Trace(progId_ + L": GetIDsOfNames(" + Quoted(name) + L") -> dispid " + hex);
  return true;
}

HRESULT CallbackCaller::CallForStatus(const std::wstring& name, std::wstring_view what, IDispatch* argument,
                                      ArgumentPassing passing, UniqueVariant& result) {
  result.clear();
  const auto found = resolved_.find(name);
  if (found == resolved_.end()) return DISP_E_UNKNOWNNAME;

  // The callee may replace a by-reference object; whatever the slot holds afterwards is ours.
  Microsoft::WRL::ComPtr<IDispatch> slot = argument;
  VARIANTARG arguments[1];
  VariantInit(&arguments[0]);
  if (passing == ArgumentPassing::kByReference) {
    V_VT(&arguments[0]) = VT_BYREF | VT_DISPATCH;
    V_DISPATCHREF(&arguments[0]) = slot.GetAddressOf();
  } else {
    V_VT(&arguments[0]) = VT_DISPATCH;
    V_DISPATCH(&arguments[0]) = slot.Get();
  }
  DISPPARAMS params{arguments, nullptr, 1, 0};
  ExceptionRecord exception;
  UINT badArgument = 0;
  const HRESULT hr = target_->Invoke(found->second, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                     result.get(), &exception.info, &badArgument);
  report_.Trace(progId_ + L": Invoke " + Quoted(name) + L" (" + std::wstring(what) + L", control as " +
                ArgumentText(passing) + L") -> " + HresultText(hr));
  if (FAILED(hr)) {
    std::wstring message = progId_ + L": " + std::wstring(what) + L": callback " + Quoted(name) + L" failed: " +
                           HresultText(hr);
    if (hr == DISP_E_EXCEPTION) {
      const std::wstring detail = exception.Text();
      if (!detail.empty()) message += L" (" + detail + L")";
    } else if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_PARAMNOTFOUND) {
      message += L" at argument " + std::to_wstring(badArgument);
    }
    report_.Problem(ExitCode::kCallbackFailed, message);
  }
  return hr;
}

bool CallbackCaller::Call(const std::wstring& name, std::wstring_view what, IDispatch* argument,
                          ArgumentPassing passing, UniqueVariant& result) {
  if (!resolved_.contains(name)) return false;
  return SUCCEEDED(CallForStatus(name, what, argument, passing, result));
}

}  // namespace zorvane::standin
