#include "addin/host_version.h"

#include <optional>

#include "addin/bstr.h"
#include "addin/dispatch_property.h"

namespace zorvane::addin {

OfficeVersion HostOfficeVersion(IDispatch* application) noexcept {
  UniqueBstr version;
  if (FAILED(GetTextPropertyByName(application, L"Version", version))) return OfficeVersion::k2007;
  const OfficeVersion withoutBuild = OfficeVersionFrom(TextOf(version.get()), std::nullopt);
  // Only the products that share 16.0 are told apart by their build, which Outlook's Version
  // carries and the others' Build tells.
  if (withoutBuild != OfficeVersion::k2016) return withoutBuild;
  if (const std::optional<std::uint32_t> build = BuildInVersion(TextOf(version.get()))) {
    return OfficeVersionFrom(TextOf(version.get()), build);
  }
  UniqueBstr build;
  if (FAILED(GetTextPropertyByName(application, L"Build", build))) return withoutBuild;
  return OfficeVersionFrom(TextOf(version.get()), BuildFromText(TextOf(build.get())));
}

}  // namespace zorvane::addin
