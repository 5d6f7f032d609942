// The ribbons a host asks the add-in for: one per window of the host that has a ribbon of its
// own. A host of one ribbon is given its document whatever ribbon id it names; Outlook is
// given one for each of three ids and none for its other windows.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "common/office_host.h"
#include "common/office_version.h"
#include "ribbon/ribbon_names.h"
#include "settings/host_switches.h"

namespace zorvane::ribbon {

struct HostRibbon {
  OfficeHost host;
  settings::RibbonWindow window;
  std::u16string_view ribbonId;      // empty: every id the host names
  std::u16string_view menuIdPrefix;  // empty: the host's only document
  OfficeVersion since = OfficeVersion::k2007;  // the first version whose window has a ribbon
};

// In OfficeHost order, each host's windows in RibbonWindow order: the index of a row is its
// document's.
inline constexpr std::array<HostRibbon, 6> kHostRibbons{{
    {OfficeHost::PowerPoint, settings::RibbonWindow::kMain, {}, {}},
    {OfficeHost::Word, settings::RibbonWindow::kMain, {}, {}},
    {OfficeHost::Excel, settings::RibbonWindow::kMain, {}, {}},
    {OfficeHost::Outlook, settings::RibbonWindow::kMain, ribbon_id::kOutlookExplorer, menu_id_prefix::kOutlookExplorer,
     OfficeVersion::k2010},
    {OfficeHost::Outlook, settings::RibbonWindow::kCompose, ribbon_id::kOutlookCompose, menu_id_prefix::kOutlookCompose},
    {OfficeHost::Outlook, settings::RibbonWindow::kRead, ribbon_id::kOutlookRead, menu_id_prefix::kOutlookRead},
}};
inline constexpr std::size_t kDocumentCount = kHostRibbons.size();

static_assert([] {
  for (std::size_t i = 0; i < kHostRibbons.size(); ++i) {
    const HostRibbon& row = kHostRibbons[i];
    if (i == 0 ? row.host != OfficeHost{} : (row.host < kHostRibbons[i - 1].host ||
                                            (row.host == kHostRibbons[i - 1].host && row.window <= kHostRibbons[i - 1].window))) {
      return false;
    }
    // Only a host of several ribbons tells them apart, and then by both names.
    const bool several = (i > 0 && kHostRibbons[i - 1].host == row.host) ||
                         (i + 1 < kHostRibbons.size() && kHostRibbons[i + 1].host == row.host);
    if (several == row.ribbonId.empty() || several == row.menuIdPrefix.empty()) return false;
  }
  return kHostRibbons.back().host == static_cast<OfficeHost>(kOfficeHostCount - 1);
}(), "every host's ribbons, in OfficeHost and window order, named where a host has several");

// The document of `window` of `host`, if that window has a ribbon of ours.
constexpr std::optional<std::size_t> DocumentOf(OfficeHost host, settings::RibbonWindow window) noexcept {
  for (std::size_t i = 0; i < kHostRibbons.size(); ++i) {
    if (kHostRibbons[i].host == host && kHostRibbons[i].window == window) return i;
  }
  return std::nullopt;
}

// The window whose document answers the ribbon `ribbonId` of `host`; none for an id of
// another window (or an empty one) where the host has several ribbons. Exact comparison.
constexpr std::optional<settings::RibbonWindow> WindowOfRibbon(OfficeHost host, std::u16string_view ribbonId) noexcept {
  for (const HostRibbon& row : kHostRibbons) {
    if (row.host == host && (row.ribbonId.empty() || row.ribbonId == ribbonId)) return row.window;
  }
  return std::nullopt;
}

// How many ribbons of the host have a document of ours.
constexpr std::size_t RibbonCount(OfficeHost host) noexcept {
  std::size_t count = 0;
  for (const HostRibbon& row : kHostRibbons) count += row.host == host ? 1 : 0;
  return count;
}

// The window whose document holds the dynamic menu with this id; none for an id that no
// document of the host's gives its menus.
constexpr std::optional<settings::RibbonWindow> WindowOfMenu(OfficeHost host, std::u16string_view menuId) noexcept {
  for (const HostRibbon& row : kHostRibbons) {
    if (row.host == host && menuId.starts_with(row.menuIdPrefix)) return row.window;
  }
  return std::nullopt;
}

}  // namespace zorvane::ribbon
