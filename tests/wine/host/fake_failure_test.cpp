// Every way loading an add-in can fail: a clear message naming the add-in and the
// HRESULT, the documented exit code, and never a crash.
#include <gtest/gtest.h>

#include "fake_fixture.h"

namespace standin_test {
namespace {

namespace fake = standin_fake;

TEST_F(FakeAddinTest, FailedConnectionIsReportedAndTheRegistryLeftAlone) {
  SetMode(fake::mode::kFailConnect);
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 5u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"StandIn.FakeAddin: OnConnection failed with 0x80004005 (E_FAIL); PowerPoint "
                                      L"would now set its LoadBehavior to 2")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  StandIn.FakeAddin \"Fake\": LoadBehavior 3, failed to load")) << Output();
  EXPECT_EQ(ReadLoadBehavior(fake::kProgId), 3u);
}

TEST_F(FakeAddinTest, FailingGetCustomUiLeavesTheAddinWithoutTab) {
  SetMode(fake::mode::kFailCustomUi);
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 6u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"StandIn.FakeAddin: GetCustomUI(\"Microsoft.PowerPoint.Presentation\") failed "
                                      L"with 0x8007000E (E_OUTOFMEMORY)")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"Ribbon tabs, left to right:")) << Output();
  EXPECT_FALSE(Contains(result.out, L"fakeTab")) << Output();
}

TEST_F(FakeAddinTest, MalformedDocumentIsReportedWithTheParsersReason) {
  SetMode(fake::mode::kBadXml);
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 6u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"StandIn.FakeAddin: the ribbon document from GetCustomUI is unusable: "
                                      L"malformed XML")) << Output();
}

TEST_F(FakeAddinTest, DocumentOfAnotherSchemaIsRefused) {
  SetMode(fake::mode::kWrongNamespace);
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 6u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"is no customUI document")) << Output();
  EXPECT_TRUE(Contains(result.errors, L"2009/07/customui")) << Output();
}

TEST_F(FakeAddinTest, CallbackTheAddinDoesNotKnowIsReported) {
  SetMode(fake::mode::kUnknownCallback);
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 7u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"StandIn.FakeAddin: callback \"NoSuchCallback\" (getVisible of TabReview) is "
                                      L"unknown to the add-in: GetIDsOfNames returned 0x80020006 (DISP_E_UNKNOWNNAME)"))
      << Output();
  EXPECT_EQ(Occurrences(result.errors, L"NoSuchCallback"), 1u);  // reported once, however often it is needed
  EXPECT_TRUE(HasLine(result.out, L"  Review          TabReview")) << Output();  // unanswered: shown
}

TEST_F(FakeAddinTest, FailingVisibilityCallbackIsReportedAndTheTabShown) {
  SetMode(fake::mode::kVisibleFails);
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 8u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"StandIn.FakeAddin: getVisible for TabReview: callback \"FakeVisible\" failed: "
                                      L"0x80004005 (E_FAIL)")) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  Review          TabReview")) << Output();
}

TEST_F(FakeAddinTest, VisibilityAnswerOfTheWrongTypeIsReported) {
  SetMode(fake::mode::kVisibleWrongType);
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 8u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"answered VT_I4, not VT_BOOL")) << Output();
}

TEST_F(FakeAddinTest, MalformedMenuContentIsReported) {
  SetMode(fake::mode::kBadContent);
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 8u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"StandIn.FakeAddin: getContent for fakeMenu (tag \"probe\"): the answer is "
                                      L"unusable: malformed XML")) << Output();
  EXPECT_TRUE(Contains(result.out, L"not opened: the add-in's answer failed")) << Output();
}

TEST_F(FakeAddinTest, AddinThatCrashesInACallbackIsNamedAndTheHostEndsWithItsCode) {
  SetMode(fake::mode::kCrash);
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 11u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"standin_host: error: exception 0xC0000005 at ")) << Output();
  EXPECT_TRUE(Contains(result.errors, L"standin_fake_addin.dll: the add-in crashed the host")) << Output();
}

TEST_F(FakeAddinTest, AddinThatKeepsTheApplicationIsWarnedAbout) {
  SetMode(fake::mode::kLeak);
  const ChildResult result = Run({});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_TRUE(Contains(result.errors, L"warning: StandIn.FakeAddin: still holds 1 reference(s) to the application "
                                      L"object after the host released it")) << Output();
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
