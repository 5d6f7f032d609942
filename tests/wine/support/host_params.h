// The stand-in's three hosts as test parameters, named for the test's name.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_description.h"
#include "support/registry_snapshot.h"

namespace zorvane::test {

inline std::vector<const standin::HostDescription*> HostPointers() {
  std::vector<const standin::HostDescription*> hosts;
  for (const standin::HostDescription& host : standin::kHosts) hosts.push_back(&host);
  return hosts;
}

inline std::string HostParamName(const ::testing::TestParamInfo<const standin::HostDescription*>& info) {
  return std::string(info.param->displayName().begin(), info.param->displayName().end());
}

// Every host's settings key and both its policy keys: a test that connects a host's class or
// opens its dialog cleans every host's keys before and after.
inline void DeleteHostKeys() {
  for (const standin::HostDescription& host : standin::kHosts) {
    const std::wstring policy(host.policyKeyPath());
    DeleteKeyTree(HKEY_CURRENT_USER, std::wstring(host.settingsKeyPath()));
    DeleteKeyTree(HKEY_CURRENT_USER, policy);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, policy);
  }
}

}  // namespace zorvane::test
