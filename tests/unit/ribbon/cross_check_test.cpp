// The document, the menus and the visibility rule must agree: the host calls back with
// what the document names, and each callback must know it.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "ribbon/ribbon_windows.h"
#include "ribbon/visibility.h"
#include "settings/display_settings.h"
#include "xml_support.h"

namespace zorvane::ribbon {
namespace {

using namespace testing;

// For each document of each host (of the version with every tab), its menus and the host's
// visibility rule.
class CrossCheckTest : public ::testing::TestWithParam<HostRibbon> {
 protected:
  void SetUp() override {
    document_ = ParseStrict(
        RibbonDocument(Host(), OfficeVersion::k2019, UiLanguage::kSimplifiedChinese, GetParam().window));
    ASSERT_TRUE(document_->result);
  }
  OfficeHost Host() const { return GetParam().host; }
  std::span<const std::u16string_view> Tags() const { return MenuTags(Host(), GetParam().window); }
  std::u16string_view Menu(std::u16string_view tag) const {
    return MenuContent(Host(), tag, UiLanguage::kSimplifiedChinese, GetParam().window);
  }
  std::vector<pugi::xml_node> DocumentElements() const { return ElementsOf(document_->Root()); }

  std::unique_ptr<ParsedXml> document_;
};

settings::DisplaySettingsRecord AllSwitches(settings::HostBool value) {
  settings::DisplaySettingsRecord record;
  record.switches.fill(value);
  return record;
}

// Every id the rule knows is asked about in some document of the host.
TEST(CrossCheckHostsTest, EveryIdTheCallbackKnowsIsAskedAboutInADocumentOfItsHost) {
  for (const OfficeHost host : kAllHosts) {
    std::set<std::string> asked;
    for (const HostRibbon& ribbon : kHostRibbons) {
      if (ribbon.host != host) continue;
      const auto parsed = ParseStrict(RibbonDocument(host, OfficeVersion::k2019, UiLanguage::kSimplifiedChinese, ribbon.window));
      for (pugi::xml_node element : ElementsOf(parsed->Root())) {
        if (element.attribute("getVisible")) asked.insert(ControlIdOf(element));
      }
    }
    for (std::u16string_view id : VisibilityIds(host)) EXPECT_TRUE(asked.contains(ToUtf8(id))) << ToUtf8(id);
  }
}

TEST_P(CrossCheckTest, ElementsWithGetVisibleAreExactlyTheOnesTheCallbackKnows) {
  const auto on = AllSwitches(settings::kHostTrue);
  const auto off = AllSwitches(settings::kHostFalse);
  std::set<std::string> asked;
  for (pugi::xml_node element : DocumentElements()) {
    const std::string id = ControlIdOf(element);
    const std::u16string u16id(id.begin(), id.end());  // ids are ASCII
    const bool known = ControlVisibility(Host(), u16id, on) == settings::kHostTrue;
    if (element.attribute("getVisible")) {
      EXPECT_TRUE(known) << id << " is asked about but not known";
      EXPECT_EQ(ControlVisibility(Host(), u16id, off), settings::kHostFalse) << id;
      EXPECT_TRUE(asked.insert(id).second) << id << " twice";
    } else if (!id.empty()) {
      EXPECT_FALSE(known) << id << " is known but never asked about";
    }
  }
  EXPECT_GT(asked.size(), 2u);
}

TEST_P(CrossCheckTest, BothCopiesOfEachMenuCarryTheSameAnsweredTag) {
  pugi::xml_node bar = document_->Root().find_node([](pugi::xml_node n) {
    return std::string_view(n.attribute("id").value()) == "Quelby_menu";
  });
  pugi::xml_node combined = bar.find_child_by_attribute("menu", "id", "MenuAll");
  ASSERT_TRUE(combined);

  std::vector<pugi::xml_node> inner(combined.children("dynamicMenu").begin(), combined.children("dynamicMenu").end());
  std::vector<pugi::xml_node> outer(bar.children("dynamicMenu").begin(), bar.children("dynamicMenu").end());
  const std::span<const std::u16string_view> tags = Tags();
  ASSERT_EQ(inner.size(), tags.size());
  ASSERT_EQ(outer.size(), tags.size());
  for (std::size_t i = 0; i < tags.size(); ++i) {
    EXPECT_EQ(inner[i].attribute("tag").value(), ToUtf8(tags[i]));
    EXPECT_FALSE(Menu(tags[i]).empty());
    // The id of either copy tells the window whose menu it is.
    for (const pugi::xml_node copy : {inner[i], outer[i]}) {
      const std::string id = copy.attribute("id").value();
      EXPECT_EQ(WindowOfMenu(Host(), std::u16string(id.begin(), id.end())), GetParam().window) << id;
    }
    // Same attributes, values and order but for the id.
    pugi::xml_attribute a = inner[i].first_attribute();
    pugi::xml_attribute b = outer[i].first_attribute();
    EXPECT_STREQ(a.name(), "id");
    EXPECT_STRNE(a.value(), b.value());
    for (a = a.next_attribute(), b = b.next_attribute(); a || b; a = a.next_attribute(), b = b.next_attribute()) {
      ASSERT_TRUE(a && b) << StartTagOf(inner[i]) << " vs " << StartTagOf(outer[i]);
      EXPECT_STREQ(a.name(), b.name());
      EXPECT_STREQ(a.value(), b.value());
    }
  }
}

TEST_P(CrossCheckTest, MenuIdsAreDistinctFromDocumentIds) {
  const std::vector<std::string> documentIds = IdsOf(document_->Root());
  const std::set<std::string> inDocument(documentIds.begin(), documentIds.end());
  std::size_t menuIds = 0;
  for (std::u16string_view tag : Tags()) {
    auto menu = ParseStrict(Menu(tag));
    ASSERT_TRUE(menu->result);
    for (const std::string& id : IdsOf(menu->Root())) {
      EXPECT_FALSE(inDocument.contains(id)) << id << " of " << ToUtf8(tag);
      ++menuIds;
    }
  }
  EXPECT_GT(menuIds, 0u);
}

INSTANTIATE_TEST_SUITE_P(AllDocuments, CrossCheckTest, ::testing::ValuesIn(kHostRibbons));

}  // namespace
}  // namespace zorvane::ribbon
