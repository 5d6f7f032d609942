// The connection handler loading the switches from the real registry: values of every type
// and size, as another program or an older version may have left them, and what the ribbon
// then shows.
#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "support/addin_loader.h"
#include "host_objects.h"
#include "support/registry_snapshot.h"

namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::test;
using namespace zorvane::standin;

const std::wstring kSettingsKey = L"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint";
const std::wstring kPolicyKey = L"SOFTWARE\\Policies\\Quelby\\PowerPoint";

struct StoredValue {
  const char* name;          // the switch
  const wchar_t* controlId;  // an element it governs
  DWORD type;
  std::vector<BYTE> data;
  bool visible;        // what the ribbon shows after connecting
  bool rewrittenAsOn;  // whether the connection replaced it with REG_SZ "1"
};

class ConnectionSettings : public ::testing::Test {
 protected:
  void SetUp() override { DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey); }
  void TearDown() override {
    DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kPolicyKey);
    DeleteKeyTree(HKEY_CURRENT_USER, kPolicyKey);
  }

  // Stores the values, connects a fresh add-in object and checks each switch.
  void Check(const std::vector<StoredValue>& values) {
    // Written through the narrow interface, so string data is exactly these bytes.
    for (const auto& value : values) SetRawValueA(HKEY_CURRENT_USER, kSettingsKey, value.name, value.type, value.data);
    auto object = AddinModule::Instance().CreateObject();
    ComPtr<_IDTExtensibility2> extensibility;
    ASSERT_EQ(object.As(&extensibility), S_OK);
    StandInApplication application;
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    ASSERT_EQ(extensibility->OnConnection(&application, ext_cm_Startup, nullptr, &custom), S_OK);
    SafeArrayDestroy(custom);
    for (const auto& value : values) {
      SCOPED_TRACE(value.name);
      StandInControl control(value.controlId, L"");
      InvokeResult result;
      InvokeByName(object.Get(), L"GetVisible", {DispatchArgument(&control)}, result);
      ASSERT_EQ(result.hr, S_OK);
      EXPECT_EQ(V_BOOL(&result.value), value.visible ? VARIANT_TRUE : VARIANT_FALSE);
      DWORD type = 0;
      std::vector<BYTE> data;
      ASSERT_TRUE(GetRawValueA(HKEY_CURRENT_USER, kSettingsKey, value.name, type, data));
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

TEST_F(ConnectionSettings, StringValues) {
  Check({
      {"ShowAllMenu", L"MenuAll", REG_SZ, {'0', 0}, false, false},
      {"TabHome", L"TabHome", REG_SZ, {'0'}, false, false},  // no terminating NUL
      {"TabInsert", L"TabInsert", REG_SZ, {0}, true, true},  // the empty text
      {"TabDesign", L"TabDesign", REG_SZ, {}, true, true},   // no data at all
      {"TabAnimations", L"TabAnimations", REG_SZ, {'0', '0', 0}, true, false},
      {"TabSlideShow", L"TabSlideShow", REG_SZ, {' ', '0', 0}, true, false},
      {"TabReview", L"TabReview", REG_SZ, {'0', ' ', 0}, true, false},
      {"TabView", L"TabView", REG_SZ, {'2', 0}, true, false},
      {"TabDeveloper", L"TabDeveloper", REG_SZ, {'0', 0, '1', 0}, false, false},  // text ends at the NUL
  });
}

TEST_F(ConnectionSettings, BinaryAndOtherTypes) {
  Check({
      {"ShowAllMenu", L"rxlableAll", REG_BINARY, {0, 0}, false, false},
      {"TabHome", L"TabHome", REG_BINARY, {5}, true, false},
      {"TabInsert", L"TabInsert", REG_BINARY, {0xFF, 0xFF}, true, false},       // -1
      {"TabDesign", L"TabDesign", REG_BINARY, {0, 0, 1, 2, 3, 4}, false, false},  // first two bytes
      {"TabAnimations", L"TabAnimations", REG_BINARY, {}, false, false},        // reads as 0
      {"TabSlideShow", L"TabSlideShow", REG_DWORD, {0, 0, 0, 0}, true, true},
      {"TabReview", L"TabReview", REG_EXPAND_SZ, {'0', 0}, true, true},
      {"TabView", L"TabView", REG_MULTI_SZ, {'0', 0, 0}, true, true},
      {"TabDeveloper", L"TabDeveloper", REG_QWORD, {0, 0, 0, 0, 0, 0, 0, 0}, true, true},
  });
}

TEST_F(ConnectionSettings, MissingValuesGetTheirDefaultAndOthersStay) {
  SetRawValueA(HKEY_CURRENT_USER, kSettingsKey, "TabReview", REG_SZ, {'0', 0});
  Check({
      {"TabReview", L"TabReview", REG_SZ, {'0', 0}, false, false},
  });
  for (const wchar_t* name : {L"ShowAllMenu", L"TabHome", L"TabInsert", L"TabDesign", L"TabAnimations",
                              L"TabSlideShow", L"TabView", L"TabDeveloper"}) {
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, kSettingsKey, name), L"1") << name;
  }
}

TEST_F(ConnectionSettings, VisibilityFollowsTheSwitchesOfTheLastLoad) {
  Check({{"TabReview", L"TabReview", REG_SZ, {'0', 0}, false, false}});
  // Another connection after the value changed picks up the new text.
  Check({{"TabReview", L"TabReview", REG_SZ, {'1', 0}, true, false}});
  // Ids the callback does not know, or nearly knows, are hidden.
  auto object = AddinModule::Instance().CreateObject();
  for (const wchar_t* id : {L"tabhome", L"TabHome ", L"rxMenu_wenjianI", L""}) {
    StandInControl control(id, L"");
    InvokeResult result;
    InvokeByName(object.Get(), L"GetVisible", {DispatchArgument(&control)}, result);
    EXPECT_EQ(result.hr, S_OK) << id;
    EXPECT_EQ(V_BOOL(&result.value), VARIANT_FALSE) << id;
  }
}

TEST_F(ConnectionSettings, MachinePolicyWinsOverUserPolicyAndTheUsersValueSurvivesIt) {
  // Hidden by the machine, shown by the user's policy and by the user: hidden.
  SetRawValueA(HKEY_LOCAL_MACHINE, kPolicyKey, "TabDeveloper", REG_SZ, {'0', 0});
  SetRawValueA(HKEY_CURRENT_USER, kPolicyKey, "TabDeveloper", REG_SZ, {'1', 0});
  // A policy value that does not read as text sets nothing.
  SetRawValueA(HKEY_CURRENT_USER, kPolicyKey, "TabHome", REG_DWORD, {0, 0, 0, 0});
  Check({
      {"TabDeveloper", L"TabDeveloper", REG_SZ, {'1', 0}, false, false},
      {"TabHome", L"TabHome", REG_SZ, {'1', 0}, true, false},
  });

  // Lifted: the next connection shows the user's own choice again.
  DeleteKeyTree(HKEY_LOCAL_MACHINE, kPolicyKey);
  DeleteKeyTree(HKEY_CURRENT_USER, kPolicyKey);
  Check({{"TabDeveloper", L"TabDeveloper", REG_SZ, {'1', 0}, true, false}});
}

}  // namespace
