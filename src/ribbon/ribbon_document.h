// The add-in's customUI documents: one text per ribbon of a host, version and language.
#pragma once

#include <string_view>

#include "common/office_host.h"
#include "common/office_version.h"
#include "common/ui_language.h"
#include "settings/host_switches.h"

namespace zorvane::ribbon {

// The whole ribbon document (UTF-16, no XML declaration) of `window` of `host` in `language`,
// re-declaring exactly the built-in tabs that the window has in `version` and a switch
// governs; every language has the same elements, ids and attributes, only our own captions
// differ. The view is of static storage and stays valid for the life of the module; the text is
// followed by a zero. A language outside the enumeration is the first. Empty for a window
// without a ribbon of ours (ribbon_windows.h).
std::u16string_view RibbonDocument(OfficeHost host, OfficeVersion version, UiLanguage language,
                                   settings::RibbonWindow window = settings::RibbonWindow::kMain) noexcept;

}  // namespace zorvane::ribbon
