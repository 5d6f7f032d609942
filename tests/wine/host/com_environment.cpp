// The in-process tests parse with MSXML, so COM is up on the test thread, as in the host.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

namespace {

class ComEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }
};

[[maybe_unused]] ::testing::Environment* const g_com = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

}  // namespace
