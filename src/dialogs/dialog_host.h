// What the dialogs need to know of each Office host besides its switches: which of its windows
// owns a dialog. Constants only; the tabs the customization list names are the host's switches
// (settings::HostSwitches) and their texts stand in each language's table (DialogText).
#pragma once

#include <array>
#include <cstddef>

#include "common/office_host.h"
#include "dialogs/window_owner.h"

namespace zorvane::dialogs {

struct DialogHost {
  OfficeHost host;
  OwnerRule owner;
};

// In OfficeHost order. Word gives every document a top-level window of its own, and so does
// Excel from 2013 on (before, its one main window is also the active one): the dialog goes
// to the window the command came from, as in Outlook, whose message windows each have a ribbon
// of their own. PowerPoint's dialogs keep to its main window.
inline constexpr std::array<DialogHost, kOfficeHostCount> kDialogHosts{{
    {OfficeHost::PowerPoint, OwnerRule::kMainWindow},
    {OfficeHost::Word, OwnerRule::kCommandWindow},
    {OfficeHost::Excel, OwnerRule::kCommandWindow},
    {OfficeHost::Outlook, OwnerRule::kCommandWindow},
}};
static_assert(InOfficeHostOrder(kDialogHosts), "one row per host, in OfficeHost order");

constexpr const DialogHost& DialogHostOf(OfficeHost host) noexcept { return kDialogHosts[HostIndex(host)]; }

}  // namespace zorvane::dialogs
