// Clicking the add-in's own commands at the end of the Help menu, with the dialog each
// opens answered by the host: the callbacks return when the dialog closes. (OK in each host's
// customization dialog: zorvane_run_test.cpp.)
#include <gtest/gtest.h>

#include "zorvane_fixture.h"

namespace standin_test {
namespace {

TEST_F(ZorvaneTest, AboutCommandOpensADialogAndReturnsWhenItCloses) {
  const ChildResult result = Run({L"--click", L"AboutMe", L"--dismiss", L"close"});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_TRUE(HasLine(result.out, L"Click 关于Quelby (AboutMe) of Zorvane.Connect: onAction \"AboutMenu\"")) << Output();
  const std::vector<std::wstring> lines = Lines(result.out);
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::wstring& line) {
    return line.starts_with(L"  dialog \"") && line.ends_with(L"\" opened; closed it");
  })) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  AboutMenu returned 0x00000000 (S_OK)")) << Output();
  // The About box changes nothing: no invalidation, the tabs are not drawn again.
  EXPECT_EQ(Occurrences(result.out, L"Ribbon tabs, left to right:"), 1u) << Output();
}

TEST_F(ZorvaneTest, CustomizeCommandClosedChangesNothing) {
  const ChildResult result = Run({L"--click", L"Dingzhi", L"--dismiss", L"close"});
  EXPECT_EQ(result.exitCode, 0u) << Output();
  EXPECT_TRUE(HasLine(result.out, L"  CustomMenu returned 0x00000000 (S_OK)")) << Output();
  EXPECT_EQ(Occurrences(result.out, L"Ribbon tabs, left to right:"), 1u) << Output();
}

}  // namespace
}  // namespace standin_test
