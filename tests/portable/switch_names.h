// The value names of a host's switches, as tests compare them.
#pragma once

#include <string_view>
#include <vector>

#include "settings/host_switches.h"

namespace zorvane::testing {

inline constexpr OfficeVersion kAllVersions[] = {OfficeVersion::k2007, OfficeVersion::k2010, OfficeVersion::k2013,
                                                 OfficeVersion::k2016, OfficeVersion::k2019};

// The names of the switches that `version` of `host` has, in switch order (ShowAllMenu first).
inline std::vector<std::u16string_view> SwitchNamesIn(OfficeHost host, OfficeVersion version) {
  const settings::HostSwitches& switches = settings::SwitchesOf(host);
  std::vector<std::u16string_view> names;
  for (const std::size_t index : settings::SwitchList(switches, version)) names.push_back(switches.Name(index));
  return names;
}

}  // namespace zorvane::testing
