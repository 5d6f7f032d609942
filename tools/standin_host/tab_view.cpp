#include "tab_view.h"

#include <optional>
#include <string>
#include <vector>

#include "control_text.h"
#include "custom_ui.h"
#include "text.h"

namespace zorvane::standin {
namespace {

// A box is drawn on one line, as on the ribbon, while it fits; else one line per control.
constexpr std::size_t kRowWidth = 132;
constexpr std::size_t kCaptionColumn = 16;

class TabPrinter {
 public:
  TabPrinter(Report& report, AddinUi& addin) : report_(report), addin_(addin) {}

  void Group(const XmlElement& group, std::size_t level) {
    report_.Line(Indent(level) + L"Group " + Quoted(group.AttributeOr(L"label")) + L" (" + ControlId(group) + L"):");
    for (const XmlElement& child : group.children) {
      if (child.name == L"box") {
        Box(child, level + 1);
      } else {
        Lines({&child}, level + 1);
      }
    }
    if (!hidden_.empty()) {
      std::wstring line = Indent(level + 1) + L"hidden by " + addin_.progId() + L": ";
      for (std::size_t i = 0; i < hidden_.size(); ++i) line += (i ? L", " : L"") + hidden_[i];
      report_.Line(line);
      hidden_.clear();
    }
  }

 private:
  struct Piece {
    std::wstring text;
    bool gap = false;  // a label: stands between controls as its own blanks
  };

  // The visible controls of `element` as they read on a row; static menus are collected
  // into `menus` for their item lines.
  std::optional<Piece> Chunk(const XmlElement& element, std::vector<const XmlElement*>& menus, bool framed) {
    if (!addin_.IsVisible(element)) {
      hidden_.push_back(Describe(element));
      return std::nullopt;
    }
    if (element.name == L"labelControl") return Piece{element.AttributeOr(L"label"), true};
    if (element.name == L"separator") return Piece{L"\u2502", false};
    std::wstring text;
    if (element.name == L"buttonGroup" || element.name == L"box") {
      const bool group = element.name == L"buttonGroup";
      text = Row(element.children, menus, !group, group ? L" | " : L" ");
      if (group) text = L"[" + text + L"]";
      return Piece{text, false};
    }
    text = Face(element);
    if (OpensMenu(element)) text += kDropDownMark;
    if (element.name == L"menu") menus.push_back(&element);
    return Piece{framed ? L"[" + text + L"]" : text, false};
  }

  std::wstring Row(const std::vector<XmlElement>& controls, std::vector<const XmlElement*>& menus, bool framed,
                   std::wstring_view separator) {
    std::wstring row;
    bool previousWasControl = false;
    for (const XmlElement& control : controls) {
      const std::optional<Piece> piece = Chunk(control, menus, framed);
      if (!piece) continue;
      if (!piece->gap && previousWasControl) row += separator;
      row += piece->text;
      previousWasControl = !piece->gap;
    }
    return row;
  }

  void Box(const XmlElement& box, std::size_t level) {
    report_.Line(Indent(level) + L"Box " + ControlId(box) + L":");
    // Measure the one-line form without keeping what it noted.
    const std::size_t hiddenBefore = hidden_.size();
    std::vector<const XmlElement*> menus;
    const std::wstring row = Row(box.children, menus, true, L" ");
    if (DisplayWidth(row) + (level + 1) * 2 <= kRowWidth) {
      report_.Line(Indent(level + 1) + row);
      MenuItems(menus, level + 2);
      return;
    }
    hidden_.resize(hiddenBefore);
    std::vector<const XmlElement*> controls;
    for (const XmlElement& child : box.children) controls.push_back(&child);
    Lines(controls, level + 1);
  }

  void Lines(const std::vector<const XmlElement*>& controls, std::size_t level) {
    for (const XmlElement* control : controls) {
      std::vector<const XmlElement*> menus;
      const std::optional<Piece> piece = Chunk(*control, menus, true);
      if (!piece) continue;
      // A blank label is a gap: an empty line.
      const bool blank = piece->text.find_first_not_of(L' ') == std::wstring::npos;
      report_.Line(blank ? std::wstring() : Indent(level) + piece->text);
      MenuItems(menus, level + 1);
    }
  }

  // One line per static menu: what it drops down.
  void MenuItems(const std::vector<const XmlElement*>& menus, std::size_t level) {
    for (const XmlElement* menu : menus) {
      std::wstring line = Indent(level) + Face(*menu) + std::wstring(kDropDownMark) + L" (" + ControlId(*menu);
      if (const std::wstring* tip = menu->Attribute(L"screentip")) line += L", " + Quoted(*tip);
      line += L"):";
      std::vector<const XmlElement*> nested;
      bool first = true;
      for (const XmlElement& item : menu->children) {
        if (!addin_.IsVisible(item)) {
          hidden_.push_back(Describe(item));
          continue;
        }
        std::wstring text = item.name == L"menuSeparator" ? L"\u2014" : Face(item);
        if (OpensMenu(item)) text += kSubMenuMark;
        if (item.name == L"menu") nested.push_back(&item);
        line += (first ? L" " : L", ") + text;
        first = false;
      }
      report_.Line(line);
      MenuItems(nested, level + 1);
    }
  }

  Report& report_;
  AddinUi& addin_;
  std::vector<std::wstring> hidden_;
};

}  // namespace

void PrintTabStrip(Report& report, std::span<const TabSlot> tabs) {
  report.Line(L"Ribbon tabs, left to right:");
  for (const TabSlot& tab : tabs) {
    std::wstring line = L"  " + PadToWidth(tab.caption, kCaptionColumn) + tab.key;
    if (tab.owner.addin != nullptr) line += L", tab of " + tab.owner.addin->progId();
    const TabVisibility visibility = VisibilityOf(tab);
    if (!visibility.visible) line += L"  (hidden by " + visibility.hiddenBy + L")";
    report.Line(line);
  }
}

void PrintAddinTab(Report& report, const TabSlot& tab) {
  if (tab.owner.addin == nullptr) return;
  report.Line(L"Tab " + tab.caption + L" (" + tab.key + L") of " + tab.owner.addin->progId() + L":");
  TabPrinter printer(report, *tab.owner.addin);
  for (const XmlElement& group : tab.owner.element->children) {
    if (group.name != L"group") continue;
    if (!tab.owner.addin->IsVisible(group)) {
      report.Line(L"  Group " + Describe(group) + L": hidden by " + tab.owner.addin->progId());
      continue;
    }
    printer.Group(group, 1);
  }
}

}  // namespace zorvane::standin
