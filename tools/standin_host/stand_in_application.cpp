#include "stand_in_application.h"

namespace zorvane::standin {
namespace {

constexpr DISPID kName = 1;
constexpr DISPID kProgId = 2;
constexpr DISPID kDescription = 3;
constexpr DISPID kConnect = 4;

constexpr DispatchMember kApplicationMembers[] = {{L"Name", kName}};
constexpr DispatchMember kInstanceMembers[] = {
    {L"ProgId", kProgId}, {L"Description", kDescription}, {L"Connect", kConnect}};

}  // namespace

Microsoft::WRL::ComPtr<StandInApplication> StandInApplication::Create() {
  return Adopt(new StandInApplication());
}

std::span<const DispatchMember> StandInApplication::Members() const noexcept { return kApplicationMembers; }

HRESULT StandInApplication::InvokeMember(DISPID id, WORD flags, const DISPPARAMS&, VARIANT* result) noexcept {
  if (id == kName && (flags & DISPATCH_PROPERTYGET)) return ReturnString(L"Microsoft PowerPoint", result);
  return DISP_E_MEMBERNOTFOUND;
}

Microsoft::WRL::ComPtr<StandInAddInInstance> StandInAddInInstance::Create(std::wstring progId,
                                                                         std::wstring description) {
  return Adopt(new StandInAddInInstance(std::move(progId), std::move(description)));
}

std::span<const DispatchMember> StandInAddInInstance::Members() const noexcept { return kInstanceMembers; }

HRESULT StandInAddInInstance::InvokeMember(DISPID id, WORD flags, const DISPPARAMS&, VARIANT* result) noexcept {
  if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  switch (id) {
    case kProgId:
      return ReturnString(progId_, result);
    case kDescription:
      return ReturnString(description_, result);
    case kConnect:
      if (result != nullptr) {
        VariantInit(result);
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = VARIANT_TRUE;
      }
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace zorvane::standin
