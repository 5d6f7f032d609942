#include "menu_view.h"

#include "control_text.h"
#include "custom_ui.h"
#include "text.h"

namespace zorvane::standin {
namespace {

constexpr std::size_t kPathColumn = 22;
constexpr std::size_t kIdColumn = 20;
constexpr std::size_t kTagColumn = 14;
constexpr std::size_t kItemColumn = 44;
constexpr std::size_t kMaxMenuDepth = 8;  // dynamic menus may nest; a loop of them must end
constexpr std::wstring_view kSeparatorLine = L"\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500";

void Collect(AddinUi& addin, const XmlElement& element, const std::wstring& path, std::vector<MenuPlace>& out) {
  for (const XmlElement& child : element.children) {
    if (!addin.IsVisible(child)) continue;
    if (child.name == L"dynamicMenu") {
      out.push_back({&addin, &child, path + Face(child)});
    } else if (OpensMenu(child)) {
      Collect(addin, child, path + Face(child) + std::wstring(kSubMenuMark) + L" ", out);
    } else if (!child.children.empty()) {
      Collect(addin, child, path, out);
    }
  }
}

std::wstring CountText(const ItemCount& count) {
  std::wstring text = std::to_wstring(count.items) + (count.items == 1 ? L" item" : L" items");
  if (count.separators != 0) {
    text += L", " + std::to_wstring(count.separators) + (count.separators == 1 ? L" separator" : L" separators");
  }
  return text;
}

std::wstring ContentState(const MenuContent& content) {
  if (!content.answered) return L"not opened: the add-in's answer failed";
  if (content.root == nullptr) return L"empty";
  return CountText(CountItems(*content.root));
}

// What follows an item's face: its kind and the names that identify it.
std::wstring ItemKind(const XmlElement& item, const std::wstring& face) {
  if (item.name == L"menu" && item.Has(L"idMso")) return L"built-in menu";
  std::wstring kind = item.name == L"dynamicMenu" ? L"dynamic menu" : item.name;
  if (const std::wstring* idMso = item.Attribute(L"idMso"); idMso && *idMso != face) kind += L" " + *idMso;
  if (const std::wstring* id = item.Attribute(L"id")) kind += L" " + *id;
  if (const std::wstring* action = item.Attribute(L"onAction")) kind += L", onAction " + *action;
  return kind;
}

void PrintItems(Report& report, AddinUi& addin, const XmlElement& menu, std::size_t level, std::size_t depth) {
  for (const XmlElement& item : menu.children) {
    if (!addin.IsVisible(item)) continue;
    if (item.name == L"menuSeparator") {
      std::wstring line = Indent(level) + std::wstring(kSeparatorLine);
      if (const std::wstring* title = item.Attribute(L"title")) line += L" " + *title + L" " + std::wstring(kSeparatorLine.substr(0, 3));
      report.Line(line);
      continue;
    }
    const std::wstring face = Face(item);
    std::wstring left = Indent(level) + face;
    if (OpensMenu(item)) left += kSubMenuMark;
    report.Line(PadToWidth(left, kItemColumn) + ItemKind(item, face));
    if (item.name == L"dynamicMenu") {
      if (depth >= kMaxMenuDepth) {
        report.Line(Indent(level + 1) + L"(not opened: dynamic menus nested too deep)");
        continue;
      }
      const MenuContent& content = addin.OpenMenu(item);
      if (content.root != nullptr) {
        PrintItems(report, addin, *content.root, level + 1, depth + 1);
      } else {
        report.Line(Indent(level + 1) + L"(" + ContentState(content) + L")");
      }
    } else if (!item.children.empty()) {
      PrintItems(report, addin, item, level + 1, depth);
    }
  }
}

}  // namespace

std::vector<MenuPlace> ReachableMenus(std::span<const TabSlot> tabs) {
  std::vector<MenuPlace> menus;
  for (const TabSlot& tab : tabs) {
    AddinUi* addin = tab.owner.addin;
    if (addin == nullptr || !VisibilityOf(tab).visible) continue;
    for (const XmlElement& group : tab.owner.element->children) {
      if (group.name == L"group" && addin->IsVisible(group)) Collect(*addin, group, {}, menus);
    }
  }
  return menus;
}

bool MenuMatches(const MenuPlace& menu, std::wstring_view name) {
  const XmlElement& element = *menu.element;
  return menu.path == name || element.AttributeOr(L"label") == name || element.AttributeOr(L"id") == name ||
         element.AttributeOr(L"tag") == name;
}

ItemCount CountItems(const XmlElement& menu) noexcept {
  ItemCount count;
  count.items = menu.children.size();
  for (const XmlElement& item : menu.children) {
    if (item.name == L"menuSeparator") ++count.separators;
  }
  return count;
}

void PrintMenuSummary(Report& report, std::span<const MenuPlace> menus) {
  for (const MenuPlace& menu : menus) {
    const MenuContent& content = menu.addin->OpenMenu(*menu.element);
    std::wstring line = L"  " + PadToWidth(menu.path, kPathColumn) + PadToWidth(ControlId(*menu.element), kIdColumn);
    line += PadToWidth(L"tag " + menu.element->AttributeOr(L"tag"), kTagColumn) + ContentState(content);
    report.Line(line);
  }
}

void PrintMenuItems(Report& report, const MenuPlace& menu) {
  const MenuContent& content = menu.addin->OpenMenu(*menu.element);
  report.Line(L"Menu " + menu.path + L" (" + ControlId(*menu.element) + L", tag " + menu.element->AttributeOr(L"tag") +
              L"): " + ContentState(content));
  if (content.root != nullptr) PrintItems(report, *menu.addin, *content.root, 1, 1);
}

}  // namespace zorvane::standin
