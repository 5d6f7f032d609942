// The language of the add-in's own text, chosen at connection: the application's answer to
// LanguageSettings.LanguageID(2), unless the `Language` value or policy fixes it.
#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "host_objects.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "support/addin_loader.h"
#include "support/host_params.h"
#include "support/registry_snapshot.h"

namespace {

using Microsoft::WRL::ComPtr;
using zorvane::UiLanguage;
using namespace zorvane::test;
using namespace zorvane::standin;


std::wstring Wide(std::u16string_view text) { return std::wstring(zorvane::WideView(text)); }

// A REG_SZ value, NUL included.
void SetLanguage(HKEY root, const std::wstring& key, const std::string& text) {
  std::vector<BYTE> data(text.begin(), text.end());
  data.push_back(0);
  SetRawValueA(root, key, "Language", REG_SZ, data);
}

// Every host's class follows its own host and its own keys.
class ConnectionLanguage : public ::testing::TestWithParam<const HostDescription*> {
 protected:
  const HostDescription& host_ = *GetParam();
  const zorvane::OfficeHost hostId_ = host_.host;
  const std::wstring kSettingsKey{host_.settingsKeyPath()};
  const std::wstring kPolicyKey{host_.policyKeyPath()};

  void SetUp() override { DeleteHostKeys(); }
  void TearDown() override { DeleteHostKeys(); }
  void ExpectLanguage(StandInApplication& application, UiLanguage expected);
};

INSTANTIATE_TEST_SUITE_P(Hosts, ConnectionLanguage, ::testing::ValuesIn(HostPointers()), HostParamName);

// Connects a fresh object to `application`; checks the document and a menu it then gives,
// and that nothing of the language is kept and nothing is written.
void ConnectionLanguage::ExpectLanguage(StandInApplication& application, UiLanguage expected) {
  const std::wstring storedBefore = StringValue(HKEY_CURRENT_USER, kSettingsKey, L"Language");
  auto object = AddinModule::Instance().CreateObject(host_.classId);
  ComPtr<_IDTExtensibility2> extensibility;
  ASSERT_EQ(object.As(&extensibility), S_OK);
  SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  ASSERT_EQ(extensibility->OnConnection(&application, ext_cm_Startup, nullptr, &custom), S_OK);
  SafeArrayDestroy(custom);

  InvokeResult document;
  InvokeByName(object.Get(), L"GetRibbonXML", {}, document);
  ASSERT_EQ(document.hr, S_OK);
  EXPECT_EQ(document.Text(), Wide(zorvane::ribbon::RibbonDocument(hostId_, zorvane::OfficeVersion::k2007, expected)));
  StandInControl help(MenuControlId(hostId_, L"Help"), L"Help");
  InvokeResult menu;
  InvokeByName(object.Get(), L"rxQuelby_get", {DispatchArgument(&help)}, menu);
  ASSERT_EQ(menu.hr, S_OK);
  EXPECT_EQ(menu.Text(), Wide(zorvane::ribbon::MenuContent(hostId_, u"Help", expected)));
  if (const StandInLanguageSettings* settings = application.languageSettings()) {
    EXPECT_EQ(settings->outstanding(), 0);
  }
  EXPECT_EQ(StringValue(HKEY_CURRENT_USER, kSettingsKey, L"Language"), storedBefore);
}

// The host is asked once per connection unless the `Language` value or a policy fixes the
// language; policy wins over the value, the machine's over the user's.
TEST_P(ConnectionLanguage, FollowsTheHostUnlessTheValueOrPolicyFixesIt) {
  constexpr LONG kFails = -1, kNoLanguageSettings = -2;  // as every host before LanguageSettings
  const struct {
    const char* label;
    LONG hostLcid;
    const char *userValue, *userPolicy, *machinePolicy;
    UiLanguage expected;
    int hostReads;
  } cases[] = {
      {"English", 1033, nullptr, nullptr, nullptr, UiLanguage::kEnglish, 1},
      {"Taiwan", 1028, nullptr, nullptr, nullptr, UiLanguage::kTraditionalChinese, 1},
      {"China", 2052, nullptr, nullptr, nullptr, UiLanguage::kSimplifiedChinese, 1},
      {"Japanese", 1041, nullptr, nullptr, nullptr, UiLanguage::kEnglish, 1},
      {"Failing", kFails, nullptr, nullptr, nullptr, UiLanguage::kSimplifiedChinese, 1},
      {"no LanguageSettings", kNoLanguageSettings, nullptr, nullptr, nullptr, UiLanguage::kSimplifiedChinese, 0},
      {"user value", 2052, "en-US", nullptr, nullptr, UiLanguage::kEnglish, 0},
      {"user policy", 2052, "en-US", "zh-TW", nullptr, UiLanguage::kTraditionalChinese, 0},
      {"machine policy", 1033, "en-US", "zh-TW", "zh-CN", UiLanguage::kSimplifiedChinese, 0},
      {"a value naming no language", 1033, "fr-FR", nullptr, nullptr, UiLanguage::kEnglish, 1},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.label);
    TearDown();
    // Another host's value and policies, which this host's class must not read.
    for (const HostDescription& other : kHosts) {
      if (&other == &host_) continue;
      SetLanguage(HKEY_CURRENT_USER, std::wstring(other.settingsKeyPath()), "en-US");
      SetLanguage(HKEY_LOCAL_MACHINE, std::wstring(other.policyKeyPath()), "en-US");
    }
    if (row.userValue) SetLanguage(HKEY_CURRENT_USER, kSettingsKey, row.userValue);
    if (row.userPolicy) SetLanguage(HKEY_CURRENT_USER, kPolicyKey, row.userPolicy);
    if (row.machinePolicy) SetLanguage(HKEY_LOCAL_MACHINE, kPolicyKey, row.machinePolicy);
    StandInApplication application(host_);
    if (row.hostLcid == kFails) {
      application.FailLanguage(E_FAIL);
    } else if (row.hostLcid != kNoLanguageSettings) {
      application.AnswerLanguage(row.hostLcid);
    }
    ExpectLanguage(application, row.expected);
    if (const StandInLanguageSettings* settings = application.languageSettings()) {
      EXPECT_EQ(settings->languageIdReads(), row.hostReads);
    }
  }
}

}  // namespace
