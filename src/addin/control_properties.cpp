#include "addin/control_properties.h"

#include "addin/dispatch_property.h"

namespace zorvane::addin {

HRESULT ReadControlPropertyByName(IDispatch* control, ControlProperty property, UniqueBstr& value) noexcept {
  return GetTextPropertyByName(control, property == ControlProperty::Id ? L"Id" : L"Tag", value);
}

}  // namespace zorvane::addin
