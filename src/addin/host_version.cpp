#include "addin/host_version.h"

#include <optional>
#include <string_view>

#include "addin/dispatch_property.h"

namespace zorvane::addin {
namespace {

// Property `name` of `application` as text in `value`; false when it has none, or one that is
// neither text nor a number.
bool ReadText(IDispatch* application, const wchar_t* name, UniqueVariant& value) noexcept {
  if (FAILED(GetPropertyByName(application, name, {}, value))) return false;
  return SUCCEEDED(VariantChangeType(value.get(), value.get(), 0, VT_BSTR)) && V_BSTR(value.get()) != nullptr;
}

std::u16string_view TextOf(const UniqueVariant& value) noexcept {
  const BSTR text = V_BSTR(&value.value());
  return {reinterpret_cast<const char16_t*>(text), SysStringLen(text)};
}

}  // namespace

OfficeVersion HostOfficeVersion(IDispatch* application) noexcept {
  UniqueVariant version;
  if (!ReadText(application, L"Version", version)) return OfficeVersion::k2007;
  const OfficeVersion withoutBuild = OfficeVersionFrom(TextOf(version), std::nullopt);
  // Only the products that share 16.0 are told apart by their build.
  if (withoutBuild != OfficeVersion::k2016) return withoutBuild;
  UniqueVariant build;
  if (!ReadText(application, L"Build", build)) return withoutBuild;
  return OfficeVersionFrom(TextOf(version), BuildFromText(TextOf(build)));
}

}  // namespace zorvane::addin
