// The connection handler loading the switches from the real registry: values of every type
// and size, as another program or an older version may have left them, and what the ribbon
// then shows.
#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <algorithm>
#include <optional>
#include <set>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "support/addin_loader.h"
#include "host_objects.h"
#include "support/host_params.h"
#include "support/registry_snapshot.h"

namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::test;
using namespace zorvane::standin;

struct StoredValue {
  std::size_t index;  // the switch: 0 the combined menu, then the host's eight tabs
  DWORD type;
  std::vector<BYTE> data;
  bool visible;        // what the ribbon shows after connecting
  bool rewrittenAsOn;  // whether the connection replaced it with REG_SZ "1"
};

// Every host's class, each with its own keys and tabs.
class ConnectionSettings : public ::testing::TestWithParam<const HostDescription*> {
 protected:
  const HostDescription& host_ = *GetParam();
  const std::wstring kSettingsKey{host_.settingsKeyPath()};
  const std::wstring kPolicyKey{host_.policyKeyPath()};

  // The switch's value name, which is also the id of the element it governs (the combined
  // menu's for the first).
  std::string NameOf(std::size_t index) const {
    const std::wstring name = index == 0 ? L"ShowAllMenu" : std::wstring(host_.tabsOf(kOffice2007)[index - 1].idMso);
    return std::string(name.begin(), name.end());
  }
  std::wstring ControlOf(std::size_t index) const {
    return index == 0 ? L"MenuAll" : std::wstring(host_.tabsOf(kOffice2007)[index - 1].idMso);
  }

  void SetUp() override { DeleteHostKeys(); }
  void TearDown() override { DeleteHostKeys(); }

  // Stores the values, connects a fresh add-in object and checks each switch.
  void Check(const std::vector<StoredValue>& values) {
    // Written through the narrow interface, so string data is exactly these bytes.
    for (const auto& value : values) {
      SetRawValueA(HKEY_CURRENT_USER, kSettingsKey, NameOf(value.index), value.type, value.data);
    }
    auto object = AddinModule::Instance().CreateObject(host_.classId);
    ComPtr<_IDTExtensibility2> extensibility;
    ASSERT_EQ(object.As(&extensibility), S_OK);
    StandInApplication application(host_);
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    ASSERT_EQ(extensibility->OnConnection(&application, ext_cm_Startup, nullptr, &custom), S_OK);
    SafeArrayDestroy(custom);
    for (const auto& value : values) {
      SCOPED_TRACE(NameOf(value.index));
      StandInControl control(ControlOf(value.index), L"");
      InvokeResult result;
      InvokeByName(object.Get(), L"GetVisible", {DispatchArgument(&control)}, result);
      ASSERT_EQ(result.hr, S_OK);
      EXPECT_EQ(V_BOOL(&result.value), value.visible ? VARIANT_TRUE : VARIANT_FALSE);
      DWORD type = 0;
      std::vector<BYTE> data;
      ASSERT_TRUE(GetRawValueA(HKEY_CURRENT_USER, kSettingsKey, NameOf(value.index), type, data));
      if (value.rewrittenAsOn) {
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(data, (std::vector<BYTE>{'1', 0}));
      } else {
        EXPECT_EQ(type, value.type);
        EXPECT_EQ(data, value.data);
      }
    }
  }
};

TEST_P(ConnectionSettings, StringValues) {
  Check({
      {0, REG_SZ, {'0', 0}, false, false},
      {1, REG_SZ, {'0'}, false, false},  // no terminating NUL
      {2, REG_SZ, {0}, true, true},  // the empty text
      {3, REG_SZ, {}, true, true},   // no data at all
      {4, REG_SZ, {'0', '0', 0}, true, false},
      {5, REG_SZ, {' ', '0', 0}, true, false},
      {6, REG_SZ, {'0', ' ', 0}, true, false},
      {7, REG_SZ, {'2', 0}, true, false},
      {8, REG_SZ, {'0', 0, '1', 0}, false, false},  // text ends at the NUL
  });
}

TEST_P(ConnectionSettings, BinaryAndOtherTypes) {
  Check({
      {0, REG_BINARY, {0, 0}, false, false},
      {1, REG_BINARY, {5}, true, false},
      {2, REG_BINARY, {0xFF, 0xFF}, true, false},       // -1
      {3, REG_BINARY, {0, 0, 1, 2, 3, 4}, false, false},  // first two bytes
      {4, REG_BINARY, {}, false, false},        // reads as 0
      {5, REG_DWORD, {0, 0, 0, 0}, true, true},
      {6, REG_EXPAND_SZ, {'0', 0}, true, true},
      {7, REG_MULTI_SZ, {'0', 0, 0}, true, true},
      {8, REG_QWORD, {0, 0, 0, 0, 0, 0, 0, 0}, true, true},
  });
}

TEST_P(ConnectionSettings, MissingValuesGetTheirDefaultAndOthersStay) {
  Check({
      {6, REG_SZ, {'0', 0}, false, false},
  });
  for (std::size_t i = 0; i < 9; ++i) {
    const std::string name = NameOf(i);
    if (i == 6) continue;
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, kSettingsKey, std::wstring(name.begin(), name.end())), L"1") << name;
  }
}

TEST_P(ConnectionSettings, VisibilityFollowsTheSwitchesOfTheLastLoad) {
  Check({{6, REG_SZ, {'0', 0}, false, false}});
  // Another connection after the value changed picks up the new text.
  Check({{6, REG_SZ, {'1', 0}, true, false}});
  // Ids the callback does not know, or nearly knows, are hidden.
  auto object = AddinModule::Instance().CreateObject(host_.classId);
  for (const wchar_t* id : {L"tabhome", L"TabHome ", L"rxMenu_wenjianI", L"", L"TabDesign", L"TabData"}) {
    const std::vector<BuiltInTab> tabs = host_.tabsOf(kOffice2007);
    if (std::ranges::any_of(tabs, [&](const BuiltInTab& tab) { return tab.idMso == id; })) continue;
    StandInControl control(id, L"");
    InvokeResult result;
    InvokeByName(object.Get(), L"GetVisible", {DispatchArgument(&control)}, result);
    EXPECT_EQ(result.hr, S_OK) << id;
    EXPECT_EQ(V_BOOL(&result.value), VARIANT_FALSE) << id;
  }
}

TEST_P(ConnectionSettings, MachinePolicyWinsOverUserPolicyAndTheUsersValueSurvivesIt) {
  // Hidden by the machine, shown by the user's policy and by the user: hidden.
  SetRawValueA(HKEY_LOCAL_MACHINE, kPolicyKey, NameOf(8), REG_SZ, {'0', 0});
  SetRawValueA(HKEY_CURRENT_USER, kPolicyKey, NameOf(8), REG_SZ, {'1', 0});
  // A policy value that does not read as text sets nothing.
  SetRawValueA(HKEY_CURRENT_USER, kPolicyKey, NameOf(1), REG_DWORD, {0, 0, 0, 0});
  Check({
      {8, REG_SZ, {'1', 0}, false, false},
      {1, REG_SZ, {'1', 0}, true, false},
  });

  // Lifted: the next connection shows the user's own choice again.
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kPolicyKey);
  DeleteKeyTree(HKEY_CURRENT_USER, kPolicyKey);
  Check({{8, REG_SZ, {'1', 0}, true, false}});
}

// The names of the values under the host's settings key.
std::set<std::wstring> ValueNames(const std::wstring& path) {
  std::set<std::wstring> names;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return names;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = std::size(name);
    if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace(name, length);
  }
  RegCloseKey(key);
  return names;
}

// Whatever version the host tells, or none: the document re-declares exactly that version's
// tabs, the key then holds exactly the combined menu's value and theirs, each tab answers its
// own switch (the later ones preset off), and Version and Build are asked once.
TEST_P(ConnectionSettings, EachVersionRedeclaresLoadsAndAnswersExactlyItsTabs) {
  struct Told {
    const wchar_t* version;  // none: the application has no Version
    std::optional<unsigned long> build;
    OfficeRelease release;   // whose tabs the host then shows
  };
  const Told kTold[] = {{nullptr, {}, kOffice2007}, {L"12.0", {}, kOffice2007},     {L"14.0", {}, kOffice2010},
                        {L"15.0", {}, kOffice2013}, {L"16.0", {}, kOffice2016},     {L"16.0", 4266, kOffice2016},
                        {L"16.0", 17928, kOffice2019}};
  std::wstring document2007;
  for (const Told& told : kTold) {
    SCOPED_TRACE(::testing::Message() << (told.version ? told.version : L"no Version") << " build " << told.build.value_or(0));
    DeleteHostKeys();
    const std::vector<BuiltInTab> tabs = host_.tabsOf(told.release);
    std::set<std::wstring> expectedNames{L"ShowAllMenu"};
    for (const BuiltInTab& tab : tabs) {
      expectedNames.emplace(tab.idMso);
      if (tab.since > kOffice2007) {
        SetRawValueA(HKEY_CURRENT_USER, kSettingsKey, std::string(tab.idMso.begin(), tab.idMso.end()), REG_SZ, {'0', 0});
      }
    }

    auto object = AddinModule::Instance().CreateObject(host_.classId);
    ComPtr<_IDTExtensibility2> extensibility;
    ComPtr<IRibbonExtensibility> ribbon;
    ASSERT_EQ(object.As(&extensibility), S_OK);
    ASSERT_EQ(object.As(&ribbon), S_OK);
    StandInApplication application(host_);
    if (told.version != nullptr) application.AnswerVersion(told.version, told.build);
    ASSERT_EQ(extensibility->OnConnection(&application, ext_cm_Startup, nullptr, nullptr), S_OK);

    BSTR xml = nullptr;
    const std::wstring ribbonId(host_.mainRibbon().ribbonId);
    ASSERT_EQ(ribbon->GetCustomUI(const_cast<BSTR>(ribbonId.c_str()), &xml), S_OK);
    const std::wstring document(xml, SysStringLen(xml));
    SysFreeString(xml);
    std::vector<std::wstring> declared;
    for (std::size_t at = document.find(L"<tab idMso=\""); at != std::wstring::npos;
         at = document.find(L"<tab idMso=\"", at + 1)) {
      const std::size_t start = at + 12;
      declared.push_back(document.substr(start, document.find(L'"', start) - start));
    }
    std::vector<std::wstring> expectedTabs;
    for (const BuiltInTab& tab : tabs) expectedTabs.emplace_back(tab.idMso);
    EXPECT_EQ(declared, expectedTabs);
    if (told.release == kOffice2007) {
      if (document2007.empty()) document2007 = document;
      EXPECT_EQ(document, document2007) << "12.0 and no Version give the same document";
    }

    EXPECT_EQ(ValueNames(kSettingsKey), expectedNames);
    for (const BuiltInTab& tab : tabs) {
      StandInControl control(std::wstring(tab.idMso), L"");
      InvokeResult result;
      InvokeByName(object.Get(), L"GetVisible", {DispatchArgument(&control)}, result);
      ASSERT_EQ(result.hr, S_OK);
      EXPECT_EQ(V_BOOL(&result.value), tab.since > kOffice2007 ? VARIANT_FALSE : VARIANT_TRUE)
          << std::string(tab.idMso.begin(), tab.idMso.end());
    }
    EXPECT_EQ(application.versionReads(), told.version != nullptr ? 1 : 0);
    EXPECT_EQ(application.buildReads(), told.build && told.release >= kOffice2016 ? 1 : 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Hosts, ConnectionSettings, ::testing::ValuesIn(OneRibbonHostPointers()), HostParamName);

// Outlook's version is its Version alone ("16.0.0.<build>", no Build); each window's ribbon
// re-declares that version's tabs of the window, and a switch hides every tab it governs.
TEST(OutlookSettings, EachVersionsWindowsRedeclareTheirTabsAndOneSwitchHidesEach) {
  const HostDescription& outlook = kHosts[zorvane::HostIndex(zorvane::OfficeHost::Outlook)];
  const struct {
    const wchar_t* version;
    std::vector<std::wstring> explorer, compose;  // the tabs re-declared first and last
    std::size_t values;  // the version's switches, ShowAllMenu first, and TabHome stored before
  } kTold[] = {
      {L"12.0.0.6691", {}, {L"TabNewMailMessage", L"TabDeveloper"}, 7},
      {L"14.0.0.7268", {L"TabMail", L"TabDeveloper"}, {L"TabNewMailMessage", L"TabDeveloper"}, 11},
      {L"16.0.0.4266", {L"TabMail", L"TabDeveloper"}, {L"TabNewMailMessage", L"TabDeveloper"}, 11},
      {L"16.0.0.17928", {L"TabMail", L"HelpTab"}, {L"TabNewMailMessage", L"HelpTab"}, 12},
  };
  for (const auto& told : kTold) {
    SCOPED_TRACE(told.version);
    DeleteHostKeys();
    SetRawValueA(HKEY_CURRENT_USER, std::wstring(outlook.settingsKeyPath()), "TabHome", REG_SZ, {'0', 0});
    auto object = AddinModule::Instance().CreateObject(outlook.classId);
    ComPtr<_IDTExtensibility2> extensibility;
    ComPtr<IRibbonExtensibility> ribbon;
    ASSERT_EQ(object.As(&extensibility), S_OK);
    ASSERT_EQ(object.As(&ribbon), S_OK);
    StandInApplication application(outlook);
    application.AnswerVersion(told.version, std::nullopt);
    ASSERT_EQ(extensibility->OnConnection(&application, ext_cm_Startup, nullptr, nullptr), S_OK);
    EXPECT_EQ(application.versionReads(), 1);
    EXPECT_EQ(application.buildReads(), 0) << "Outlook's Version carries the build";
    EXPECT_EQ(ValueNames(std::wstring(outlook.settingsKeyPath())).size(), told.values);

    for (const auto& [ribbonId, ends] : {std::pair{L"Microsoft.Outlook.Explorer", &told.explorer},
                                         std::pair{L"Microsoft.Outlook.Mail.Compose", &told.compose}}) {
      BSTR xml = nullptr;
      BSTR id = SysAllocString(ribbonId);
      ASSERT_EQ(ribbon->GetCustomUI(id, &xml), S_OK);
      const std::wstring document(xml, SysStringLen(xml));
      SysFreeString(xml);
      SysFreeString(id);
      const std::size_t first = document.find(L"<tab idMso=\"");
      const std::size_t last = document.rfind(L"<tab idMso=\"");
      if (ends->empty()) {
        EXPECT_EQ(first, std::wstring::npos) << ribbonId;
        continue;
      }
      ASSERT_NE(first, std::wstring::npos) << ribbonId;
      EXPECT_EQ(document.compare(first + 12, ends->front().size(), ends->front()), 0) << ribbonId;
      EXPECT_EQ(document.compare(last + 12, ends->back().size(), ends->back()), 0) << ribbonId;
    }
    // TabHome governs the Home tab of every module; the message windows' tabs stay.
    for (const auto& [tab, visible] : {std::pair{L"TabMail", false}, std::pair{L"TabCalendar", false},
                                       std::pair{L"TabNewMailMessage", true}, std::pair{L"TabReadMessage", true},
                                       std::pair{L"TabHome", false}}) {
      StandInControl control(tab, L"");
      InvokeResult result;
      InvokeByName(object.Get(), L"GetVisible", {DispatchArgument(&control)}, result);
      ASSERT_EQ(result.hr, S_OK);
      EXPECT_EQ(V_BOOL(&result.value), visible ? VARIANT_TRUE : VARIANT_FALSE) << tab;
    }
  }
  DeleteHostKeys();
}

}  // namespace
