// Reading markup with MSXML and the host's checks on it.
#include <gtest/gtest.h>

#include <string>

#include "custom_ui.h"
#include "xml_parser.h"

using namespace zorvane::standin;

namespace {

const std::wstring kNs = std::wstring(kCustomUiNamespace);

XmlElement Parse(const std::wstring& xml) {
  XmlParseResult parsed = ParseXml(xml);
  EXPECT_TRUE(parsed.root.has_value()) << std::string(parsed.error.begin(), parsed.error.end());
  return parsed.root ? std::move(*parsed.root) : XmlElement{};
}

TEST(ParseXml, KeepsElementsNamespacesAndAttributesInOrderAndTheirValuesExactly) {
  const XmlElement root = Parse(L"<customUI xmlns=\"" + kNs + L"\" onLoad=\"Load\">\n  <!-- note -->\n"
                                L"<ribbon><tabs><tab id=\"t\" label=\"全部\" insertBeforeMso=\"TabHome\"/></tabs>"
                                L"</ribbon><?pi x?></customUI>");
  EXPECT_EQ(root.name, L"customUI");
  EXPECT_EQ(root.namespaceUri, kNs);
  ASSERT_EQ(root.attributes.size(), 1u);  // the namespace declaration is no attribute
  EXPECT_EQ(root.attributes[0].name, L"onLoad");
  ASSERT_EQ(root.children.size(), 1u);  // comment, blanks and the processing instruction dropped
  const XmlElement& tab = root.children[0].children[0].children[0];
  EXPECT_EQ(tab.namespaceUri, kNs);
  ASSERT_EQ(tab.attributes.size(), 3u);
  EXPECT_EQ(tab.attributes[0].name, L"id");
  EXPECT_EQ(tab.attributes[1].value, L"全部");
  EXPECT_EQ(tab.attributes[2].name, L"insertBeforeMso");
  // Blank and empty values exactly as written.
  const XmlElement menu = Parse(L"<menu xmlns=\"" + kNs + L"\"><labelControl id=\"a\" label=\" \"/>"
                                L"<labelControl id=\"b\" label=\"   \"/><button id=\"c\" label=\"\"/></menu>");
  ASSERT_EQ(menu.children.size(), 3u);
  EXPECT_EQ(menu.children[0].AttributeOr(L"label"), L" ");
  EXPECT_EQ(menu.children[1].AttributeOr(L"label"), L"   ");
  ASSERT_NE(menu.children[2].Attribute(L"label"), nullptr);
  EXPECT_EQ(*menu.children[2].Attribute(L"label"), L"");
  EXPECT_EQ(menu.children[2].Attribute(L"missing"), nullptr);
}

TEST(ParseXml, ReportsMalformedTextWithItsPosition) {
  for (const wchar_t* bad : {L"<customUI><ribbon>", L"<a></b>", L"", L"just text", L"<a x=\"1\" x=\"2\"/>"}) {
    const XmlParseResult parsed = ParseXml(bad);
    EXPECT_FALSE(parsed.root.has_value()) << std::string(bad, bad + wcslen(bad));
    EXPECT_FALSE(parsed.error.empty());
    EXPECT_FALSE(parsed.parserMissing);
  }
  // A position is given only when the parser knows it, and then it is the right one.
  const XmlParseResult unclosed = ParseXml(L"<menu>\n<button>\n</menu>");
  EXPECT_TRUE(unclosed.error.starts_with(L"malformed XML"));
  EXPECT_EQ(unclosed.error.find(L"line 0"), std::wstring::npos);
  if (unclosed.error.find(L" at line ") != std::wstring::npos) {
    EXPECT_NE(unclosed.error.find(L" at line 3"), std::wstring::npos);
  }
}

TEST(CheckRibbonDocument, AcceptsOnlyCustomUiOfThe2006Schema) {
  EXPECT_EQ(CheckRibbonDocument(Parse(L"<customUI xmlns=\"" + kNs + L"\"><ribbon/></customUI>")), L"");
  EXPECT_NE(CheckRibbonDocument(Parse(L"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\"/>")),
            L"");
  EXPECT_NE(CheckRibbonDocument(Parse(L"<customUI/>")), L"");
  EXPECT_NE(CheckRibbonDocument(Parse(L"<menu xmlns=\"" + kNs + L"\"/>")), L"");
  // A foreign element deep inside is caught too.
  EXPECT_NE(CheckRibbonDocument(Parse(L"<customUI xmlns=\"" + kNs + L"\"><ribbon><x:tabs xmlns:x=\"urn:other\"/>"
                                      L"</ribbon></customUI>")),
            L"");
}

TEST(CheckMenuContent, WantsAMenuRootInTheNamespace) {
  EXPECT_EQ(CheckMenuContent(Parse(L"<menu xmlns=\"" + kNs + L"\"><button idMso=\"Copy\"/></menu>")), L"");
  EXPECT_NE(CheckMenuContent(Parse(L"<menu><button idMso=\"Copy\"/></menu>")), L"");
  EXPECT_NE(CheckMenuContent(Parse(L"<customUI xmlns=\"" + kNs + L"\"/>")), L"");
}

TEST(CallbackUses, ListsEachCallbackNameOnceInDocumentOrder) {
  const XmlElement root = Parse(L"<customUI xmlns=\"" + kNs + L"\" onLoad=\"Load\"><ribbon><tabs>"
                                L"<tab idMso=\"TabHome\" getVisible=\"Vis\"/><tab id=\"t\" label=\"x\">"
                                L"<group id=\"g\" getLabel=\"Label\"><dynamicMenu id=\"m\" getContent=\"Get\"/>"
                                L"<button id=\"b\" onAction=\"Act\" getVisible=\"Vis\" label=\"getVisible\"/>"
                                L"</group></tab></tabs></ribbon></customUI>");
  const std::vector<CallbackUse> uses = CallbackUses(root);
  ASSERT_EQ(uses.size(), 5u);
  EXPECT_EQ(uses[0].name, L"Load");
  EXPECT_EQ(uses[0].attribute, L"onLoad");
  EXPECT_EQ(uses[1].name, L"Vis");
  EXPECT_EQ(uses[1].control, L"TabHome");
  EXPECT_EQ(uses[2].name, L"Label");
  EXPECT_EQ(uses[3].name, L"Get");
  EXPECT_EQ(uses[4].name, L"Act");
  EXPECT_EQ(uses[4].control, L"b");
}

TEST(StaticVisibility, FollowsTheVisibleAttributeUnlessACallbackDecides) {
  XmlElement element;
  EXPECT_EQ(StaticVisibility(element), true);
  element.attributes = {{L"visible", L"false"}};
  EXPECT_EQ(StaticVisibility(element), false);
  element.attributes = {{L"visible", L"0"}};
  EXPECT_EQ(StaticVisibility(element), false);
  element.attributes = {{L"visible", L"true"}};
  EXPECT_EQ(StaticVisibility(element), true);
  element.attributes = {{L"getVisible", L"Vis"}, {L"visible", L"false"}};
  EXPECT_EQ(StaticVisibility(element), std::nullopt);
}

TEST(ControlId, PrefersIdThenIdMsoThenIdQ) {
  XmlElement element;
  element.attributes = {{L"idQ", L"x:q"}};
  EXPECT_EQ(ControlId(element), L"x:q");
  element.attributes.push_back({L"idMso", L"TabHome"});
  EXPECT_EQ(ControlId(element), L"TabHome");
  element.attributes.push_back({L"id", L"own"});
  EXPECT_EQ(ControlId(element), L"own");
}

TEST(FindById, FindsNestedElementsByIdOnly) {
  const XmlElement root = Parse(L"<menu xmlns=\"" + kNs + L"\"><menu id=\"sub\"><button id=\"deep\" idMso=\"X\"/>"
                                L"</menu><button idMso=\"deep2\"/></menu>");
  const XmlElement* deep = FindById(root, L"deep");
  ASSERT_NE(deep, nullptr);
  EXPECT_EQ(deep->AttributeOr(L"idMso"), L"X");
  EXPECT_EQ(FindById(root, L"deep2"), nullptr);  // an idMso is no id
  EXPECT_EQ(FindById(root, L"Deep"), nullptr);    // ids are case-sensitive
}

}  // namespace
