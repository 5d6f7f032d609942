// Reading the host's ribbon control: through IRibbonControl when the object offers it, else
// through its dispatch by property name, so a host object of either kind is understood.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include "addin/bstr.h"
#include "office.h"

namespace zorvane::addin {

enum class ControlProperty { Id, Tag };

// The property through the object's dispatch, by name (for objects without IRibbonControl).
HRESULT ReadControlPropertyByName(IDispatch* control, ControlProperty property, UniqueBstr& value) noexcept;

// Inline: the visibility and content callbacks read one property on every call.
inline HRESULT ReadControlProperty(IDispatch* control, ControlProperty property, UniqueBstr& value) noexcept {
  value.reset();
  if (control == nullptr) return E_POINTER;
  Microsoft::WRL::ComPtr<IRibbonControl> ribbonControl;
  if (FAILED(control->QueryInterface(IID_IRibbonControl, &ribbonControl))) {
    return ReadControlPropertyByName(control, property, value);
  }
  return property == ControlProperty::Id ? ribbonControl->get_Id(value.put()) : ribbonControl->get_Tag(value.put());
}

}  // namespace zorvane::addin
