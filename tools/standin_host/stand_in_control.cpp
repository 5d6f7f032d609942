#include "stand_in_control.h"

namespace zorvane::standin {
namespace {

constexpr DISPID kId = 1;
constexpr DISPID kContext = 2;
constexpr DISPID kTag = 3;
constexpr DispatchMember kMembers[] = {{L"Id", kId}, {L"Context", kContext}, {L"Tag", kTag}};

HRESULT CopyString(const std::wstring& text, BSTR* out) noexcept {
  if (out == nullptr) return E_POINTER;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

Microsoft::WRL::ComPtr<StandInControl> StandInControl::Create(std::wstring id, std::wstring tag) {
  return Adopt(new StandInControl(std::move(id), std::move(tag)));
}

HRESULT StandInControl::get_Id(BSTR* id) noexcept { return CopyString(id_, id); }

HRESULT StandInControl::get_Context(IDispatch** context) noexcept {
  if (context == nullptr) return E_POINTER;
  *context = nullptr;
  return S_OK;
}

HRESULT StandInControl::get_Tag(BSTR* tag) noexcept { return CopyString(tag_, tag); }

std::span<const DispatchMember> StandInControl::Members() const noexcept { return kMembers; }

HRESULT StandInControl::InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept {
  if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  if (params.cArgs != 0) return DISP_E_BADPARAMCOUNT;
  switch (id) {
    case kId:
      return ReturnString(id_, result);
    case kTag:
      return ReturnString(tag_, result);
    case kContext:
      if (result != nullptr) {
        VariantInit(result);
        V_VT(result) = VT_DISPATCH;
        V_DISPATCH(result) = nullptr;
      }
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace zorvane::standin
