// The language of the add-in's own text, chosen at connection: the application's answer to
// LanguageSettings.LanguageID(2), unless the `Language` value or policy fixes it.
#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <optional>
#include <string>
#include <vector>

#include "host_objects.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "support/addin_loader.h"
#include "support/registry_snapshot.h"

namespace {

using Microsoft::WRL::ComPtr;
using zorvane::UiLanguage;
using namespace zorvane::test;
using namespace zorvane::standin;

const std::wstring kSettingsKey = L"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint";
const std::wstring kPolicyKey = L"SOFTWARE\\Policies\\Quelby\\PowerPoint";

std::wstring Wide(std::u16string_view text) { return {reinterpret_cast<const wchar_t*>(text.data()), text.size()}; }

// A REG_SZ value, NUL included.
void SetLanguage(HKEY root, const std::wstring& key, const std::string& text) {
  std::vector<BYTE> data(text.begin(), text.end());
  data.push_back(0);
  SetRawValueA(root, key, "Language", REG_SZ, data);
}

struct LanguageCase {
  const char* label;
  std::optional<LONG> hostLcid;  // nothing: LanguageID fails
  UiLanguage expected;
  const wchar_t* fileMenu;       // the File menu's name on the tab
};

class ConnectionLanguage : public ::testing::Test {
 protected:
  void SetUp() override { TearDown(); }
  void TearDown() override {
    DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey);
    DeleteKeyTree(HKEY_CURRENT_USER, kPolicyKey);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kPolicyKey);
  }

  // Connects a fresh object to `application`; checks the document and a menu it then gives.
  void ExpectLanguage(StandInApplication& application, UiLanguage expected, const wchar_t* fileMenu) {
    const std::wstring storedBefore = StringValue(HKEY_CURRENT_USER, kSettingsKey, L"Language");
    auto object = AddinModule::Instance().CreateObject();
    ComPtr<_IDTExtensibility2> extensibility;
    ASSERT_EQ(object.As(&extensibility), S_OK);
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    ASSERT_EQ(extensibility->OnConnection(&application, ext_cm_Startup, nullptr, &custom), S_OK);
    SafeArrayDestroy(custom);

    InvokeResult document;
    InvokeByName(object.Get(), L"GetRibbonXML", {}, document);
    ASSERT_EQ(document.hr, S_OK);
    EXPECT_NE(document.Text().find(L"label=\"" + std::wstring(fileMenu) + L"\""), std::wstring::npos);
    EXPECT_EQ(document.Text(), Wide(zorvane::ribbon::RibbonDocument(expected)));
    StandInControl help(L"rxMenu_HelpI", L"Help");
    InvokeResult menu;
    InvokeByName(object.Get(), L"rxQuelby_get", {DispatchArgument(&help)}, menu);
    ASSERT_EQ(menu.hr, S_OK);
    EXPECT_EQ(menu.Text(), Wide(zorvane::ribbon::MenuContent(u"Help", expected)));
    // Nothing of the language is kept, and nothing is written.
    if (const StandInLanguageSettings* settings = application.languageSettings()) {
      EXPECT_EQ(settings->outstanding(), 0);
    }
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, kSettingsKey, L"Language"), storedBefore);
  }
};

TEST_F(ConnectionLanguage, FollowsTheHostsUserInterfaceLanguage) {
  const LanguageCase kCases[] = {
      {"English", 1033, UiLanguage::kEnglish, L"File"},
      {"Taiwan", 1028, UiLanguage::kTraditionalChinese, L"檔案"},
      {"China", 2052, UiLanguage::kSimplifiedChinese, L"文件"},
      {"Japanese", 1041, UiLanguage::kEnglish, L"File"},
      {"Failing", std::nullopt, UiLanguage::kSimplifiedChinese, L"文件"},
  };
  for (const LanguageCase& row : kCases) {
    SCOPED_TRACE(row.label);
    StandInApplication application;
    if (row.hostLcid) {
      application.AnswerLanguage(*row.hostLcid);
    } else {
      application.FailLanguage(E_FAIL);
    }
    ExpectLanguage(application, row.expected, row.fileMenu);
    EXPECT_EQ(application.languageSettings()->languageIdReads(), 1);  // once per connection
  }
  // An application without LanguageSettings, as every host before it: the first language.
  StandInApplication older;
  ExpectLanguage(older, UiLanguage::kSimplifiedChinese, L"文件");
}

TEST_F(ConnectionLanguage, TheLanguageValueAndPolicyOverrideTheHost) {
  StandInApplication application;
  application.AnswerLanguage(2052);
  SetLanguage(HKEY_CURRENT_USER, kSettingsKey, "en-US");
  ExpectLanguage(application, UiLanguage::kEnglish, L"File");
  EXPECT_EQ(application.languageSettings()->languageIdReads(), 0);  // fixed: the host is not asked

  SetLanguage(HKEY_CURRENT_USER, kPolicyKey, "zh-TW");
  ExpectLanguage(application, UiLanguage::kTraditionalChinese, L"檔案");
  SetLanguage(HKEY_LOCAL_MACHINE, kPolicyKey, "zh-CN");
  application.AnswerLanguage(1033);
  ExpectLanguage(application, UiLanguage::kSimplifiedChinese, L"文件");

  // A value naming no language follows the host again.
  DeleteKeyTree(HKEY_CURRENT_USER, kPolicyKey);
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kPolicyKey);
  SetLanguage(HKEY_CURRENT_USER, kSettingsKey, "fr-FR");
  ExpectLanguage(application, UiLanguage::kEnglish, L"File");
}

}  // namespace
