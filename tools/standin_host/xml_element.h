// An XML element tree as the host keeps ribbon markup: elements only, names without
// prefixes, attributes in document order (namespace declarations left out).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::standin {

struct XmlAttribute {
  std::wstring name;
  std::wstring value;
};

struct XmlElement {
  std::wstring namespaceUri;
  std::wstring name;  // local name
  std::vector<XmlAttribute> attributes;
  std::vector<XmlElement> children;

  // The attribute's value, or null when the element has no such attribute.
  const std::wstring* Attribute(std::wstring_view attribute) const noexcept;
  std::wstring AttributeOr(std::wstring_view attribute, std::wstring_view fallback = {}) const;
  bool Has(std::wstring_view attribute) const noexcept { return Attribute(attribute) != nullptr; }
};

}  // namespace zorvane::standin
