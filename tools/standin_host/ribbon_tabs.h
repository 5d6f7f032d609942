// The ribbon's tabs in the order the user sees them: the host's built-in tabs, and the
// add-ins' tabs placed by insertBeforeMso / insertAfterMso (else at the end).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "addin_ui.h"
#include "host_description.h"

namespace zorvane::standin {

struct TabDeclaration {
  AddinUi* addin = nullptr;
  const XmlElement* element = nullptr;
};

struct TabSlot {
  std::wstring key;       // idMso of a built-in tab, id of an add-in's tab
  std::wstring caption;
  TabDeclaration owner;   // an add-in's own tab; empty for a built-in tab
  std::vector<TabDeclaration> redeclarations;  // add-ins' declarations of a built-in tab
  bool hiddenFromScratch = false;  // an add-in's ribbon starts from scratch
};

std::vector<TabSlot> ArrangeTabs(std::span<AddinUi* const> addins,
                                 std::span<const BuiltInTab> builtIn = kDefaultHost.tabsOf(kOffice2007));

struct TabVisibility {
  bool visible = true;
  std::wstring hiddenBy;  // ProgID of the add-in that hides it
};

// Asks the owning add-in, or every add-in that re-declares the built-in tab.
TabVisibility VisibilityOf(const TabSlot& tab);

}  // namespace zorvane::standin
