// The stand-in's three hosts as test parameters, named for the test's name.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_description.h"

namespace zorvane::test {

inline std::vector<const standin::HostDescription*> HostPointers() {
  std::vector<const standin::HostDescription*> hosts;
  for (const standin::HostDescription& host : standin::kHosts) hosts.push_back(&host);
  return hosts;
}

inline std::string HostParamName(const ::testing::TestParamInfo<const standin::HostDescription*>& info) {
  return std::string(info.param->displayName().begin(), info.param->displayName().end());
}

}  // namespace zorvane::test
