// The stand-in's hosts as test parameters, named for the test's name.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "host_description.h"
#include "ribbon/ribbon_windows.h"
#include "support/registry_snapshot.h"

namespace zorvane::test {

inline std::vector<const standin::HostDescription*> HostPointers() {
  std::vector<const standin::HostDescription*> hosts;
  for (const standin::HostDescription& host : standin::kHosts) hosts.push_back(&host);
  return hosts;
}

// The hosts of one ribbon (all but Outlook), whose switch k + 1 governs one tab of that name in
// every version that has it.
inline std::vector<const standin::HostDescription*> OneRibbonHostPointers() {
  std::vector<const standin::HostDescription*> hosts;
  for (const standin::HostDescription& host : standin::kHosts) {
    if (ribbon::RibbonCount(host.host) == 1) hosts.push_back(&host);
  }
  return hosts;
}

inline std::string HostParamName(const ::testing::TestParamInfo<const standin::HostDescription*>& info) {
  return std::string(info.param->displayName().begin(), info.param->displayName().end());
}

// The id of the dynamic menu with `tag` on the bar of the host's main-window document: the id
// tells Outlook's windows apart; the others read only the tag.
inline std::wstring MenuControlId(OfficeHost host, std::wstring_view tag) {
  const std::u16string_view prefix = ribbon::kHostRibbons[*ribbon::DocumentOf(host, settings::RibbonWindow::kMain)].menuIdPrefix;
  return std::wstring(prefix.begin(), prefix.end()) + std::wstring(tag) + L"I";
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
