// The Office applications the check looks at, each as a description: how the report names it,
// where Office keeps its keys, its program file, Zorvane's class for it. One row per host, in
// OfficeHost order; the first row's keys are those the check had before it knew more hosts.
#pragma once

#include <array>
#include <string_view>

#include "check/check_text.h"
#include "common/office_host.h"

namespace zorvane::check {

struct CheckedHost {
  OfficeHost host;
  std::u16string_view name;         // "{h}" in the texts
  std::u16string_view programFile;  // "{x}" in the texts; the process that blocks its repairs
  std::u16string_view appKey;       // Office's key of the application: <version>\<appKey>\..., <appKey>\Addins
  std::u16string_view progId;       // Zorvane's class for the host (its add-in entry's name)
  std::string_view keyPrefix;       // before each finding's key: "" for the first host
  std::string_view installedKey;    // the finding that says whether the host is installed
};

inline constexpr std::array<CheckedHost, kOfficeHostCount> kCheckedHosts{{
    {OfficeHost::PowerPoint, u"PowerPoint", u"POWERPNT.EXE", u"PowerPoint", u"Zorvane.Connect", "",
     "powerpoint.installed"},
    {OfficeHost::Word, u"Word", u"WINWORD.EXE", u"Word", u"Zorvane.WordConnect", "word.", "word.installed"},
    {OfficeHost::Excel, u"Excel", u"EXCEL.EXE", u"Excel", u"Zorvane.ExcelConnect", "excel.", "excel.installed"},
}};

constexpr bool InOfficeHostOrder() {
  for (std::size_t i = 0; i < kCheckedHosts.size(); ++i) {
    if (static_cast<std::size_t>(kCheckedHosts[i].host) != i) return false;
  }
  return true;
}
static_assert(InOfficeHostOrder(), "one row per host, in OfficeHost order");

// A value outside the enumeration is the first host.
constexpr const CheckedHost& CheckedHostOf(OfficeHost host) noexcept {
  const auto index = static_cast<std::size_t>(host);
  return kCheckedHosts[index < kCheckedHosts.size() ? index : 0];
}

constexpr HostWords WordsOf(OfficeHost host) noexcept {
  const CheckedHost& checked = CheckedHostOf(host);
  return {checked.name, checked.programFile};
}

}  // namespace zorvane::check
