#include "addin/dispatch_property.h"

#include <array>

#include "addin/com_util.h"

namespace zorvane::addin {

HRESULT GetPropertyByName(IDispatch* object, const wchar_t* name, std::span<const VARIANT> arguments,
                          UniqueVariant& result) noexcept {
  result.clear();
  if (object == nullptr) return E_POINTER;
  // Invoke takes the arguments last first; the add-in never passes more than one.
  std::array<VARIANT, 1> reversed{};
  if (arguments.size() > reversed.size()) return E_INVALIDARG;
  for (std::size_t i = 0; i < arguments.size(); ++i) reversed[arguments.size() - 1 - i] = arguments[i];

  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID dispid = DISPID_UNKNOWN;
  ZV_RETURN_IF_FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid));
  DISPPARAMS params{arguments.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
  return object->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params, result.get(), nullptr,
                        nullptr);
}

HRESULT GetTextPropertyByName(IDispatch* object, const wchar_t* name, UniqueBstr& text) noexcept {
  text.reset();
  UniqueVariant result;
  ZV_RETURN_IF_FAILED(GetPropertyByName(object, name, {}, result));
  ZV_RETURN_IF_FAILED(VariantChangeType(result.get(), result.get(), 0, VT_BSTR));
  text.reset(V_BSTR(result.get()));  // ownership moves to `text`
  V_VT(result.get()) = VT_EMPTY;
  return S_OK;
}

}  // namespace zorvane::addin
