// Prints the ribbon as a user sees it: the tab strip, and each add-in tab with its
// groups, boxes, button groups and menus. Hidden controls are left out and named after.
#pragma once

#include <span>

#include "report.h"
#include "ribbon_tabs.h"

namespace zorvane::standin {

// One line per tab, left to right; hidden tabs are marked as such.
void PrintTabStrip(Report& report, std::span<const TabSlot> tabs);

// The contents of a visible add-in tab.
void PrintAddinTab(Report& report, const TabSlot& tab);

}  // namespace zorvane::standin
