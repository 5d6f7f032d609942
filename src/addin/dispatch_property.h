// Reading a property of a host object by name through its IDispatch, as OLE Automation
// clients do: for objects whose interfaces the add-in does not link against.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <span>

#include "common/unique_variant.h"
#include "common/windows_handles.h"

namespace zorvane::addin {

// Property `name` of `object` (DISPATCH_PROPERTYGET with `arguments` by position, first
// argument first) into `result`, which is cleared first.
HRESULT GetPropertyByName(IDispatch* object, const wchar_t* name, std::span<const VARIANT> arguments,
                          UniqueVariant& result) noexcept;

// Property `name` of `object` as text into `text`: a number as its decimal text, a failure
// when it is neither text nor converts to it.
HRESULT GetTextPropertyByName(IDispatch* object, const wchar_t* name, UniqueBstr& text) noexcept;

}  // namespace zorvane::addin
