#include "addin/control_properties.h"

#include "addin/com_util.h"

namespace zorvane::addin {

HRESULT ReadControlPropertyByName(IDispatch* control, ControlProperty property, UniqueBstr& value) noexcept {
  wchar_t idName[] = L"Id";
  wchar_t tagName[] = L"Tag";
  LPOLESTR name = property == ControlProperty::Id ? idName : tagName;
  DISPID dispid = DISPID_UNKNOWN;
  ZV_RETURN_IF_FAILED(control->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &dispid));
  DISPPARAMS none{};
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = control->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result,
                               nullptr, nullptr);
  if (SUCCEEDED(hr)) hr = VariantChangeType(&result, &result, 0, VT_BSTR);
  if (SUCCEEDED(hr)) {
    value.reset(result.bstrVal);  // ownership moves to `value`
    return S_OK;
  }
  VariantClear(&result);
  return hr;
}

}  // namespace zorvane::addin
