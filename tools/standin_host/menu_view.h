// The add-ins' dynamic menus: which ones a user can open, and what they hold when opened.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "report.h"
#include "ribbon_tabs.h"

namespace zorvane::standin {

struct MenuPlace {
  AddinUi* addin = nullptr;
  const XmlElement* element = nullptr;  // the dynamicMenu
  std::wstring path;                    // e.g. "全部 ▸ 文件" inside the combined menu
};

// The dynamic menus on the visible add-in tabs that a user can reach, in document order.
std::vector<MenuPlace> ReachableMenus(std::span<const TabSlot> tabs);

// Whether NAME of --menu names this menu: its label, id, tag or path.
bool MenuMatches(const MenuPlace& menu, std::wstring_view name);

struct ItemCount {
  std::size_t items = 0;  // the menu's items, separators included
  std::size_t separators = 0;
};
ItemCount CountItems(const XmlElement& menu) noexcept;

// Opens each menu and prints one line for it: path, id, tag, number of items.
void PrintMenuSummary(Report& report, std::span<const MenuPlace> menus);

// Opens the menu and prints its items, sub-menus indented, separators as lines.
void PrintMenuItems(Report& report, const MenuPlace& menu);

}  // namespace zorvane::standin
