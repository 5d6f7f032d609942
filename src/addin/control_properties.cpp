#include "addin/control_properties.h"

#include "addin/com_util.h"
#include "addin/dispatch_property.h"

namespace zorvane::addin {

HRESULT ReadControlPropertyByName(IDispatch* control, ControlProperty property, UniqueBstr& value) noexcept {
  UniqueVariant result;
  ZV_RETURN_IF_FAILED(GetPropertyByName(control, property == ControlProperty::Id ? L"Id" : L"Tag", {}, result));
  ZV_RETURN_IF_FAILED(VariantChangeType(result.get(), result.get(), 0, VT_BSTR));
  value.reset(V_BSTR(result.get()));  // ownership moves to `value`
  V_VT(result.get()) = VT_EMPTY;
  return S_OK;
}

}  // namespace zorvane::addin
