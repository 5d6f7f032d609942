// The host's ribbons, kept process-wide from the ribbons' load callback: one per window of the
// host that has a ribbon of its own (Outlook's main window and each kind of message window).
#pragma once

#include <windows.h>

#include <cstddef>

#include "dialogs/display_choices.h"
#include "office.h"

namespace zorvane::addin {

// The kept ribbons, each with a reference of the caller's, for as long as the caller holds them.
dialogs::HostRibbons HostRibbonsHeld() noexcept;

// Keeps `ribbon` beside those kept before, unless it is one of them, in at most `places` (how
// many ribbons the host has): each ribbon of the host loads once, and a ribbon loaded again
// as a new object replaces the longest kept. Null releases every kept ribbon.
void KeepHostRibbon(IRibbonUI* ribbon, std::size_t places) noexcept;

// Releases every kept ribbon.
void ReleaseHostRibbons() noexcept;

}  // namespace zorvane::addin
