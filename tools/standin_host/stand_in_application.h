// The host objects handed to OnConnection: PowerPoint's application object and the
// add-in's instance object. Add-ins only hold them; the application counts the
// references held, so the host can see an add-in release it.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <string>

#include "dispatch_object.h"
#include "powerpoint.h"

namespace zorvane::standin {

class StandInApplication final : public DispatchObject<_Application> {
 public:
  static Microsoft::WRL::ComPtr<StandInApplication> Create();

 private:
  StandInApplication() noexcept = default;
  std::span<const DispatchMember> Members() const noexcept override;
  HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept override;
};

// The COMAddIn object of the add-in being connected: its ProgId and Description.
class StandInAddInInstance final : public DispatchObject<IDispatch> {
 public:
  static Microsoft::WRL::ComPtr<StandInAddInInstance> Create(std::wstring progId, std::wstring description);

 private:
  StandInAddInInstance(std::wstring progId, std::wstring description)
      : progId_(std::move(progId)), description_(std::move(description)) {}
  std::span<const DispatchMember> Members() const noexcept override;
  HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept override;

  std::wstring progId_;
  std::wstring description_;
};

}  // namespace zorvane::standin
