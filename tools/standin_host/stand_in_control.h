// The control object the host passes to a callback: the element's id (or idMso) and tag.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <string>

#include "dispatch_object.h"
#include "office.h"

namespace zorvane::standin {

class StandInControl final : public DispatchObject<IRibbonControl> {
 public:
  static Microsoft::WRL::ComPtr<StandInControl> Create(std::wstring id, std::wstring tag);

  HRESULT STDMETHODCALLTYPE get_Id(BSTR* id) noexcept override;
  // The stand-in has no document window to offer as the context.
  HRESULT STDMETHODCALLTYPE get_Context(IDispatch** context) noexcept override;
  HRESULT STDMETHODCALLTYPE get_Tag(BSTR* tag) noexcept override;

 private:
  StandInControl(std::wstring id, std::wstring tag) : id_(std::move(id)), tag_(std::move(tag)) {}
  std::span<const DispatchMember> Members() const noexcept override;
  HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept override;

  std::wstring id_;
  std::wstring tag_;
};

}  // namespace zorvane::standin
