#include "xml_support.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zorvane::ribbon::testing {
namespace {

const std::string kRefs = ZORVANE_RIBBON_REFS_DIR;

template <auto Free>
struct LibxmlFree {
  void operator()(auto* object) const noexcept { Free(object); }
};
using SchemaParser = std::unique_ptr<xmlSchemaParserCtxt, LibxmlFree<xmlSchemaFreeParserCtxt>>;
using Schema = std::unique_ptr<xmlSchema, LibxmlFree<xmlSchemaFree>>;
using Validator = std::unique_ptr<xmlSchemaValidCtxt, LibxmlFree<xmlSchemaFreeValidCtxt>>;
using Document = std::unique_ptr<xmlDoc, LibxmlFree<xmlFreeDoc>>;

}  // namespace

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

Errors SchemaErrors(std::u16string_view text) {
  static const Schema schema = [] {
    const SchemaParser parser(xmlSchemaNewParserCtxt((kRefs + "/customUI.libxml2.xsd").c_str()));
    return Schema(parser ? xmlSchemaParse(parser.get()) : nullptr);
  }();
  if (!schema) return {"the schema in " + kRefs + " could not be read"};

  const std::string utf8 = ToUtf8(text);
  const Document document(xmlReadMemory(utf8.data(), static_cast<int>(utf8.size()), "markup.xml", "UTF-8",
                                        XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
  if (!document) return {"not well-formed XML"};
  Errors errors;
  const Validator validator(xmlSchemaNewValidCtxt(schema.get()));
  // `auto`: the error's pointer type gained a const in later libxml2 versions.
  xmlSchemaSetValidStructuredErrors(validator.get(), [](void* out, auto error) {
    std::string message = error->message != nullptr ? error->message : "unnamed error";
    while (!message.empty() && message.back() == '\n') message.pop_back();
    static_cast<Errors*>(out)->push_back(message);
  }, &errors);
  if (xmlSchemaValidateDoc(validator.get(), document.get()) != 0 && errors.empty()) errors.push_back("invalid");
  return errors;
}

PublishedControls ReadPublishedControls(const std::string& file) {
  PublishedControls controls;
  std::ifstream list(kRefs + "/" + file);
  for (std::string line; std::getline(list, line);) {
    const std::size_t tab = line.find('\t');
    if (line.starts_with('#') || tab == std::string::npos) continue;
    std::istringstream types(line.substr(tab + 1));
    for (std::string type; std::getline(types, type, ',');) controls[line.substr(0, tab)].insert(type);
  }
  return controls;
}

std::set<std::string> TypesThatFit(std::string_view element, std::string_view parent) {
  const std::set<std::string> buttons = {"button", "button (dialogBoxLauncher)"};
  if (element == "button") return buttons;
  if (element == "toggleButton" || element == "checkBox" || element == "menu" || element == "tab") {
    return {std::string(element)};
  }
  std::set<std::string> any = {"button", "button (dialogBoxLauncher)", "toggleButton", "gallery", "menu",
                               "splitButton", "control"};
  if (parent != "buttonGroup") any.insert({"checkBox", "comboBox", "dropDown"});
  return element == "control" ? any : std::set<std::string>{};
}

}  // namespace zorvane::ribbon::testing
