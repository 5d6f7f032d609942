#include "xml_support.h"

#include <stdexcept>

namespace zorvane::ribbon::testing {

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) {
        throw std::invalid_argument("unpaired high surrogate");
      }
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (c >= 0xDC00 && c <= 0xDFFF) {
      throw std::invalid_argument("unpaired low surrogate");
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::unique_ptr<ParsedXml> ParseStrict(std::u16string_view text) {
  auto parsed = std::make_unique<ParsedXml>();
  const std::string utf8 = ToUtf8(text);
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
