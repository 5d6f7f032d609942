#include "ribbon_tabs.h"

#include <algorithm>
#include <iterator>

#include "custom_ui.h"

namespace zorvane::standin {
namespace {

std::vector<TabSlot>::iterator FindSlot(std::vector<TabSlot>& slots, std::wstring_view idMso, bool builtIn) {
  return std::find_if(slots.begin(), slots.end(), [&](const TabSlot& slot) {
    return slot.key == idMso && (slot.owner.addin == nullptr) == builtIn;
  });
}

void PlaceAddinTab(std::vector<TabSlot>& slots, AddinUi* addin, const XmlElement& tab) {
  TabSlot slot;
  slot.key = ControlId(tab);
  slot.caption = tab.AttributeOr(L"label", slot.key);
  slot.owner = {addin, &tab};
  auto where = slots.end();
  if (const std::wstring* before = tab.Attribute(L"insertBeforeMso")) {
    where = FindSlot(slots, *before, true);
  } else if (const std::wstring* after = tab.Attribute(L"insertAfterMso")) {
    where = FindSlot(slots, *after, true);
    if (where != slots.end()) ++where;
  }
  slots.insert(where, std::move(slot));
}

}  // namespace

std::vector<TabSlot> ArrangeTabs(std::span<AddinUi* const> addins, std::span<const BuiltInTab> builtIn) {
  std::vector<TabSlot> slots;
  for (const BuiltInTab& tab : builtIn) {
    TabSlot slot;
    slot.key = tab.idMso;
    slot.caption = tab.caption;
    slots.push_back(std::move(slot));
  }
  for (AddinUi* addin : addins) {
    const XmlElement* root = addin->document();
    if (root == nullptr) continue;
    const XmlElement* ribbon = FindChild(*root, L"ribbon");
    if (ribbon == nullptr) continue;
    const bool fromScratch = ParseXmlBoolean(ribbon->AttributeOr(L"startFromScratch")).value_or(false);
    if (fromScratch) {
      for (TabSlot& slot : slots) {
        if (slot.owner.addin == nullptr) slot.hiddenFromScratch = true;
      }
    }
    const XmlElement* tabs = FindChild(*ribbon, L"tabs");
    if (tabs == nullptr) continue;
    for (const XmlElement& tab : tabs->children) {
      if (tab.name != L"tab") continue;
      if (const std::wstring* idMso = tab.Attribute(L"idMso")) {
        // A built-in tab re-declared: same tab, the add-in may hide it.
        if (auto slot = FindSlot(slots, *idMso, true); slot != slots.end()) {
          slot->redeclarations.push_back({addin, &tab});
        }
        continue;
      }
      PlaceAddinTab(slots, addin, tab);
    }
  }
  return slots;
}

TabVisibility VisibilityOf(const TabSlot& tab) {
  if (tab.owner.addin != nullptr) {
    if (tab.owner.addin->IsVisible(*tab.owner.element)) return {};
    return {false, tab.owner.addin->progId()};
  }
  bool decided = false;
  for (const TabDeclaration& declaration : tab.redeclarations) {
    const bool hasOwnVisibility = declaration.element->Has(L"getVisible") || declaration.element->Has(L"visible");
    if (!hasOwnVisibility) continue;
    decided = true;
    if (!declaration.addin->IsVisible(*declaration.element)) return {false, declaration.addin->progId()};
  }
  if (!decided && tab.hiddenFromScratch) return {false, L"startFromScratch"};
  return {};
}

}  // namespace zorvane::standin
