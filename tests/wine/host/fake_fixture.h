// Each test starts from an add-in list that holds only the fake add-in (LoadBehavior 3),
// in the mode the test chooses; the list and the class registration are restored after.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fake_identity.h"
#include "host_run.h"
#include "test_text.h"
#include "test_registry.h"

namespace standin_test {

class FakeAddinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FileExists(HostPath())) << ToUtf8(HostPath());
    const std::wstring dll = BuildPath(STANDIN_FAKE_ADDIN_PATH);
    ASSERT_TRUE(FileExists(dll)) << ToUtf8(dll);
    addins_.emplace(kAddinsKey);
    DeleteTree(kAddinsKey);
    ASSERT_TRUE(RegisterFakeClass(dll));
    ASSERT_TRUE(SetAddinEntry(standin_fake::kProgId, 3, L"Fake"));
    SetMode(standin_fake::mode::kNormal);
  }
  void TearDown() override {
    SetEnvironmentVariableW(standin_fake::kModeVariable, nullptr);
    UnregisterFakeClass();
    addins_.reset();  // puts the add-in list back
  }
  // The fake reads its mode from the environment that the host inherits.
  static void SetMode(const wchar_t* mode) { SetEnvironmentVariableW(standin_fake::kModeVariable, mode); }

  // Runs the host; the result's texts are printed when a test fails.
  ChildResult Run(const std::vector<std::wstring>& arguments) {
    ChildResult result = RunHost(arguments);
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.timedOut);
    last_ = result.out + L"\n--- stderr ---\n" + result.errors;
    return result;
  }
  std::string Output() const { return ToUtf8(last_); }

 private:
  std::optional<KeySnapshot> addins_;
  std::wstring last_;
};

}  // namespace standin_test
