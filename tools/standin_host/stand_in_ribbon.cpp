#include "stand_in_ribbon.h"

#include <new>

#include "unique_variant.h"

namespace zorvane::standin {
namespace {

constexpr DISPID kInvalidate = 1;
constexpr DISPID kInvalidateControl = 2;
constexpr DispatchMember kMembers[] = {{L"Invalidate", kInvalidate}, {L"InvalidateControl", kInvalidateControl}};

}  // namespace

Microsoft::WRL::ComPtr<StandInRibbon> StandInRibbon::Create() {
  return Adopt(new StandInRibbon());
}

HRESULT StandInRibbon::Invalidate() noexcept {
  ++invalidateCalls_;
  return S_OK;
}

HRESULT StandInRibbon::InvalidateControl(BSTR controlId) noexcept {
  try {
    invalidatedControls_.emplace_back(controlId ? controlId : L"", SysStringLen(controlId));
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

std::span<const DispatchMember> StandInRibbon::Members() const noexcept { return kMembers; }

HRESULT StandInRibbon::InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT*) noexcept {
  if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  if (id == kInvalidate) {
    if (params.cArgs != 0) return DISP_E_BADPARAMCOUNT;
    return Invalidate();
  }
  if (id == kInvalidateControl) {
    if (params.cArgs != 1) return DISP_E_BADPARAMCOUNT;
    UniqueVariant text;
    const HRESULT hr = VariantChangeType(text.get(), &params.rgvarg[0], 0, VT_BSTR);
    if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
    return InvalidateControl(V_BSTR(text.get()));
  }
  return DISP_E_MEMBERNOTFOUND;
}

}  // namespace zorvane::standin
