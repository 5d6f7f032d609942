// The add-in object through its typed interfaces: connection, document request, ribbon load,
// and the module's lifetime.
#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/addin_loader.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "ribbon/ribbon_windows.h"
#include "host_objects.h"
#include "support/host_params.h"
#include "support/registry_snapshot.h"

namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::test;
using namespace zorvane::standin;

std::wstring DocumentText(zorvane::OfficeHost host,
                         zorvane::settings::RibbonWindow window = zorvane::settings::RibbonWindow::kMain) {
  const auto document =
      zorvane::ribbon::RibbonDocument(host, zorvane::OfficeVersion::k2007, zorvane::UiLanguage::kSimplifiedChinese, window);
  return std::wstring(reinterpret_cast<const wchar_t*>(document.data()), document.size());
}

// PowerPoint's class; ConnectObjectOfEachHost runs the same for every host's.
class ConnectObject : public ::testing::Test {
 protected:
  virtual const HostDescription& Host() const { return kDefaultHost; }

  void SetUp() override {
    kSettingsKey = Host().settingsKeyPath();
    DeleteHostKeys();
    object_ = AddinModule::Instance().CreateObject(Host().classId);
    ASSERT_TRUE(object_) << "could not create the add-in object from Zorvane.dll";
    ASSERT_EQ(object_.As(&extensibility_), S_OK);
    ASSERT_EQ(object_.As(&ribbon_), S_OK);
  }
  void TearDown() override { DeleteHostKeys(); }

  HRESULT Connect(IDispatch* application) {
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    const HRESULT hr = extensibility_->OnConnection(application, ext_cm_Startup, nullptr, &custom);
    SafeArrayDestroy(custom);
    return hr;
  }

  std::wstring kSettingsKey;
  ComPtr<IDispatch> object_;
  ComPtr<_IDTExtensibility2> extensibility_;
  ComPtr<IRibbonExtensibility> ribbon_;
};

class ConnectObjectOfEachHost : public ConnectObject,
                                public ::testing::WithParamInterface<const HostDescription*> {
 protected:
  const HostDescription& Host() const override { return *GetParam(); }
};
INSTANTIATE_TEST_SUITE_P(Hosts, ConnectObjectOfEachHost, ::testing::ValuesIn(HostPointers()), HostParamName);

TEST_P(ConnectObjectOfEachHost, AnswersItsInterfacesAndNoOthers) {
  ComPtr<IUnknown> unknown;
  EXPECT_EQ(object_.As(&unknown), S_OK);
  const IID connectIid = {0x19F6CF44, 0x89FE, 0x4C2C, {0x80, 0xAB, 0x21, 0xEE, 0xCC, 0x07, 0x61, 0x3E}};
  ComPtr<IUnknown> connect;
  EXPECT_EQ(object_->QueryInterface(connectIid, reinterpret_cast<void**>(connect.GetAddressOf())), S_OK);
  ComPtr<IClassFactory> notOffered;
  EXPECT_EQ(object_.As(&notOffered), E_NOINTERFACE);
  EXPECT_EQ(notOffered, nullptr);
}

TEST_P(ConnectObjectOfEachHost, ConnectionKeepsTheApplicationAndLoadsTheSettings) {
  StandInApplication application(Host());
  ASSERT_EQ(Connect(&application), S_OK);
  EXPECT_EQ(application.outstanding(), 1) << "the add-in keeps one reference to the application";
  // First start: the host's key is created with the nine defaults, and only that host's.
  EXPECT_EQ(StringValue(HKEY_CURRENT_USER, kSettingsKey, L"ShowAllMenu"), L"1");
  for (const BuiltInTab& tab : Host().tabsOf(kOffice2007)) {
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, kSettingsKey, std::wstring(tab.idMso)), L"1") << std::wstring(tab.idMso);
  }
  for (const HostDescription& other : kHosts) {
    if (&other == &Host()) continue;
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::wstring(other.settingsKeyPath())));
  }
  object_.Reset();
  extensibility_.Reset();
  ribbon_.Reset();
  EXPECT_EQ(application.outstanding(), 0) << "released with the add-in object";
}

TEST_P(ConnectObjectOfEachHost, ConnectionRefusesEveryOtherHost) {
  for (const HostDescription& other : kHosts) {
    if (&other == &Host()) continue;
    StandInApplication notItsHost(other);
    EXPECT_EQ(Connect(&notItsHost), E_NOINTERFACE) << std::wstring(other.name);
    EXPECT_EQ(notItsHost.outstanding(), 0);
  }
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "settings must not be loaded by a failed connection";
  EXPECT_EQ(Connect(nullptr), E_POINTER);
}

TEST_F(ConnectObject, OtherConnectionEventsSucceedAndChangeNothing) {
  SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  EXPECT_EQ(extensibility_->OnStartupComplete(&custom), S_OK);
  EXPECT_EQ(extensibility_->OnAddInsUpdate(&custom), S_OK);
  EXPECT_EQ(extensibility_->OnBeginShutdown(&custom), S_OK);
  EXPECT_EQ(extensibility_->OnDisconnection(ext_dm_HostShutdown, &custom), S_OK);
  SafeArrayDestroy(custom);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
}

// A host of one ribbon is given its document for every ribbon id; Outlook each of its three
// ribbons' own, and the empty text (no customization) for any other id, none included.
TEST_P(ConnectObjectOfEachHost, DocumentIsTheRibbonsOwnAndEmptyForAnotherRibbon) {
  const zorvane::OfficeHost host = Host().host;
  std::vector<std::pair<std::wstring, std::wstring>> cases;  // ribbon id, document
  bool several = false;
  for (const zorvane::ribbon::HostRibbon& row : zorvane::ribbon::kHostRibbons) {
    if (row.host != host) continue;
    const std::wstring expected = DocumentText(host, row.window);
    ASSERT_FALSE(expected.empty());
    if (row.ribbonId.empty()) {
      for (const wchar_t* id : {Host().mainRibbon().ribbonId.data(), L"Microsoft.PowerPoint.Presentation", L"", L"anything else"}) {
        cases.emplace_back(id, expected);
      }
    } else {
      several = true;
      cases.emplace_back(std::wstring(row.ribbonId.begin(), row.ribbonId.end()), expected);
    }
  }
  if (several) {
    for (const wchar_t* id : {L"Microsoft.Outlook.Appointment", L"Microsoft.Outlook.Contact", L"microsoft.outlook.explorer",
                              L"Microsoft.Outlook.Mail.Read ", L""}) {
      cases.emplace_back(id, L"");
    }
  }
  for (const auto& [id, expected] : cases) {
    BSTR ribbonId = SysAllocString(id.c_str());
    BSTR xml = nullptr;
    ASSERT_EQ(ribbon_->GetCustomUI(ribbonId, &xml), S_OK);
    EXPECT_EQ(std::wstring(xml, SysStringLen(xml)), expected) << id;
    SysFreeString(xml);
    SysFreeString(ribbonId);
  }
  BSTR xml = nullptr;
  EXPECT_EQ(ribbon_->GetCustomUI(nullptr, &xml), S_OK) << "a null identifier is the empty one";
  EXPECT_EQ(SysStringLen(xml) == 0, several);
  SysFreeString(xml);
  EXPECT_EQ(ribbon_->GetCustomUI(nullptr, nullptr), E_POINTER);
}

// Outlook loads a ribbon per window kind: each is kept once, however often it loads, and OK
// can ask them all again; a host of one ribbon keeps only its latest.
TEST(OutlookRibbons, EachRibbonIsKeptOnceAndAllGoWhenTheModuleMayUnload) {
  const HostDescription& outlook = kHosts[zorvane::HostIndex(zorvane::OfficeHost::Outlook)];
  auto object = AddinModule::Instance().CreateObject(outlook.classId);
  ASSERT_TRUE(object);
  const auto load = [&object](StandInRibbon* ribbon) {
    InvokeResult result;
    InvokeByName(object.Get(), L"rxcustomUI_onLoad", {DispatchArgument(ribbon)}, result);
    return result.hr;
  };
  const ComPtr<StandInRibbon> ribbons[] = {StandInRibbon::Create(), StandInRibbon::Create(), StandInRibbon::Create(),
                                           StandInRibbon::Create()};
  for (const auto& ribbon : ribbons) ASSERT_EQ(ribbon->outstanding(), 0);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(load(ribbons[i].Get()), S_OK);
  ASSERT_EQ(load(ribbons[1].Get()), S_OK);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ribbons[i]->outstanding(), 1) << i;
  // A ribbon the host gives anew takes the place of the longest kept.
  ASSERT_EQ(load(ribbons[3].Get()), S_OK);
  EXPECT_EQ(ribbons[0]->outstanding(), 0);
  EXPECT_EQ(ribbons[3]->outstanding(), 1);
  object.Reset();
  EXPECT_EQ(AddinModule::Instance().CanUnloadNow(), S_OK);
  for (const auto& ribbon : ribbons) EXPECT_EQ(ribbon->outstanding(), 0);
}

// The content callback tells Outlook's windows apart by the menu's id: one tag, each window's
// own menu; an id of no window of ours gets no menu.
TEST(OutlookRibbons, MenusAreTheWindowsOwnByTheMenusId) {
  const HostDescription& outlook = kHosts[zorvane::HostIndex(zorvane::OfficeHost::Outlook)];
  DeleteHostKeys();
  auto object = AddinModule::Instance().CreateObject(outlook.classId);
  ComPtr<_IDTExtensibility2> extensibility;
  ASSERT_EQ(object.As(&extensibility), S_OK);
  StandInApplication application(outlook);
  ASSERT_EQ(extensibility->OnConnection(&application, ext_cm_Startup, nullptr, nullptr), S_OK);
  std::set<std::wstring> answers;
  for (const zorvane::ribbon::HostRibbon& row : zorvane::ribbon::kHostRibbons) {
    if (row.host != zorvane::OfficeHost::Outlook) continue;
    for (const std::u16string_view tag : zorvane::ribbon::MenuTags(row.host, row.window)) {
      for (const wchar_t* copy : {L"I", L"II"}) {
        StandInControl control(std::wstring(row.menuIdPrefix.begin(), row.menuIdPrefix.end()) +
                                   std::wstring(tag.begin(), tag.end()) + copy,
                               std::wstring(tag.begin(), tag.end()));
        InvokeResult result;
        InvokeByName(object.Get(), L"rxQuelby_get", {DispatchArgument(&control)}, result);
        ASSERT_EQ(result.hr, S_OK);
        const auto expected = zorvane::ribbon::MenuContent(row.host, tag, zorvane::UiLanguage::kSimplifiedChinese, row.window);
        EXPECT_EQ(result.Text(), std::wstring(expected.begin(), expected.end()));
        answers.insert(result.Text());
      }
    }
  }
  EXPECT_GT(answers.size(), 20u) << "File, Edit... differ from window to window";
  for (const wchar_t* id : {L"rxMenu_HelpI", L"HelpI", L"", L"rxOlmain_HelpI"}) {
    StandInControl control(id, L"Help");
    InvokeResult result;
    InvokeByName(object.Get(), L"rxQuelby_get", {DispatchArgument(&control)}, result);
    EXPECT_EQ(result.hr, S_OK) << id;
    EXPECT_EQ(result.Text(), L"") << id;
  }
  extensibility.Reset();
  object.Reset();
  DeleteHostKeys();
}

TEST_F(ConnectObject, SecondRibbonLoadReleasesTheFirstAndDisconnectionKeepsIt) {
  StandInRibbon first;
  StandInRibbon second;
  InvokeResult result;
  InvokeByName(object_.Get(), L"rxcustomUI_onLoad", {DispatchArgument(&first)}, result);
  ASSERT_EQ(result.hr, S_OK);
  EXPECT_EQ(first.outstanding(), 1);
  InvokeByName(object_.Get(), L"rxcustomUI_onLoad", {DispatchArgument(&second)}, result);
  ASSERT_EQ(result.hr, S_OK);
  EXPECT_EQ(first.outstanding(), 0) << "the replaced ribbon is released";
  EXPECT_EQ(second.outstanding(), 1);
  SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  extensibility_->OnDisconnection(ext_dm_HostShutdown, &custom);
  SafeArrayDestroy(custom);
  object_.Reset();
  extensibility_.Reset();
  ribbon_.Reset();
  EXPECT_EQ(second.outstanding(), 1) << "the ribbon lives as long as the module";
  // Leave no reference to a stack object behind for the next tests.
  StandInRibbon last;
  auto another = AddinModule::Instance().CreateObject();
  InvokeByName(another.Get(), L"rxcustomUI_onLoad", {DispatchArgument(&last)}, result);
  EXPECT_EQ(second.outstanding(), 0);
  VARIANT none;
  VariantInit(&none);
  V_VT(&none) = VT_DISPATCH;
  V_DISPATCH(&none) = nullptr;
  InvokeByName(another.Get(), L"rxcustomUI_onLoad", {none}, result);
  EXPECT_EQ(last.outstanding(), 0);
}

TEST_F(ConnectObject, TheRibbonIsLetGoWhenTheModuleMayUnload) {
  StandInRibbon ribbon;
  InvokeResult result;
  InvokeByName(object_.Get(), L"rxcustomUI_onLoad", {DispatchArgument(&ribbon)}, result);
  ASSERT_EQ(result.hr, S_OK);
  EXPECT_EQ(AddinModule::Instance().CanUnloadNow(), S_FALSE);
  EXPECT_EQ(ribbon.outstanding(), 1) << "kept while an add-in object lives";
  object_.Reset();
  extensibility_.Reset();
  ribbon_.Reset();
  EXPECT_EQ(ribbon.outstanding(), 1) << "kept after the object is gone, until the module unloads";
  EXPECT_EQ(AddinModule::Instance().CanUnloadNow(), S_OK);
  EXPECT_EQ(ribbon.outstanding(), 0) << "released once COM may unload the module";
}

TEST_F(ConnectObject, ModuleStaysLoadedWhileObjectsOrLocksLive) {
  // This fixture holds one object.
  EXPECT_EQ(AddinModule::Instance().CanUnloadNow(), S_FALSE);
  object_.Reset();
  extensibility_.Reset();
  ribbon_.Reset();
  EXPECT_EQ(AddinModule::Instance().CanUnloadNow(), S_OK);
  auto factory = AddinModule::Instance().ClassFactory();
  ASSERT_TRUE(factory);
  EXPECT_EQ(AddinModule::Instance().CanUnloadNow(), S_FALSE) << "a class factory held counts";
  factory->LockServer(TRUE);
  IClassFactory* raw = factory.Detach();
  raw->Release();
  EXPECT_EQ(AddinModule::Instance().CanUnloadNow(), S_FALSE) << "a lock counts";
  auto again = AddinModule::Instance().ClassFactory();
  again->LockServer(FALSE);
  StandInApplication outer;
  ComPtr<IUnknown> aggregated;
  EXPECT_EQ(again->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(aggregated.GetAddressOf())),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(aggregated, nullptr);
  again.Reset();
  EXPECT_EQ(AddinModule::Instance().CanUnloadNow(), S_OK);
}

}  // namespace
