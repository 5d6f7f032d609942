// The ribbon object handed to an add-in's onLoad callback. It records invalidations;
// the host asks the add-in's callbacks again after one.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "dispatch_object.h"
#include "office.h"

namespace zorvane::standin {

class StandInRibbon final : public DispatchObject<IRibbonUI> {
 public:
  static Microsoft::WRL::ComPtr<StandInRibbon> Create();

  HRESULT STDMETHODCALLTYPE Invalidate() noexcept override;
  HRESULT STDMETHODCALLTYPE InvalidateControl(BSTR controlId) noexcept override;

  unsigned invalidateCalls() const noexcept { return invalidateCalls_; }
  const std::vector<std::wstring>& invalidatedControls() const noexcept { return invalidatedControls_; }
  // Changes whenever either of the above does.
  unsigned generation() const noexcept {
    return invalidateCalls_ + static_cast<unsigned>(invalidatedControls_.size());
  }

 private:
  StandInRibbon() noexcept = default;
  std::span<const DispatchMember> Members() const noexcept override;
  HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept override;

  unsigned invalidateCalls_ = 0;
  std::vector<std::wstring> invalidatedControls_;
};

}  // namespace zorvane::standin
