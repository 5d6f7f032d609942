#include "custom_ui.h"

#include <algorithm>
#include <iterator>

namespace zorvane::standin {
namespace {

// The callback attributes of the 2006/01 schema.
constexpr std::wstring_view kCallbackAttributes[] = {
    L"onLoad",          L"loadImage",        L"onAction",         L"onChange",
    L"getContent",      L"getDescription",   L"getEnabled",       L"getImage",
    L"getItemCount",    L"getItemHeight",    L"getItemID",        L"getItemImage",
    L"getItemLabel",    L"getItemScreentip", L"getItemSupertip",  L"getItemWidth",
    L"getKeytip",       L"getLabel",         L"getPressed",       L"getScreentip",
    L"getSelectedItemID", L"getSelectedItemIndex", L"getShowImage", L"getShowLabel",
    L"getSize",         L"getSupertip",      L"getText",          L"getTitle",
    L"getVisible",
};

void CollectUses(const XmlElement& element, std::vector<CallbackUse>& uses) {
  for (const XmlAttribute& attribute : element.attributes) {
    if (!IsCallbackAttribute(attribute.name)) continue;
    const bool known = std::any_of(uses.begin(), uses.end(),
                                   [&](const CallbackUse& use) { return use.name == attribute.value; });
    if (!known) uses.push_back({attribute.name, attribute.value, ControlId(element)});
  }
  for (const XmlElement& child : element.children) CollectUses(child, uses);
}

// The first element outside the customUI namespace, or null.
const XmlElement* ForeignElement(const XmlElement& element) noexcept {
  if (element.namespaceUri != kCustomUiNamespace) return &element;
  for (const XmlElement& child : element.children) {
    if (const XmlElement* foreign = ForeignElement(child)) return foreign;
  }
  return nullptr;
}

std::wstring CheckRoot(const XmlElement& root, std::wstring_view expected) {
  if (root.name != expected) {
    return L"the root element is <" + root.name + L">, not <" + std::wstring(expected) + L">";
  }
  if (const XmlElement* foreign = ForeignElement(root)) {
    const std::wstring where = foreign->namespaceUri.empty() ? L"no namespace" : L"namespace " + foreign->namespaceUri;
    return L"<" + foreign->name + L"> is in " + where + L", not in the customUI namespace " +
           std::wstring(kCustomUiNamespace);
  }
  return {};
}

}  // namespace

bool IsCallbackAttribute(std::wstring_view attribute) noexcept {
  return std::find(std::begin(kCallbackAttributes), std::end(kCallbackAttributes), attribute) !=
         std::end(kCallbackAttributes);
}

std::vector<CallbackUse> CallbackUses(const XmlElement& root) {
  std::vector<CallbackUse> uses;
  CollectUses(root, uses);
  return uses;
}

std::wstring CheckRibbonDocument(const XmlElement& root) { return CheckRoot(root, L"customUI"); }

std::wstring CheckMenuContent(const XmlElement& root) { return CheckRoot(root, L"menu"); }

std::optional<bool> ParseXmlBoolean(std::wstring_view text) noexcept {
  if (text == L"true" || text == L"1") return true;
  if (text == L"false" || text == L"0") return false;
  return std::nullopt;
}

std::optional<bool> StaticVisibility(const XmlElement& element) noexcept {
  if (element.Has(L"getVisible")) return std::nullopt;
  if (const std::wstring* visible = element.Attribute(L"visible")) return ParseXmlBoolean(*visible).value_or(true);
  return true;
}

std::wstring ControlId(const XmlElement& element) {
  for (std::wstring_view name : {L"id", L"idMso", L"idQ"}) {
    if (const std::wstring* value = element.Attribute(name)) return *value;
  }
  return {};
}

const XmlElement* FindChild(const XmlElement& parent, std::wstring_view name) noexcept {
  for (const XmlElement& child : parent.children) {
    if (child.name == name) return &child;
  }
  return nullptr;
}

const XmlElement* FindById(const XmlElement& root, std::wstring_view id) noexcept {
  if (const std::wstring* own = root.Attribute(L"id"); own && *own == id) return &root;
  for (const XmlElement& child : root.children) {
    if (const XmlElement* found = FindById(child, id)) return found;
  }
  return nullptr;
}

}  // namespace zorvane::standin
