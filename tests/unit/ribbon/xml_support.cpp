#include "xml_support.h"

#include <stdexcept>

namespace zorvane::ribbon::testing {

std::unique_ptr<ParsedXml> ParseStrict(std::u16string_view text) {
  auto parsed = std::make_unique<ParsedXml>();
  // A broken text fails the test that reads it instead of being patched over.
  std::size_t unpaired = 0;
  const std::string utf8 = ToUtf8(text, &unpaired);
  if (unpaired != 0) throw std::invalid_argument("unpaired surrogate in the markup");
  // No whitespace conversion in attribute values: blanks must reach the test as written.
  constexpr unsigned kFlags = (pugi::parse_full | pugi::parse_ws_pcdata) & ~pugi::parse_wconv_attribute;
  parsed->result = parsed->document.load_buffer(utf8.data(), utf8.size(), kFlags, pugi::encoding_utf8);
  return parsed;
}

std::vector<pugi::xml_node> ElementsOf(pugi::xml_node root) {
  std::vector<pugi::xml_node> elements;
  if (root.type() == pugi::node_element) elements.push_back(root);
  for (pugi::xml_node child : root.children()) {
    for (pugi::xml_node element : ElementsOf(child)) elements.push_back(element);
  }
  return elements;
}

std::vector<pugi::xml_node> NonElementNodesOf(pugi::xml_node root) {
  std::vector<pugi::xml_node> nodes;
  for (pugi::xml_node child : root.children()) {
    if (child.type() != pugi::node_element) nodes.push_back(child);
    for (pugi::xml_node node : NonElementNodesOf(child)) nodes.push_back(node);
  }
  return nodes;
}

std::vector<std::string> AttributeNamesOf(pugi::xml_node element) {
  std::vector<std::string> names;
  for (pugi::xml_attribute attribute : element.attributes()) names.emplace_back(attribute.name());
  return names;
}

std::string ControlIdOf(pugi::xml_node element) {
  if (pugi::xml_attribute id = element.attribute("id")) return id.value();
  return element.attribute("idMso").value();
}

std::vector<std::string> IdsOf(pugi::xml_node root) {
  std::vector<std::string> ids;
  for (pugi::xml_node element : ElementsOf(root)) {
    if (pugi::xml_attribute id = element.attribute("id")) ids.emplace_back(id.value());
  }
  return ids;
}

std::size_t CountOf(std::u16string_view text, std::u16string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::u16string_view::npos; at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

std::string StartTagOf(pugi::xml_node element) {
  std::string tag = std::string("<") + element.name();
  for (pugi::xml_attribute attribute : element.attributes()) {
    tag += std::string(" ") + attribute.name() + "=\"" + attribute.value() + "\"";
  }
  tag += element.first_child() ? ">" : "/>";
  return tag;
}

}  // namespace zorvane::ribbon::testing
