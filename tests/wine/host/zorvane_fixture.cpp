#include "zorvane_fixture.h"

#include <regex>

#include "host_description.h"
#include "settings/display_settings.h"

namespace standin_test {

std::vector<std::pair<std::wstring, int>> MenuSummary(const std::wstring& out) {
  std::vector<std::pair<std::wstring, int>> menus;
  const std::wregex line(L"^  .*tag (\\w+) +(\\d+) items.*$");
  bool inSummary = false;
  for (const std::wstring& text : Lines(out)) {
    if (text == L"Dynamic menus, each opened as the host does (getContent):") {
      inSummary = true;
      continue;
    }
    std::wsmatch match;
    if (!inSummary || text.starts_with(L"trace: ")) continue;
    if (!std::regex_match(text, match, line)) break;
    menus.emplace_back(match[1].str(), std::stoi(match[2].str()));
  }
  return menus;
}

std::wstring SettingsKeyPath() {
  const std::u16string_view path = zorvane::settings::SwitchesOf(zorvane::OfficeHost::PowerPoint).settingsKeyPath;
  return std::wstring(path.begin(), path.end());
}

std::wstring ZorvaneDllPath() { return BuildPath(ZORVANE_DLL_PATH); }

DWORD Regsvr32(const std::wstring& dll, bool unregister) {
  std::vector<std::wstring> arguments;
  if (unregister) arguments.push_back(L"/u");
  arguments.push_back(L"/s");
  arguments.push_back(dll);
  const ChildResult result = RunChild(L"regsvr32.exe", arguments);
  return result.started && !result.timedOut ? result.exitCode : 0xFFFFFFFFu;
}

void ZorvaneTest::SetUpTestSuite() {
  registered_ = FileExists(ZorvaneDllPath()) && Regsvr32(ZorvaneDllPath(), false) == 0;
}

void ZorvaneTest::TearDownTestSuite() {
  if (registered_) Regsvr32(ZorvaneDllPath(), true);
  registered_ = false;
}

void ZorvaneTest::SetUp() {
  ASSERT_TRUE(FileExists(HostPath())) << ToUtf8(HostPath());
  ASSERT_TRUE(FileExists(ZorvaneDllPath())) << ToUtf8(ZorvaneDllPath());
  ASSERT_TRUE(registered_) << "regsvr32 could not register " << ToUtf8(ZorvaneDllPath());
  ASSERT_TRUE(AddinEntryExists(kZorvaneProgId)) << "registration wrote no add-in entry";
  addins_.emplace(kAddinsKey);
  for (std::size_t i = 0; i < std::size(zorvane::standin::kHosts); ++i) {
    settings_[i].emplace(std::wstring(zorvane::standin::kHosts[i].settingsKeyPath()));
  }
}

void ZorvaneTest::TearDown() {
  for (auto& snapshot : settings_) snapshot.reset();
  addins_.reset();
}

ChildResult ZorvaneTest::Run(const std::vector<std::wstring>& arguments) {
  ChildResult result = RunHost(arguments);
  EXPECT_TRUE(result.started) << "the host did not start, error " << result.startError;
  EXPECT_FALSE(result.timedOut);
  last_ = result.out + L"\n--- stderr ---\n" + result.errors;
  return result;
}

bool ZorvaneTest::SetSetting(const std::wstring& name, const std::wstring& value) {
  return SetString(SettingsKeyPath(), name, value);
}

}  // namespace standin_test
