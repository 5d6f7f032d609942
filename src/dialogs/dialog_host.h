// What the dialogs need to know of each Office host: which built-in tabs its customization
// list names, in its order, and which of its windows owns a dialog. Constants only; the
// texts themselves stand in each language's table (DialogText).
#pragma once

#include <array>
#include <cstddef>

#include "common/office_host.h"
#include "dialogs/window_owner.h"

namespace zorvane::dialogs {

// The built-in tabs that some host's list names: an index into DialogText::tabNames.
enum TabName : unsigned char {
  kHomeTab,
  kInsertTab,
  kDesignTab,
  kAnimationsTab,
  kSlideShowTab,
  kReviewTab,
  kViewTab,
  kDeveloperTab,
  kPageLayoutTab,
  kReferencesTab,
  kMailingsTab,
  kFormulasTab,
  kDataTab,
  kTabNameCount
};

inline constexpr std::size_t kTabItemCount = 8;

struct DialogHost {
  // The list's items: item k stands for the host's switch k + 1 (ShowAllMenu is switch 0).
  std::array<TabName, kTabItemCount> tabs;
  OwnerRule owner;
};

// In OfficeHost order. Word gives every document a top-level window of its own, and so does
// Excel from 2013 on (before, its one main window is also the active one): the dialog goes
// to the window the command came from. PowerPoint's dialogs keep to its main window.
inline constexpr std::array<DialogHost, kOfficeHostCount> kDialogHosts{{
    {{kHomeTab, kInsertTab, kDesignTab, kAnimationsTab, kSlideShowTab, kReviewTab, kViewTab, kDeveloperTab},
     OwnerRule::kMainWindow},
    {{kHomeTab, kInsertTab, kPageLayoutTab, kReferencesTab, kMailingsTab, kReviewTab, kViewTab, kDeveloperTab},
     OwnerRule::kCommandWindow},
    {{kHomeTab, kInsertTab, kPageLayoutTab, kFormulasTab, kDataTab, kReviewTab, kViewTab, kDeveloperTab},
     OwnerRule::kCommandWindow},
}};

// The host's place in tables in OfficeHost order; a value outside the enumeration is
// PowerPoint's.
constexpr std::size_t HostIndex(OfficeHost host) noexcept {
  const auto index = static_cast<std::size_t>(host);
  return index < kOfficeHostCount ? index : 0;
}

constexpr const DialogHost& DialogHostOf(OfficeHost host) noexcept { return kDialogHosts[HostIndex(host)]; }

}  // namespace zorvane::dialogs
