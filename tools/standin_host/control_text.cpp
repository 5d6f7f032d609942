#include "control_text.h"

#include <algorithm>

#include "custom_ui.h"

namespace zorvane::standin {
namespace {

bool IsBlank(std::wstring_view text) noexcept {
  return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c == L' '; });
}

}  // namespace

std::wstring Face(const XmlElement& element) {
  const std::wstring* label = element.Attribute(L"label");
  const bool showLabel = ParseXmlBoolean(element.AttributeOr(L"showLabel")).value_or(true);
  if (label != nullptr && !IsBlank(*label) && showLabel) return *label;
  for (std::wstring_view name : {L"idMso", L"imageMso", L"id", L"idQ"}) {
    if (const std::wstring* value = element.Attribute(name)) return *value;
  }
  return element.name;
}

bool OpensMenu(const XmlElement& element) noexcept {
  return element.name == L"menu" || element.name == L"dynamicMenu" || element.name == L"splitButton" ||
         element.name == L"gallery";
}

std::wstring Describe(const XmlElement& element) {
  const std::wstring id = ControlId(element);
  const std::wstring label = element.AttributeOr(L"label");
  if (IsBlank(label) || label == id) return id;
  return label + L" (" + id + L")";
}

std::wstring Indent(std::size_t levels) { return std::wstring(levels * 2, L' '); }

}  // namespace zorvane::standin
