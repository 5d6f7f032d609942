// The three hosts as test parameters, named for the test's name.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/office_host.h"

namespace zorvane::testing {

inline const auto kAllHosts = ::testing::Values(OfficeHost::PowerPoint, OfficeHost::Word, OfficeHost::Excel);

inline std::string HostParamName(const ::testing::TestParamInfo<OfficeHost>& info) {
  constexpr const char* kNames[] = {"PowerPoint", "Word", "Excel"};
  return kNames[static_cast<int>(info.param)];
}

}  // namespace zorvane::testing
