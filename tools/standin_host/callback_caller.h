// Calls an add-in's callbacks by name, as the host does: GetIDsOfNames once per name, then
// IDispatch::Invoke with DISPATCH_METHOD and the arguments in reverse order.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <map>
#include <string>
#include <string_view>

#include "report.h"
#include "common/unique_variant.h"

namespace zorvane::standin {

enum class ArgumentPassing {
  kByValue,      // VT_DISPATCH
  kByReference,  // VT_BYREF | VT_DISPATCH
};

class CallbackCaller {
 public:
  CallbackCaller(Microsoft::WRL::ComPtr<IDispatch> target, std::wstring progId, Report& report)
      : target_(std::move(target)), progId_(std::move(progId)), report_(report) {}

  // Looks `name` up once. A name the add-in does not know is reported once (exit code 7)
  // with `attribute` (e.g. getVisible) and the control that names it.
  bool Resolve(const std::wstring& name, std::wstring_view attribute, std::wstring_view control);

  // Calls `name` with the one object argument. `what` says which call it is in messages
  // ("getVisible for TabHome"). A failure is reported (exit code 8) and returns false;
  // `result` then holds whatever the add-in left in it.
  bool Call(const std::wstring& name, std::wstring_view what, IDispatch* argument, ArgumentPassing passing,
            UniqueVariant& result);
  // The call's status, reported and returned whatever it is; for onAction.
  HRESULT CallForStatus(const std::wstring& name, std::wstring_view what, IDispatch* argument,
                        ArgumentPassing passing, UniqueVariant& result);

 private:
  Microsoft::WRL::ComPtr<IDispatch> target_;
  std::wstring progId_;
  Report& report_;
  std::map<std::wstring, DISPID, std::less<>> resolved_;
  std::map<std::wstring, HRESULT, std::less<>> unknown_;
};

}  // namespace zorvane::standin
