// Helpers for reading the ribbon markup in tests: strict parsing, walks over the element
// tree, and the checks against the published schema and control lists (refs/).
#pragma once

#include <pugixml.hpp>

#include <cstddef>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "portable/switch_names.h"
#include "common/office_host.h"
#include "common/ui_language.h"
#include "common/utf8.h"

namespace zorvane::ribbon::testing {

inline constexpr OfficeHost kAllHosts[] = {OfficeHost::PowerPoint, OfficeHost::Word, OfficeHost::Excel,
                                           OfficeHost::Outlook};
static_assert(std::size(kAllHosts) == kOfficeHostCount);
// The hosts of one ribbon, the main window's: all but Outlook.
inline constexpr OfficeHost kOneRibbonHosts[] = {OfficeHost::PowerPoint, OfficeHost::Word, OfficeHost::Excel};
using zorvane::testing::kAllVersions;
inline constexpr UiLanguage kAllLanguages[] = {UiLanguage::kSimplifiedChinese, UiLanguage::kTraditionalChinese,
                                               UiLanguage::kEnglish};
static_assert(std::size(kAllLanguages) == kUiLanguageCount);

// Parses with every node kind kept (declarations, comments, processing instructions and
// whitespace-only text), so that tests can see anything beyond plain elements.
struct ParsedXml {
  pugi::xml_document document;
  pugi::xml_parse_result result;
  pugi::xml_node Root() const { return document.document_element(); }
};
std::unique_ptr<ParsedXml> ParseStrict(std::u16string_view text);

// All element nodes below and including `root`, in document order.
std::vector<pugi::xml_node> ElementsOf(pugi::xml_node root);

// All nodes of any kind below `root` that are not elements.
std::vector<pugi::xml_node> NonElementNodesOf(pugi::xml_node root);

// The attribute names of `element`, in the order written.
std::vector<std::string> AttributeNamesOf(pugi::xml_node element);

// The value of `id`, else of `idMso`: what the host reports as the control's Id.
std::string ControlIdOf(pugi::xml_node element);

// Every `id` value at or below `root`, in document order.
std::vector<std::string> IdsOf(pugi::xml_node root);

// How many times `part` occurs in `text` (non-overlapping).
std::size_t CountOf(std::u16string_view text, std::u16string_view part);

// The element's own start tag as the host reads it: `<name a="v" ...>` or `.../>`.
std::string StartTagOf(pugi::xml_node element);

// What libxml2 finds wrong in `text` against the customUI schema; empty when it is valid.
using Errors = std::vector<std::string>;
Errors SchemaErrors(std::u16string_view text);

// The control names a host publishes, each with its types ("button", "gallery", ...), read
// from `file` in refs/.
using PublishedControls = std::map<std::string, std::set<std::string>>;
PublishedControls ReadPublishedControls(const std::string& file);

// The types a built-in control may have to stand as `element` inside `parent`.
std::set<std::string> TypesThatFit(std::string_view element, std::string_view parent);

// Each reference to a built-in name (an attribute ending in "Mso") at or below `root` that
// `published` lacks, or, for an idMso, lists with no type that fits its element, as
// "element name"; `references` grows by every reference looked at.
std::set<std::string> MisfitsOf(pugi::xml_node root, const PublishedControls& published, std::size_t& references);

}  // namespace zorvane::ribbon::testing
