// The three hosts as test parameters, named for the test's name.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/office_host.h"

namespace zorvane::testing {

inline const auto kAllHosts = ::testing::Values(OfficeHost::PowerPoint, OfficeHost::Word, OfficeHost::Excel);

inline std::string HostParamName(const ::testing::TestParamInfo<OfficeHost>& info) {
  const std::u16string_view name = NamesOf(info.param).name;
  return std::string(name.begin(), name.end());  // ASCII
}

}  // namespace zorvane::testing
