#include "addin/host_language.h"

#include "addin/dispatch_property.h"

namespace zorvane::addin {
namespace {

constexpr LONG kMsoLanguageIdUi = 2;  // msoLanguageIDUI: the language of the host's menus and dialogs

}  // namespace

std::optional<std::uint32_t> HostUserInterfaceLcid(IDispatch* application) noexcept {
  UniqueVariant languageSettings;
  if (FAILED(GetPropertyByName(application, L"LanguageSettings", {}, languageSettings))) return std::nullopt;
  // An object given as IUnknown is asked for its IDispatch; the variant keeps that reference.
  if (FAILED(VariantChangeType(languageSettings.get(), languageSettings.get(), 0, VT_DISPATCH))) return std::nullopt;

  VARIANT which;
  V_VT(&which) = VT_I4;
  V_I4(&which) = kMsoLanguageIdUi;
  UniqueVariant lcid;
  if (FAILED(GetPropertyByName(V_DISPATCH(languageSettings.get()), L"LanguageID", {&which, 1}, lcid))) {
    return std::nullopt;
  }
  VARIANT* answer = lcid.get();
  switch (V_VT(answer)) {
    case VT_I4:
      return static_cast<std::uint32_t>(V_I4(answer));
    case VT_INT:
      return static_cast<std::uint32_t>(V_INT(answer));
    case VT_UI4:
      return V_UI4(answer);
    case VT_UINT:
      return V_UINT(answer);
    case VT_I2:
      return static_cast<std::uint32_t>(static_cast<std::uint16_t>(V_I2(answer)));
    case VT_UI2:
      return V_UI2(answer);
    default:
      return std::nullopt;  // a string, a floating-point number or nothing: no LCID
  }
}

}  // namespace zorvane::addin
