// The order of the tabs and how an add-in's tab is drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_ui.h"
#include "report.h"
#include "ribbon_tabs.h"
#include "sample_markup.h"
#include "tab_view.h"
#include "text_sink.h"

using namespace zorvane::standin;
using namespace standin_test;

namespace {

std::vector<std::wstring> Keys(const std::vector<TabSlot>& tabs) {
  std::vector<std::wstring> keys;
  for (const TabSlot& tab : tabs) keys.push_back(tab.key);
  return keys;
}

class TabsTest : public ::testing::Test {
 protected:
  std::wstring Print(const TabSlot& tab) {
    StringSink out;
    StringSink errors;
    Report report(out, errors, false);
    PrintAddinTab(report, tab);
    EXPECT_EQ(errors.text(), L"");
    return out.text();
  }
  const TabSlot& Own(const std::vector<TabSlot>& tabs) {
    for (const TabSlot& tab : tabs) {
      if (tab.key == L"own") return tab;
    }
    ADD_FAILURE() << "no tab own";
    return tabs.front();
  }

  FakeUi ui_{L"Fake.Addin", SampleDocument()};
  AddinUi* uis_[1] = {&ui_};
};

TEST_F(TabsTest, BuiltInTabsStayInOrderWithoutAddins) {
  const std::vector<TabSlot> tabs = ArrangeTabs({});
  EXPECT_EQ(Keys(tabs), (std::vector<std::wstring>{L"TabHome", L"TabInsert", L"TabDesign", L"TabAnimations",
                                                    L"TabSlideShow", L"TabReview", L"TabView", L"TabDeveloper"}));
  for (const TabSlot& tab : tabs) EXPECT_TRUE(VisibilityOf(tab).visible);
}

// A later release's built-in tabs: those it already has, in the host's order. Office 2016
// (build below 10000) lacks 2019's; Word gained Design with 2013.
TEST_F(TabsTest, BuiltInTabsOfALaterReleaseComeInTheHostsOrder) {
  const struct {
    const HostDescription& host;
    OfficeRelease release;
    std::vector<std::wstring> keys;
  } cases[] = {
      {kHosts[0], {16, 4266}, {L"TabHome", L"TabInsert", L"TabDesign", L"TabTransitions", L"TabAnimations",
                               L"TabSlideShow", L"TabReview", L"TabView", L"TabDeveloper"}},
      {kHosts[1], kOffice2013, {L"TabHome", L"TabInsert", L"TabWordDesign", L"TabPageLayoutWord", L"TabReferences",
                                L"TabMailings", L"TabReviewWord", L"TabView", L"TabDeveloper"}},
      {kHosts[1], {16, 17928}, {L"TabHome", L"TabInsert", L"TabDrawInk", L"TabWordDesign", L"TabPageLayoutWord",
                                L"TabReferences", L"TabMailings", L"TabReviewWord", L"TabView", L"TabDeveloper", L"HelpTab"}},
      {kHosts[2], {16, 17928}, {L"TabHome", L"TabInsert", L"TabDrawInk", L"TabPageLayoutExcel", L"TabFormulas",
                                L"TabData", L"TabReview", L"TabView", L"TabDeveloper", L"HelpTab"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Keys(ArrangeTabs({}, c.host.tabsOf(c.release))), c.keys) << ToUtf8(std::wstring(c.host.name));
  }
}

TEST_F(TabsTest, AddinTabsGoBeforeOrAfterTheNamedTabElseAtTheEnd) {
  ASSERT_NE(ui_.document(), nullptr);
  const std::vector<TabSlot> tabs = ArrangeTabs(uis_);
  EXPECT_EQ(Keys(tabs), (std::vector<std::wstring>{L"own", L"TabHome", L"TabInsert", L"TabDesign", L"TabAnimations",
                                                    L"TabSlideShow", L"TabReview", L"TabView", L"after",
                                                    L"TabDeveloper", L"last", L"lost"}));
  EXPECT_EQ(tabs[0].caption, L"Own");
  EXPECT_EQ(tabs[0].owner.addin, &ui_);
  EXPECT_EQ(tabs[6].redeclarations.size(), 1u);  // Review, re-declared for its visibility
}

TEST_F(TabsTest, ReDeclaredBuiltInTabsAskTheAddin) {
  ui_.SetVisible(L"TabReview", false);
  const std::vector<TabSlot> tabs = ArrangeTabs(uis_);
  for (const TabSlot& tab : tabs) {
    const TabVisibility visibility = VisibilityOf(tab);
    if (tab.key == L"TabReview") {
      EXPECT_FALSE(visibility.visible);
      EXPECT_EQ(visibility.hiddenBy, L"Fake.Addin");
    } else {
      EXPECT_TRUE(visibility.visible) << ToUtf8(tab.key);
    }
  }
  EXPECT_EQ(ui_.visibilityQuestions(), 2);  // Review and Home; the others carry no callback
}

TEST_F(TabsTest, StartFromScratchHidesBuiltInTabsThatNoAddinShows) {
  FakeUi scratch(L"Scratch", SampleDocument(true));
  AddinUi* uis[] = {&scratch};
  for (const TabSlot& tab : ArrangeTabs(uis)) {
    const bool declared = tab.key == L"TabHome" || tab.key == L"TabReview" || tab.owner.addin != nullptr;
    EXPECT_EQ(VisibilityOf(tab).visible, declared) << ToUtf8(tab.key);
  }
}

TEST_F(TabsTest, TabStripMarksTheAddinsTabsAndHiddenTabs) {
  ui_.SetVisible(L"TabReview", false);
  StringSink out;
  StringSink errors;
  Report report(out, errors, false);
  PrintTabStrip(report, ArrangeTabs(uis_));
  const std::vector<std::wstring> lines = Lines(out.text());
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], L"Ribbon tabs, left to right:");
  EXPECT_EQ(lines[1], L"  Own             own, tab of Fake.Addin");
  EXPECT_EQ(lines[2], L"  Home            TabHome");
  EXPECT_EQ(lines[7], L"  Review          TabReview  (hidden by Fake.Addin)");
}

TEST_F(TabsTest, DrawsTheMenuBarOnOneLineWithItsBlankLabelsAsGaps) {
  const std::wstring text = Print(Own(ArrangeTabs(uis_)));
  EXPECT_TRUE(HasLine(text, L"Tab Own (own) of Fake.Addin:")) << ToUtf8(text);
  EXPECT_TRUE(HasLine(text, L"  Group \" \" (g):"));
  EXPECT_TRUE(HasLine(text, L"    Box bar:"));
  EXPECT_TRUE(HasLine(text, L"      [全部 ▾]   [文件 ▾]   [编辑 ▾]"));
  EXPECT_TRUE(HasLine(text, L"        全部 ▾ (all): 文件 ▸"));
  EXPECT_EQ(text.find(L"hidden"), std::wstring::npos);
}

TEST_F(TabsTest, DrawsButtonGroupsAndSmallMenusWithTheirItems) {
  const std::wstring text = Print(Own(ArrangeTabs(uis_)));
  EXPECT_TRUE(HasLine(text, L"    Box tools:"));
  EXPECT_TRUE(HasLine(text, L"      [FileNew | FileOpen] [VisualBasic | ViewDisplayInGrayscale ▾]"));
  EXPECT_TRUE(HasLine(text, L"        ViewDisplayInGrayscale ▾ (colors, \"颜色和灰度\"): ViewDisplayInColor, "
                            L"ViewDisplayInGrayscale"));
}

TEST_F(TabsTest, LeavesHiddenControlsOutAndNamesThem) {
  ui_.SetVisible(L"all", false);
  ui_.SetVisible(L"gapAll", false);
  const std::wstring text = Print(Own(ArrangeTabs(uis_)));
  EXPECT_TRUE(HasLine(text, L"      [文件 ▾]   [编辑 ▾]")) << ToUtf8(text);
  EXPECT_EQ(text.find(L"[全部"), std::wstring::npos);
  EXPECT_TRUE(HasLine(text, L"    hidden by Fake.Addin: 全部 (all), gapAll"));
}

TEST_F(TabsTest, AWideBoxGetsOneLinePerControl) {
  std::wstring groups;
  for (int i = 0; i < 12; ++i) {
    groups += L"<buttonGroup id=\"bg" + std::to_wstring(i) + L"\"><control idMso=\"SomeLongBuiltInCommandName" +
              std::to_wstring(i) + L"\"/></buttonGroup>";
    if (i == 5) groups += L"<labelControl id=\"gap\" label=\" \"/>";
  }
  const std::wstring ns(kCustomUiNamespace);
  FakeUi wide(L"Wide", L"<customUI xmlns=\"" + ns + L"\"><ribbon><tabs><tab id=\"w\" label=\"W\"><group id=\"g\" "
                       L"label=\"G\"><box id=\"b\">" + groups + L"</box></group></tab></tabs></ribbon></customUI>");
  AddinUi* uis[] = {&wide};
  const std::vector<TabSlot> tabs = ArrangeTabs(uis);
  const std::wstring text = Print(tabs.back());
  const std::vector<std::wstring> lines = Lines(text);
  // Tab, group, box, twelve groups and one empty line for the gap.
  ASSERT_EQ(lines.size(), 16u) << ToUtf8(text);
  EXPECT_EQ(lines[3], L"      [SomeLongBuiltInCommandName0]");
  EXPECT_EQ(lines[9], L"");
  EXPECT_EQ(lines[15], L"      [SomeLongBuiltInCommandName11]");
}

}  // namespace
