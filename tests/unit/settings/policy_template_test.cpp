// The administrative template read back: four well-formed files of their kinds, every
// reference resolved in every language, and for each host its switch policies and the
// language policy that write exactly the key, value names and texts that the add-in reads.
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "settings/display_settings.h"
#include "settings/host_switches.h"
#include "settings/ui_language_choice.h"

namespace zorvane::settings {
namespace {

constexpr char kNamespace[] = "http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions";
const std::vector<std::string> kLanguages = {"en-US", "zh-CN", "zh-TW"};

// The names here are ASCII; anything else would not be a name the add-in reads.
std::string Ascii(std::u16string_view text) {
  std::string narrow;
  for (const char16_t unit : text) {
    EXPECT_LT(unit, 0x80) << "not ASCII";
    narrow.push_back(static_cast<char>(unit));
  }
  return narrow;
}

// Each host's policies, in a row in OfficeHost order, in a category named after the host;
// PowerPoint's keep the names they had when it was the only host, the others' start with the
// host's name.
struct HostPolicies {
  OfficeHost host;
  std::string namePrefix;
  std::string category;
};
std::vector<HostPolicies> AllHostPolicies() {
  std::vector<HostPolicies> hosts;
  for (const OfficeHostNames& names : kOfficeHostNames) {
    const std::string name = Ascii(names.name);
    hosts.push_back({names.host, names.host == OfficeHost::PowerPoint ? "" : name + "_", "Zorvane_" + name});
  }
  return hosts;
}

std::vector<std::string> ChildNames(const pugi::xml_node& node) {
  std::vector<std::string> names;
  for (const pugi::xml_node& child : node.children()) {
    if (child.type() == pugi::node_element) names.emplace_back(child.name());
  }
  return names;
}

class PolicyTemplateTest : public ::testing::Test {
 protected:
  static void Load(pugi::xml_document& document, const std::string& relative) {
    const std::string path = std::string(ZORVANE_POLICY_DIR) + "/" + relative;
    const pugi::xml_parse_result parsed = document.load_file(path.c_str());
    ASSERT_TRUE(parsed) << path << ": " << parsed.description() << " at offset " << parsed.offset;
  }

  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Load(admx_, "Zorvane.admx"));
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
      ASSERT_NO_FATAL_FAILURE(Load(adml_[i], kLanguages[i] + "/Zorvane.adml"));
    }
  }

  pugi::xml_node Definitions() const { return admx_.child("policyDefinitions"); }

  // The ids of the strings a language file defines; each only once.
  static std::set<std::string> StringIds(const pugi::xml_document& adml) {
    std::set<std::string> ids;
    for (const pugi::xml_node& text :
         adml.child("policyDefinitionResources").child("resources").child("stringTable").children("string")) {
      EXPECT_TRUE(ids.insert(text.attribute("id").value()).second) << "twice: " << text.attribute("id").value();
      EXPECT_FALSE(std::string_view(text.child_value()).empty()) << text.attribute("id").value();
    }
    return ids;
  }

  static std::set<std::string> PresentationIds(const pugi::xml_document& adml) {
    std::set<std::string> ids;
    for (const pugi::xml_node& presentation :
         adml.child("policyDefinitionResources").child("resources").child("presentationTable").children()) {
      ids.insert(presentation.attribute("id").value());
    }
    return ids;
  }

  pugi::xml_document admx_;
  pugi::xml_document adml_[3];
};

TEST_F(PolicyTemplateTest, FilesAreOfTheirKindsInTheirSchemasOrder) {
  const pugi::xml_node definitions = Definitions();
  ASSERT_TRUE(definitions);
  EXPECT_STREQ(definitions.attribute("xmlns").value(), kNamespace);
  EXPECT_STREQ(definitions.attribute("schemaVersion").value(), "1.0");
  EXPECT_EQ(ChildNames(definitions),
            (std::vector<std::string>{"policyNamespaces", "resources", "supportedOn", "categories", "policies"}));
  const std::string revision = definitions.attribute("revision").value();
  EXPECT_EQ(definitions.child("resources").attribute("minRequiredRevision").value(), revision);

  for (const pugi::xml_document& adml : adml_) {
    const pugi::xml_node resources = adml.child("policyDefinitionResources");
    ASSERT_TRUE(resources);
    EXPECT_STREQ(resources.attribute("xmlns").value(), kNamespace);
    EXPECT_STREQ(resources.attribute("schemaVersion").value(), "1.0");
    EXPECT_EQ(resources.attribute("revision").value(), revision);
    EXPECT_EQ(ChildNames(resources), (std::vector<std::string>{"displayName", "description", "resources"}));
    EXPECT_EQ(ChildNames(resources.child("resources")).front(), "stringTable");
  }
}

TEST_F(PolicyTemplateTest, EveryStringAndPresentationReferenceResolvesInEveryLanguage) {
  // Every "$(string.id)" and "$(presentation.id)" anywhere in the definitions.
  std::set<std::string> strings;
  std::set<std::string> presentations;
  for (const pugi::xpath_node& found : admx_.select_nodes("//@*")) {
    const std::string_view value = found.attribute().value();
    for (const auto& [prefix, into] : {std::pair{std::string_view("$(string."), &strings},
                                       std::pair{std::string_view("$(presentation."), &presentations}}) {
      if (value.starts_with(prefix)) {
        ASSERT_TRUE(value.ends_with(")")) << value;
        into->emplace(value.substr(prefix.size(), value.size() - prefix.size() - 1));
      }
    }
    if (std::string_view(found.attribute().name()) == "presentation" && !value.starts_with("$(presentation.")) {
      ADD_FAILURE() << "a presentation attribute not of the form $(presentation.id): " << value;
    }
  }
  EXPECT_FALSE(strings.empty());

  for (std::size_t i = 0; i < kLanguages.size(); ++i) {
    SCOPED_TRACE(kLanguages[i]);
    // Each language defines exactly what the definitions use, no more.
    EXPECT_EQ(StringIds(adml_[i]), strings);
    EXPECT_EQ(PresentationIds(adml_[i]), presentations);
  }
}

TEST_F(PolicyTemplateTest, CategoryAndSupportedOnReferencesResolve) {
  const pugi::xml_node definitions = Definitions();
  const std::string prefix = std::string(definitions.child("policyNamespaces").child("target").attribute("prefix").value()) + ":";
  std::set<std::string> categories;
  for (const pugi::xml_node& category : definitions.child("categories").children("category")) {
    categories.insert(category.attribute("name").value());
  }
  std::set<std::string> supported;
  for (const pugi::xml_node& definition : definitions.child("supportedOn").child("definitions").children("definition")) {
    supported.insert(definition.attribute("name").value());
  }
  // A reference names this file's item, plainly or with this file's own prefix.
  const auto resolves = [&](const std::set<std::string>& names, std::string reference) {
    if (reference.starts_with(prefix)) reference.erase(0, prefix.size());
    return names.contains(reference);
  };
  for (const pugi::xpath_node& found : admx_.select_nodes("//*[local-name()='parentCategory']")) {
    EXPECT_TRUE(resolves(categories, found.node().attribute("ref").value())) << found.node().attribute("ref").value();
  }
  for (const pugi::xml_node& policy : definitions.child("policies").children("policy")) {
    EXPECT_TRUE(resolves(supported, policy.child("supportedOn").attribute("ref").value())) << policy.attribute("name").value();
  }
}

TEST_F(PolicyTemplateTest, EachHostsSwitchPoliciesWriteWhatTheAddInReads) {
  const pugi::xml_node definitions = Definitions();
  std::vector<pugi::xml_node> policies;
  for (const pugi::xml_node& policy : definitions.child("policies").children("policy")) policies.push_back(policy);
  // Each host's switches of every version in their order, then its language policy.
  const std::vector<HostPolicies> hosts = AllHostPolicies();
  std::vector<std::pair<const HostPolicies*, std::size_t>> expected;
  for (const HostPolicies& host : hosts) {
    for (std::size_t i = 0; i <= SwitchesOf(host.host).Count(); ++i) expected.emplace_back(&host, i);
  }
  ASSERT_EQ(policies.size(), expected.size());  // and each language, checked below
  // Each host's category sits in the product's.
  const std::string product = definitions.child("categories").child("category").attribute("name").value();
  for (const HostPolicies& host : hosts) {
    const pugi::xml_node category = definitions.child("categories").find_child_by_attribute("category", "name",
                                                                                           host.category.c_str());
    EXPECT_EQ(category.child("parentCategory").attribute("ref").value(), product) << host.category;
  }

  for (std::size_t i = 0; i < policies.size(); ++i) {
    const HostPolicies& host = *expected[i].first;
    const HostSwitches& switches = SwitchesOf(host.host);
    if (expected[i].second == switches.Count()) {
      EXPECT_EQ(policies[i].attribute("name").value(), host.namePrefix + "Language");
      continue;
    }
    const pugi::xml_node& policy = policies[i];
    const std::string name = Ascii(switches.Name(expected[i].second));
    SCOPED_TRACE(host.namePrefix + name);
    EXPECT_EQ(policy.attribute("name").value(), host.namePrefix + name);
    EXPECT_STREQ(policy.attribute("class").value(), "Both");
    EXPECT_EQ(policy.attribute("key").value(), Ascii(switches.policyKeyPath));
    EXPECT_EQ(policy.attribute("valueName").value(), name);
    EXPECT_EQ(ChildNames(policy),
              (std::vector<std::string>{"parentCategory", "supportedOn", "enabledValue", "disabledValue"}));
    EXPECT_EQ(policy.child("parentCategory").attribute("ref").value(), host.category);
    // Enabled shows, disabled hides, as string values in the texts the add-in reads.
    EXPECT_EQ(ChildNames(policy.child("enabledValue")), std::vector<std::string>{"string"});
    EXPECT_EQ(ChildNames(policy.child("disabledValue")), std::vector<std::string>{"string"});
    EXPECT_EQ(policy.child("enabledValue").child_value("string"), Ascii(kTextOn));
    EXPECT_EQ(policy.child("disabledValue").child_value("string"), Ascii(kTextOff));
  }
}

// A tab that came after 2007 says, in every language, from which release on the host has it.
TEST_F(PolicyTemplateTest, EachLaterTabsPolicySaysWhichVersionsHaveTheTab) {
  for (const HostPolicies& host : AllHostPolicies()) {
    for (const SwitchableTab& tab : SwitchesOf(host.host).tabs) {
      if (tab.since == OfficeVersion::k2007) continue;
      const std::string first = tab.since == OfficeVersion::k2010 ? "2010" : tab.since == OfficeVersion::k2013 ? "2013" : "2019";
      const pugi::xml_node policy = Definitions().child("policies").find_child_by_attribute(
          "policy", "name", (host.namePrefix + Ascii(tab.name)).c_str());
      std::string explain = policy.attribute("explainText").value();  // "$(string.id)"
      ASSERT_TRUE(explain.starts_with("$(string.")) << explain;
      explain = explain.substr(9, explain.size() - 10);
      for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        const std::string text = adml_[i].child("policyDefinitionResources").child("resources").child("stringTable")
                                     .find_child_by_attribute("string", "id", explain.c_str()).child_value();
        EXPECT_NE(text.find(first), std::string::npos) << kLanguages[i] << " " << explain;
      }
    }
  }
}

// A drop-down of the three names the add-in reads and one that names no language, which makes
// the add-in follow the host; disabling it removes the value, so the user decides again.
TEST_F(PolicyTemplateTest, EachHostsLanguagePolicyWritesTheNamesTheAddInReads) {
  for (const HostPolicies& host : AllHostPolicies()) {
    SCOPED_TRACE(host.category);
    const pugi::xml_node policy = Definitions().child("policies").find_child_by_attribute(
        "policy", "name", (host.namePrefix + "Language").c_str());
    ASSERT_TRUE(policy);
    EXPECT_STREQ(policy.attribute("class").value(), "Both");
    EXPECT_EQ(policy.attribute("key").value(), Ascii(SwitchesOf(host.host).policyKeyPath));
    EXPECT_EQ(policy.child("parentCategory").attribute("ref").value(), host.category);
    EXPECT_EQ(ChildNames(policy), (std::vector<std::string>{"parentCategory", "supportedOn", "elements"}));
    const pugi::xml_node choice = policy.child("elements").child("enum");
    EXPECT_EQ(ChildNames(policy.child("elements")), std::vector<std::string>{"enum"});
    EXPECT_EQ(choice.attribute("valueName").value(), Ascii(name::kLanguage));
    EXPECT_STREQ(choice.attribute("required").value(), "true");

    std::set<UiLanguage> named;
    int followHost = 0;
    for (const pugi::xml_node& item : choice.children("item")) {
      const std::string text = item.child("value").child_value("string");
      ASSERT_FALSE(text.empty()) << "an empty text reads as no value";
      const std::optional<UiLanguage> language = UiLanguageFromName(std::u16string(text.begin(), text.end()));
      if (language) {
        EXPECT_TRUE(named.insert(*language).second) << text;
      } else {
        ++followHost;
      }
    }
    EXPECT_EQ(named.size(), kUiLanguageCount);
    EXPECT_EQ(followHost, 1);

    // Each language shows the drop-down for this element.
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
      const pugi::xml_node presentation = adml_[i]
          .child("policyDefinitionResources").child("resources").child("presentationTable")
          .find_child_by_attribute("presentation", "id", "Language");
      EXPECT_STREQ(presentation.child("dropdownList").attribute("refId").value(), choice.attribute("id").value())
          << kLanguages[i];
    }
  }
}

}  // namespace
}  // namespace zorvane::settings
