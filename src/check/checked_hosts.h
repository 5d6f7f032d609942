// The Office applications the check looks at, each as a description: its names (how the report
// names it, where Office keeps its keys, its program file, Zorvane's class for it), its
// findings' keys, whose its list of add-ins never to disable is and where its dialogs are. One
// row per host, in OfficeHost order; the first row's keys are those the check had before it
// knew more hosts.
#pragma once

#include <array>
#include <string_view>

#include "check/check_text.h"
#include "common/office_host.h"

namespace zorvane::check {

// Whose the host's list of add-ins never to disable for slowness (2013 and later) is.
enum class AlwaysEnableList {
  // Holds 1 for each add-in, as "Always enable this add-in" writes it: the check writes ours.
  kOnes,
  // Outlook's: each value says what Outlook found slow, which only Outlook knows; with it Outlook
  // keeps its own record of each add-in it disabled. The check reports both and writes neither.
  kHostsOwn,
};

// The advice that leads to the host's own dialogs, which Outlook keeps elsewhere than the others.
struct HostDialogs {
  TextId comAddins;          // its list of COM add-ins, where Zorvane is ticked again
  TextId disabledItems2007;  // its Disabled Items in version 2007
  TextId uiErrors;           // its option to show add-in user interface errors
};
inline constexpr HostDialogs kOfficeDialogs{TextId::kAdviceLoadBehavior, TextId::kAdviceDisabledItems2007,
                                            TextId::kAdviceUiErrors};
inline constexpr HostDialogs kOutlookDialogs{TextId::kAdviceLoadBehaviorOutlook, TextId::kAdviceDisabledItemsOutlook2007,
                                             TextId::kAdviceUiErrorsOutlook};

// The host's names (OfficeHostNames: "{h}" and "{x}" in the texts, Office's application key,
// Zorvane's class) and what the check adds to them.
struct CheckedHost : OfficeHostNames {
  std::string_view keyPrefix;     // before each finding's key: "" for the first host
  std::string_view installedKey;  // the finding that says whether the host is installed
  AlwaysEnableList alwaysEnable;
  HostDialogs dialogs;
};

inline constexpr std::array<CheckedHost, kOfficeHostCount> kCheckedHosts{{
    {kOfficeHostNames[0], "", "powerpoint.installed", AlwaysEnableList::kOnes, kOfficeDialogs},
    {kOfficeHostNames[1], "word.", "word.installed", AlwaysEnableList::kOnes, kOfficeDialogs},
    {kOfficeHostNames[2], "excel.", "excel.installed", AlwaysEnableList::kOnes, kOfficeDialogs},
    {kOfficeHostNames[3], "outlook.", "outlook.installed", AlwaysEnableList::kHostsOwn, kOutlookDialogs},
}};

static_assert(InOfficeHostOrder(kCheckedHosts), "one row per host, in OfficeHost order");

constexpr const CheckedHost& CheckedHostOf(OfficeHost host) noexcept { return kCheckedHosts[HostIndex(host)]; }

constexpr HostWords WordsOf(OfficeHost host) noexcept {
  const CheckedHost& checked = CheckedHostOf(host);
  return {checked.name, checked.programFile};
}

}  // namespace zorvane::check
