#include "xml_element.h"

namespace zorvane::standin {

const std::wstring* XmlElement::Attribute(std::wstring_view attribute) const noexcept {
  for (const XmlAttribute& candidate : attributes) {
    if (candidate.name == attribute) return &candidate.value;
  }
  return nullptr;
}

std::wstring XmlElement::AttributeOr(std::wstring_view attribute, std::wstring_view fallback) const {
  const std::wstring* value = Attribute(attribute);
  return value ? *value : std::wstring(fallback);
}

}  // namespace zorvane::standin
