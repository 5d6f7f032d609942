// The markup checked against what the host's maker publishes, not against itself: the
// customUI schema, and PowerPoint's list of built-in control names (see refs/README.md).
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "xml_support.h"

namespace zorvane::ribbon {
namespace {

using namespace testing;

const std::string kRefs = ZORVANE_RIBBON_REFS_DIR;

template <auto Free>
struct LibxmlFree {
  void operator()(auto* object) const noexcept { Free(object); }
};
using SchemaParser = std::unique_ptr<xmlSchemaParserCtxt, LibxmlFree<xmlSchemaFreeParserCtxt>>;
using Schema = std::unique_ptr<xmlSchema, LibxmlFree<xmlSchemaFree>>;
using Validator = std::unique_ptr<xmlSchemaValidCtxt, LibxmlFree<xmlSchemaFreeValidCtxt>>;
using Document = std::unique_ptr<xmlDoc, LibxmlFree<xmlFreeDoc>>;

using Errors = std::vector<std::string>;

// What libxml2 finds wrong in `text` against the customUI schema; empty when it is valid.
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

// The names PowerPoint publishes for its built-in controls.
std::set<std::string> PublishedControlNames() {
  std::set<std::string> names;
  std::ifstream list(kRefs + "/powerpoint-idmso-2013.txt");
  for (std::string line; std::getline(list, line);) {
    if (!line.empty()) names.insert(line);
  }
  return names;
}

constexpr UiLanguage kLanguages[] = {UiLanguage::kSimplifiedChinese, UiLanguage::kTraditionalChinese,
                                     UiLanguage::kEnglish};
static_assert(std::size(kLanguages) == kUiLanguageCount);

// Every language's document and each of its nine menu answers.
TEST(PublishedSchemaTest, AcceptsTheDocumentAndEachMenuAnswerInEveryLanguage) {
  for (const UiLanguage language : kLanguages) {
    SCOPED_TRACE(static_cast<int>(language));
    EXPECT_EQ(SchemaErrors(RibbonDocument(language)), Errors{});
    for (std::u16string_view tag : MenuTags()) {
      EXPECT_EQ(SchemaErrors(MenuContent(tag, language)), Errors{}) << ToUtf8(tag);
    }
  }
}

// The check can fail: what the host would refuse, the schema refuses too.
TEST(PublishedSchemaTest, RefusesMarkupTheHostWouldReject) {
  const std::u16string_view kMenu = u"<menu xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\">";
  for (const std::u16string& wrong : {
           std::u16string(kMenu) + u"<control idMso=\"Help\" colour=\"red\"/></menu>",      // unknown attribute
           std::u16string(kMenu) + u"<tab idMso=\"TabHome\"/></menu>",                     // element out of place
           std::u16string(kMenu) + u"<button id=\"a\"/><button id=\"a\"/></menu>",         // id twice
           std::u16string(kMenu) + u"<control idMso=\"Help\" visible=\"yes\"/></menu>",    // not a boolean
           std::u16string(u"<menu xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\"/>")}) {
    EXPECT_FALSE(SchemaErrors(wrong).empty()) << ToUtf8(wrong);
  }
}

// Every built-in name the markup refers to (idMso, imageMso, insertBeforeMso) is one that
// PowerPoint publishes; the oldest list is 2013's, which lacks three 2007 names we use.
TEST(PublishedControlNamesTest, EveryBuiltInNameIsPublishedBut3NamesOf2007) {
  const std::set<std::string> published = PublishedControlNames();
  ASSERT_GT(published.size(), 1000u) << "the list in " << kRefs << " could not be read";
  std::vector<std::u16string_view> texts{RibbonDocument()};
  for (std::u16string_view tag : MenuTags()) texts.push_back(MenuContent(tag));
  std::set<std::string> unpublished;
  std::size_t references = 0;
  for (std::u16string_view text : texts) {
    const auto parsed = ParseStrict(text);
    ASSERT_TRUE(parsed->result);
    for (pugi::xml_node element : ElementsOf(parsed->Root())) {
      for (pugi::xml_attribute attribute : element.attributes()) {
        if (!std::string_view(attribute.name()).ends_with("Mso")) continue;
        ++references;
        if (!published.contains(attribute.value())) unpublished.insert(attribute.value());
      }
    }
  }
  EXPECT_GT(references, 200u);
  EXPECT_EQ(unpublished, (std::set<std::string>{"FileCreateDocumentWorkspace", "ViewGridlines",
                                                "ViewNormalViewPowerPoint"}));
}

}  // namespace
}  // namespace zorvane::ribbon
