// The host run against the fake add-in: what it shows, how it calls the add-in, clicks.
#include <gtest/gtest.h>

#include "fake_fixture.h"
#include "fake_markup.h"
#include "host_description.h"

namespace standin_test {
namespace {

namespace fake = standin_fake;

// The tab where the add-in asked for it, and its dynamic menu opened and counted.
TEST_F(FakeAddinTest, ConnectsTheAddinAndShowsItsTabWhereItAsked) {
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_EQ(result.errors, L"") << Output();
  EXPECT_TRUE(HasLine(result.out, L"  StandIn.FakeAddin \"Fake\": LoadBehavior 3, connected")) << Output();
  const std::vector<std::wstring> lines = Lines(result.out);
  const auto home = std::find(lines.begin(), lines.end(), L"  Home            TabHome");
  ASSERT_NE(home, lines.end()) << Output();
  ASSERT_NE(home + 1, lines.end());
  EXPECT_EQ(*(home + 1), L"  Fake            fakeTab, tab of StandIn.FakeAddin") << Output();
  EXPECT_TRUE(HasLine(result.out, L"  Review          TabReview  (hidden by StandIn.FakeAddin)")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"Tab Fake (fakeTab) of StandIn.FakeAddin:")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"      [Probe ▾]  [Copy | Paste] [Static ▾]")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"        Static ▾ (fakeStatic): Cut")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"Dynamic menus, each opened as the host does (getContent):")) << Output();
  EXPECT_TRUE(Contains(result.out, L"fakeMenu            tag probe     5 items, 1 separator")) << Output();
}

// Each host reads the add-ins of its own key, hands them its own application, asks for its own
// ribbon and shows its own tabs.
TEST_F(FakeAddinTest, EachHostLoadsTheAddinsOfItsKeyWithItsApplicationRibbonAndTabs) {
  for (const zorvane::standin::HostDescription& host : zorvane::standin::kHosts) {
    SCOPED_TRACE(ToUtf8(std::wstring(host.name)));
    const std::wstring key(host.addinsKeyPath());
    KeySnapshot addins(key);
    DeleteTree(kAddinsKey);
    ASSERT_TRUE(SetAddinEntry(fake::kProgId, 3, L"Fake", key));
    // The first release whose main window has a ribbon (Outlook's: 2010).
    const zorvane::standin::OfficeRelease release = host.mainRibbon().since;
    const std::wstring version = std::to_wstring(release.majorVersion);
    const ChildResult result = Run({L"--host", std::wstring(host.name), L"--menus", L"--office-version", version});
    EXPECT_EQ(result.exitCode, 0u) << Output();
    const std::wstring caption(host.windowCaption);
    EXPECT_TRUE(HasLine(result.out, caption + L", Version " + host.versionText(release) + L": add-ins of HKCU\\" + key +
                                        L" and HKLM\\" + key)) << Output();
    EXPECT_TRUE(Contains(result.out, L"host window: " + caption + L", application: " + std::wstring(host.displayName()) +
                                         L", ribbon: " + std::wstring(host.mainRibbon().ribbonId))) << Output();
    ASSERT_FALSE(host.tabsOf(release).empty());
    for (const zorvane::standin::BuiltInTab& tab : host.tabsOf(release)) {
      EXPECT_TRUE(Contains(result.out, L" " + std::wstring(tab.idMso))) << ToUtf8(std::wstring(tab.idMso));
    }
  }
}

// Played as Microsoft 365, the host shows that version's tabs in its order (the fake's own after
// Home); a version it cannot play is refused.
TEST_F(FakeAddinTest, OfficeVersionShowsThatVersionsTabsInOrder) {
  const ChildResult result = Run({L"--office-version", L"16.17928", L"--host", L"powerpoint"});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  const std::vector<std::wstring> lines = Lines(result.out);
  auto line = std::find(lines.begin(), lines.end(), L"Ribbon tabs, left to right:");
  ASSERT_NE(line, lines.end()) << Output();
  std::vector<std::wstring> keys;  // after the caption's column
  for (++line; line != lines.end() && line->starts_with(L"  "); ++line) {
    keys.push_back(line->substr(18, line->find_first_of(L" ,", 18) - 18));
  }
  EXPECT_EQ(keys, (std::vector<std::wstring>{L"TabHome", L"fakeTab", L"TabInsert", L"TabDrawInk", L"TabDesign",
                                             L"TabTransitions", L"TabAnimations", L"TabSlideShow", L"TabRecording",
                                             L"TabReview", L"TabView", L"TabDeveloper", L"HelpTab"})) << Output();
  const ChildResult refused = Run({L"--office-version", L"13"});
  EXPECT_EQ(refused.exitCode, 1u) << Output();
  EXPECT_TRUE(Contains(refused.errors, L"--office-version takes 12, 14, 15 or 16")) << Output();
}

TEST_F(FakeAddinTest, PassesControlsByValueUnlessAskedToPassThemByReference) {
  const ChildResult byValue = Run({L"--menus"});
  EXPECT_TRUE(Contains(byValue.out, L"VT_DISPATCH Id=fakeMenu Tag=probe")) << Output();
  EXPECT_FALSE(Contains(byValue.out, L"VT_BYREF")) << Output();
  const ChildResult byReference = Run({L"--menus", L"--byref"});
  EXPECT_EQ(byReference.exitCode, 0u) << Output();
  EXPECT_TRUE(Contains(byReference.out, L"VT_BYREF|VT_DISPATCH Id=fakeMenu Tag=probe")) << Output();
}

TEST_F(FakeAddinTest, MenuOptionPrintsTheItemsNestedWithSeparatorsAndRefusesAnUnknownName) {
  // A name that no menu has fails.
  const ChildResult unknown = Run({L"--menu", L"Nope"});
  EXPECT_EQ(unknown.exitCode, 1u) << Output();
  EXPECT_TRUE(Contains(unknown.errors, L"--menu Nope")) << Output();
  const ChildResult result = Run({L"--menu", L"Probe"});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  const std::vector<std::wstring> lines = Lines(result.out);
  const auto header = std::find(lines.begin(), lines.end(), L"Menu Probe (fakeMenu, tag probe): 5 items, 1 separator");
  ASSERT_NE(header, lines.end()) << Output();
  ASSERT_GE(lines.end() - header, 7);
  EXPECT_EQ(header[3], L"  ────────────────");
  EXPECT_TRUE(header[4].starts_with(L"  Sub ▸ ")) << Output();
  EXPECT_TRUE(header[4].ends_with(L"menu fakeSub")) << Output();
  EXPECT_TRUE(header[5].starts_with(L"    FileSave ")) << Output();
  EXPECT_TRUE(header[6].ends_with(L"button fakeClick, onAction FakeAction")) << Output();
}

TEST_F(FakeAddinTest, ClickPassesTheControlByReferenceAndRedrawsAfterInvalidate) {
  const ChildResult result = Run({L"--click", fake::kClickId});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_TRUE(HasLine(result.out, L"Click Press (fakeClick) of StandIn.FakeAddin: onAction \"FakeAction\"")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  FakeAction returned 0x00000000 (S_OK)")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  the add-in invalidated the ribbon; the host asks its callbacks again:")) << Output();
  // Before the click the add-in hid Review; its action shows it, and the host asked again.
  const std::size_t click = result.out.find(L"Click Press");
  ASSERT_NE(click, std::wstring::npos);
  EXPECT_TRUE(HasLine(result.out.substr(0, click), L"  Review          TabReview  (hidden by StandIn.FakeAddin)"));
  EXPECT_TRUE(HasLine(result.out.substr(click), L"  Review          TabReview")) << Output();
  EXPECT_EQ(Occurrences(result.out, L"Ribbon tabs, left to right:"), 2u);
}

TEST_F(FakeAddinTest, ClickOnWhatIsNoButtonWithAnActionFails) {
  const ChildResult missing = Run({L"--click", L"nothing"});
  EXPECT_EQ(missing.exitCode, 9u) << Output();
  EXPECT_TRUE(Contains(missing.errors, L"--click nothing: no control with this id")) << Output();
  const ChildResult noAction = Run({L"--click", L"fakeArgument"});
  EXPECT_EQ(noAction.exitCode, 9u) << Output();
  EXPECT_TRUE(Contains(noAction.errors, L"has no onAction")) << Output();
}

// The dialog of a click answered with its default button, closed, or answered with the button
// named (closed when it has none).
TEST_F(FakeAddinTest, DialogOfAClickIsAnsweredAsAsked) {
  SetMode(fake::mode::kDialog);
  const struct {
    const wchar_t* dismiss;
    std::wstring event;
    const wchar_t* returned;  // by FakeAction
  } cases[] = {{L"ok", L"pressed its default button \"OK\"", L"0x00000000 (S_OK)"},
               {L"close", L"closed it", L"0x00000001 (S_FALSE)"},
               {L"Cancel", L"pressed its button \"Cancel\"", L"0x00000001 (S_FALSE)"},
               {L"Later", L"it has no button \"Later\", so closed it", L"0x00000001 (S_FALSE)"}};
  for (const auto& c : cases) {
    const ChildResult result = Run({L"--click", fake::kClickId, L"--dismiss", c.dismiss, L"--dismiss-delay", L"200"});
    EXPECT_EQ(result.exitCode, 0u) << Output();
    EXPECT_TRUE(HasLine(result.out, L"  dialog \"Fake add-in dialog\" opened; " + c.event)) << Output();
    EXPECT_TRUE(HasLine(result.out, L"  FakeAction returned " + std::wstring(c.returned))) << Output();
  }
}

TEST_F(FakeAddinTest, DumpXmlPrintsTheDocumentExactlyAsReturned) {
  const ChildResult result = Run({L"--dump-xml"});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_EQ(result.out, fake::RibbonDocument(fake::mode::kNormal) + L"\n");
}

// The conversation in order, the application released, and the main window in front when the
// add-in connects.
TEST_F(FakeAddinTest, TraceShowsTheConversationAndTheApplicationReleased) {
  const ChildResult result = Run({L"--menus", L"--trace"});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  const std::wstring& out = result.out;
  EXPECT_TRUE(Contains(out, L"host window: PowerPoint (stand-in host)")) << Output();
  EXPECT_TRUE(HasLine(out, L"trace: \"PowerPoint (stand-in host)\" is the foreground window")) << Output();
  const std::size_t connect = out.find(L"OnConnection(application, ext_cm_Startup, add-in instance, empty custom array) "
                                       L"-> 0x00000000 (S_OK); it holds 1 reference(s) to the application");
  const std::size_t startup = out.find(L"OnStartupComplete -> 0x00000000 (S_OK)");
  const std::size_t customUi = out.find(L"GetCustomUI(\"Microsoft.PowerPoint.Presentation\") -> 0x00000000 (S_OK)");
  const std::size_t resolve = out.find(L"GetIDsOfNames(\"FakeVisible\") -> dispid 0x00000002");
  const std::size_t onLoad = out.find(L"Invoke \"FakeLoad\" (onLoad, control as VT_DISPATCH) -> 0x00000000 (S_OK)");
  const std::size_t shutdown = out.find(L"OnBeginShutdown -> 0x00000000 (S_OK)");
  const std::size_t disconnect = out.find(L"OnDisconnection(ext_dm_HostShutdown) -> 0x00000000 (S_OK)");
  for (std::size_t at : {connect, startup, customUi, resolve, onLoad, shutdown, disconnect}) {
    ASSERT_NE(at, std::wstring::npos) << Output();
  }
  EXPECT_LT(connect, startup);
  EXPECT_LT(startup, customUi);
  EXPECT_LT(customUi, resolve);
  EXPECT_LT(resolve, onLoad);
  EXPECT_LT(onLoad, shutdown);
  EXPECT_LT(shutdown, disconnect);
  EXPECT_TRUE(Contains(out, L"references to the application: 1 while connected, 0 after release")) << Output();
}

TEST_F(FakeAddinTest, ProgIdOptionLoadsOnlyThatAddin) {
  ASSERT_TRUE(SetAddinEntry(L"Nobody.Home", 3));
  const ChildResult all = Run({});
  EXPECT_EQ(all.exitCode, 3u) << Output();
  const ChildResult one = Run({L"--progid", fake::kProgId});
  EXPECT_EQ(one.exitCode, 0u) << Output();
  EXPECT_FALSE(Contains(one.out + one.errors, L"Nobody.Home")) << Output();
  EXPECT_TRUE(Contains(one.out, L"fakeTab, tab of StandIn.FakeAddin")) << Output();
}

TEST_F(FakeAddinTest, HelpAndBadCommandLines) {
  const ChildResult help = Run({L"--help"});
  EXPECT_EQ(help.exitCode, 0u);
  EXPECT_TRUE(help.out.starts_with(L"Usage: standin_host")) << Output();
  const ChildResult bad = Run({L"--bogus"});
  EXPECT_EQ(bad.exitCode, 1u);
  EXPECT_EQ(bad.out, L"");
  EXPECT_TRUE(Contains(bad.errors, L"unknown option \"--bogus\"")) << Output();
}

}  // namespace
}  // namespace standin_test
