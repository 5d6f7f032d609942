// Reading the host's ribbon control: through IRibbonControl when the object offers it, else
// through its dispatch by property name, so a host object of either kind is understood.
#pragma once

#include <windows.h>

#include "addin/bstr.h"

namespace zorvane::addin {

enum class ControlProperty { Id, Tag };

HRESULT ReadControlProperty(IDispatch* control, ControlProperty property, UniqueBstr& value) noexcept;

}  // namespace zorvane::addin
