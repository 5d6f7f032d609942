// Helpers for reading the ribbon markup in tests: strict parsing and walks over the element
// tree.
#pragma once

#include <pugixml.hpp>

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

inline constexpr OfficeHost kAllHosts[] = {OfficeHost::PowerPoint, OfficeHost::Word, OfficeHost::Excel};
static_assert(std::size(kAllHosts) == kOfficeHostCount);
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

// The published references in refs/ (see refs/README.md).
using Errors = std::vector<std::string>;
// What libxml2 finds wrong in `text` against the customUI schema; empty when it is valid.
Errors SchemaErrors(std::u16string_view text);

// The control names a host (or one of Outlook's ribbons) publishes, each with its types
// ("button", "gallery", ...), read from `file` in refs/.
using PublishedControls = std::map<std::string, std::set<std::string>>;
PublishedControls ReadPublishedControls(const std::string& file);

// The types a built-in control may have to stand as `element` inside `parent`: an element
// names its kind, but `control` takes any kind of control, save what a button group cannot hold.
std::set<std::string> TypesThatFit(std::string_view element, std::string_view parent);

}  // namespace zorvane::ribbon::testing
