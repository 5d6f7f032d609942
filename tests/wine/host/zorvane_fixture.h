// Tests of the host against the real add-in: Zorvane.dll is registered once with regsvr32,
// as a user installs it, and unregistered at the end. Each test gets the add-in list and
// the add-in's settings back as they were.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host_description.h"
#include "host_run.h"
#include "test_registry.h"
#include "test_text.h"

namespace standin_test {

inline constexpr wchar_t kZorvaneProgId[] = L"Zorvane.Connect";

// PowerPoint's tabs after Quelby's, in the tab strip's order.
struct TabSwitch {
  const wchar_t* name;  // the registry value, which is also the tab's idMso
  const wchar_t* line;  // the tab's line in the tab strip
};
inline constexpr TabSwitch kTabSwitches[] = {
    {L"TabHome", L"  Home            TabHome"},
    {L"TabInsert", L"  Insert          TabInsert"},
    {L"TabDesign", L"  Design          TabDesign"},
    {L"TabAnimations", L"  Animations      TabAnimations"},
    {L"TabSlideShow", L"  Slide Show      TabSlideShow"},
    {L"TabReview", L"  Review          TabReview"},
    {L"TabView", L"  View            TabView"},
    {L"TabDeveloper", L"  Developer       TabDeveloper"},
};

// The summary lines of the dynamic menus: tag and number of items, in order.
std::vector<std::pair<std::wstring, int>> MenuSummary(const std::wstring& out);

// The add-in's settings key under HKCU, from the settings library.
std::wstring SettingsKeyPath();
std::wstring ZorvaneDllPath();
// regsvr32 [/u] /s <dll>; its exit code.
DWORD Regsvr32(const std::wstring& dll, bool unregister);

class ZorvaneTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  ChildResult Run(const std::vector<std::wstring>& arguments);
  std::string Output() const { return ToUtf8(last_); }
  static bool SetSetting(const std::wstring& name, const std::wstring& value);

 private:
  static inline bool registered_ = false;
  std::optional<KeySnapshot> addins_;
  std::optional<KeySnapshot> settings_[std::size(zorvane::standin::kHosts)];  // every host's
  std::wstring last_;
};

}  // namespace standin_test
