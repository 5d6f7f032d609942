// Every way loading an add-in can fail: a clear message naming the add-in and the
// HRESULT, the documented exit code, and never a crash.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_fixture.h"

namespace standin_test {
namespace {

namespace fake = standin_fake;

// Each way the fake add-in fails in its mode: the exit code, each error reported once, what
// the output shows or leaves out; the add-in's LoadBehavior is left as it was.
struct Failure {
  const wchar_t* mode;
  DWORD exitCode;
  std::vector<std::wstring> errors;  // each reported once
  std::vector<std::wstring> lines;   // whole lines of the output
  std::vector<std::wstring> shown;   // anywhere in the output
  std::wstring absent;               // nowhere in the output
};

TEST_F(FakeAddinTest, EachFailureOfTheAddinIsReportedWithItsExitCode) {
  const std::wstring reviewShown = L"  Review          TabReview";
  const Failure failures[] = {
      {fake::mode::kFailConnect, 5,
       {L"StandIn.FakeAddin: OnConnection failed with 0x80004005 (E_FAIL); PowerPoint would now set its LoadBehavior to 2"},
       {L"  StandIn.FakeAddin \"Fake\": LoadBehavior 3, failed to load"}, {}, L""},
      {fake::mode::kFailCustomUi, 6,
       {L"StandIn.FakeAddin: GetCustomUI(\"Microsoft.PowerPoint.Presentation\") failed with 0x8007000E (E_OUTOFMEMORY)"},
       {L"Ribbon tabs, left to right:"}, {}, L"fakeTab"},
      {fake::mode::kBadXml, 6, {L"StandIn.FakeAddin: the ribbon document from GetCustomUI is unusable: malformed XML"},
       {}, {}, L""},
      {fake::mode::kWrongNamespace, 6, {L"is no customUI document", L"2009/07/customui"}, {}, {}, L""},
      // Reported once, however often it is needed; unanswered, the tab shows.
      {fake::mode::kUnknownCallback, 7,
       {L"StandIn.FakeAddin: callback \"NoSuchCallback\" (getVisible of TabReview) is unknown to the add-in: "
        L"GetIDsOfNames returned 0x80020006 (DISP_E_UNKNOWNNAME)",
        L"NoSuchCallback"},
       {reviewShown}, {}, L""},
      {fake::mode::kVisibleFails, 8,
       {L"StandIn.FakeAddin: getVisible for TabReview: callback \"FakeVisible\" failed: 0x80004005 (E_FAIL)"},
       {reviewShown}, {}, L""},
      {fake::mode::kVisibleWrongType, 8, {L"answered VT_I4, not VT_BOOL"}, {}, {}, L""},
      {fake::mode::kBadContent, 8,
       {L"StandIn.FakeAddin: getContent for fakeMenu (tag \"probe\"): the answer is unusable: malformed XML"}, {},
       {L"not opened: the add-in's answer failed"}, L""},
      // An add-in that crashes in a callback is named, and the host ends with its code.
      {fake::mode::kCrash, 11,
       {L"standin_host: error: exception 0xC0000005 at ", L"standin_fake_addin.dll: the add-in crashed the host"}, {},
       {}, L""},
      // One that keeps the application is warned about.
      {fake::mode::kLeak, 0,
       {L"warning: StandIn.FakeAddin: still holds 1 reference(s) to the application object after the host released it"},
       {}, {}, L""},
  };
  for (const Failure& failure : failures) {
    SCOPED_TRACE(ToUtf8(failure.mode));
    SetMode(failure.mode);
    const ChildResult result = Run({});
    EXPECT_EQ(result.exitCode, failure.exitCode) << Output();
    for (const std::wstring& error : failure.errors) EXPECT_EQ(Occurrences(result.errors, error), 1u) << Output();
    for (const std::wstring& line : failure.lines) EXPECT_TRUE(HasLine(result.out, line)) << Output();
    for (const std::wstring& part : failure.shown) EXPECT_TRUE(Contains(result.out, part)) << Output();
    EXPECT_TRUE(failure.absent.empty() || !Contains(result.out, failure.absent)) << Output();
    EXPECT_EQ(ReadLoadBehavior(fake::kProgId), 3u);
  }
}

TEST_F(FakeAddinTest, UnregisteredProgIdIsReported) {
  ASSERT_TRUE(SetAddinEntry(L"Nobody.Home", 3, L"Nobody"));
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 3u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"Nobody.Home: the ProgID is not registered with COM: CLSIDFromProgID returned "
                                      L"0x800401F3 (CO_E_CLASSSTRING)")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  Nobody.Home \"Nobody\": LoadBehavior 3, failed to load")) << Output();
  EXPECT_TRUE(Contains(result.out, L"fakeTab, tab of StandIn.FakeAddin")) << Output();  // the other still loads
}

TEST_F(FakeAddinTest, ClassWhoseDllIsMissingIsReportedWithTheDll) {
  const std::wstring clsid = L"{0E7C3B51-92D4-4F0A-8C1E-5A2B7D9F3C64}";
  ASSERT_TRUE(RegisterClassWithServer(L"StandIn.MissingDll", clsid, L"Z:\\nowhere\\missing_addin.dll"));
  ASSERT_TRUE(SetAddinEntry(L"StandIn.MissingDll", 3));
  const ChildResult result = Run({L"--progid", L"StandIn.MissingDll"});
  UnregisterClass(L"StandIn.MissingDll", clsid);
  EXPECT_EQ(result.exitCode, 4u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"StandIn.MissingDll: could not create the add-in " + clsid +
                                          L" from Z:\\nowhere\\missing_addin.dll: CoCreateInstance returned 0x"))
      << Output();
}

TEST_F(FakeAddinTest, LoadBehaviorOtherThanThreeIsNotLoaded) {
  ASSERT_TRUE(SetAddinEntry(fake::kProgId, 2, L"Fake"));
  ASSERT_TRUE(SetAddinEntry(L"StandIn.NoBehavior", std::nullopt));
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 2u) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  StandIn.FakeAddin \"Fake\": LoadBehavior 2, not loaded (only LoadBehavior 3 is "
                                  L"loaded at start-up)")) << Output();
  EXPECT_TRUE(Contains(result.out, L"  StandIn.NoBehavior: LoadBehavior missing, not loaded")) << Output();
  EXPECT_TRUE(Contains(result.errors, L"no add-in was loaded")) << Output();
  EXPECT_FALSE(Contains(result.out, L"fakeTab")) << Output();
}

TEST_F(FakeAddinTest, MissingOrEmptyAddinKeyIsReported) {
  DeleteTree(kAddinsKey);
  const ChildResult missing = Run({});
  EXPECT_EQ(missing.exitCode, 2u) << Output();
  EXPECT_TRUE(Contains(missing.errors, L"no add-ins: the key HKCU\\Software\\Microsoft\\Office\\PowerPoint\\Addins "
                                       L"does not exist")) << Output();
  ASSERT_TRUE(SetAddinEntry(fake::kProgId, 3));
  DeleteAddinEntry(fake::kProgId);
  const ChildResult empty = Run({});
  EXPECT_EQ(empty.exitCode, 2u) << Output();
  EXPECT_TRUE(Contains(empty.errors, L"has no add-in subkeys")) << Output();
}

TEST_F(FakeAddinTest, ProgIdOptionNamingNoAddinIsReported) {
  const ChildResult result = Run({L"--progid", L"Not.There"});
  EXPECT_EQ(result.exitCode, 2u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"--progid Not.There: no such add-in")) << Output();
}

}  // namespace
}  // namespace standin_test
