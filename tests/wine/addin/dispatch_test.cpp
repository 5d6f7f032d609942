// The callbacks as the host calls them: names bound through GetIDsOfNames, arguments in the
// forms a host may pass, results in pVarResult, and every kind of bad call answered with
// the right status.
#include <gtest/gtest.h>
#include <windows.h>
#include <wrl/client.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "support/addin_loader.h"
#include "host_objects.h"
#include "ribbon/menu_contents.h"
#include "support/registry_snapshot.h"
#include "support/host_params.h"

namespace {

using Microsoft::WRL::ComPtr;
using namespace zorvane::test;
using namespace zorvane::standin;

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    object_ = AddinModule::Instance().CreateObject();
    ASSERT_TRUE(object_);
  }
  ComPtr<IDispatch> object_;
};

TEST_F(Dispatch, BindsTheSixNamesWithoutRegardToCase) {
  std::set<DISPID> ids;
  for (const wchar_t* name :
       {L"AboutMenu", L"CustomMenu", L"GetRibbonXML", L"rxcustomUI_onLoad", L"GetVisible", L"rxQuelby_get"}) {
    const DISPID exact = DispIdOf(object_.Get(), name);
    EXPECT_NE(exact, DISPID_UNKNOWN) << name;
    std::wstring upper = name;
    for (auto& c : upper) c = static_cast<wchar_t>(towupper(c));
    EXPECT_EQ(DispIdOf(object_.Get(), upper.c_str()), exact) << upper;
    ids.insert(exact);
  }
  EXPECT_EQ(ids.size(), 6u);
}

TEST_F(Dispatch, UnknownNamesAndBadCallsAreRefused) {
  wchar_t unknown[] = L"GetVisibleX";
  LPOLESTR names[] = {unknown};
  DISPID id = 0;
  EXPECT_EQ(object_->GetIDsOfNames(IID_NULL, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
  EXPECT_EQ(object_->GetIDsOfNames(IID_NULL, nullptr, 1, 0, &id), E_POINTER);
  EXPECT_EQ(object_->GetIDsOfNames(IID_NULL, names, 1, 0, nullptr), E_POINTER);
  const IID other = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
  EXPECT_EQ(object_->GetIDsOfNames(other, names, 1, 0, &id), DISP_E_UNKNOWNINTERFACE);

  const DISPID visible = DispIdOf(object_.Get(), L"GetVisible");
  VARIANT result;
  VariantInit(&result);
  EXPECT_EQ(object_->Invoke(visible, IID_NULL, 0, DISPATCH_METHOD, nullptr, &result, nullptr, nullptr), E_POINTER);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  EXPECT_EQ(object_->Invoke(visible, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr),
            DISP_E_BADPARAMCOUNT);
  for (DISPID unknownId : {DISPID{12345}, DISPID{DISPID_UNKNOWN}, DISPID{0x7FFFFFFF}, DISPID{-0x7FFFFFFF - 1}}) {
    EXPECT_EQ(object_->Invoke(unknownId, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND)
        << unknownId;
  }
  VARIANT number;
  VariantInit(&number);
  V_VT(&number) = VT_I4;
  V_I4(&number) = 1;
  DISPPARAMS wrongType{&number, nullptr, 1, 0};
  UINT badArgument = 99;
  EXPECT_EQ(object_->Invoke(visible, IID_NULL, 0, DISPATCH_METHOD, &wrongType, &result, nullptr, &badArgument),
            DISP_E_TYPEMISMATCH);
  EXPECT_EQ(badArgument, 0u);
  DISPPARAMS missingArray{nullptr, nullptr, 1, 0};
  EXPECT_EQ(object_->Invoke(visible, IID_NULL, 0, DISPATCH_METHOD, &missingArray, &result, nullptr, nullptr),
            E_POINTER);
  const DISPID xml = DispIdOf(object_.Get(), L"GetRibbonXML");
  EXPECT_EQ(object_->Invoke(xml, IID_NULL, 0, DISPATCH_PROPERTYPUT, &none, &result, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(object_->Invoke(xml, other, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr),
            DISP_E_UNKNOWNINTERFACE);
  VariantClear(&result);
}

TEST_F(Dispatch, AcceptsTheControlByValueByReferenceAndInsideAVariant) {
  StandInControl control(L"rxlableAll", L"");
  IDispatch* pointer = &control;
  VARIANT byValue = DispatchArgument(&control);
  VARIANT byReference;
  VariantInit(&byReference);
  V_VT(&byReference) = VT_BYREF | VT_DISPATCH;
  V_DISPATCHREF(&byReference) = &pointer;
  VARIANT inner = DispatchArgument(&control);
  VARIANT variantReference;
  VariantInit(&variantReference);
  V_VT(&variantReference) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&variantReference) = &inner;
  for (const VARIANT& argument : {byValue, byReference, variantReference}) {
    InvokeResult result;
    InvokeByName(object_.Get(), L"GetVisible", {argument}, result);
    EXPECT_EQ(result.hr, S_OK) << "variant type " << V_VT(&argument);
    EXPECT_EQ(V_VT(&result.value), VT_BOOL);
  }
  EXPECT_EQ(control.idReads(), 3);
  EXPECT_EQ(control.outstanding(), 0) << "no reference to the control is kept";
}

class DispatchOfEachHost : public ::testing::TestWithParam<const HostDescription*> {
 protected:
  void SetUp() override { DeleteHostKeys(); }  // no settings yet: all of the host's switches are on
  void TearDown() override { DeleteHostKeys(); }
};
INSTANTIATE_TEST_SUITE_P(Hosts, DispatchOfEachHost, ::testing::ValuesIn(OneRibbonHostPointers()), HostParamName);

// Each class answers its own host's nine menus, and its eight tabs from its own switches.
TEST_P(DispatchOfEachHost, CallbacksAnswerTheHostsOwnMenusAndTabs) {
  const zorvane::OfficeHost host = GetParam()->host;
  auto object = AddinModule::Instance().CreateObject(GetParam()->classId);
  ASSERT_TRUE(object);
  ComPtr<_IDTExtensibility2> extensibility;
  ASSERT_EQ(object.As(&extensibility), S_OK);
  StandInApplication application(*GetParam());
  ASSERT_EQ(extensibility->OnConnection(&application, ext_cm_Startup, nullptr, nullptr), S_OK);
  for (const std::u16string_view tag16 : zorvane::ribbon::MenuTags(host)) {
    const std::wstring tag(tag16.begin(), tag16.end());
    StandInControl control(L"rxMenu_any", tag);
    InvokeResult result;
    InvokeByName(object.Get(), L"rxQuelby_get", {DispatchArgument(&control)}, result);
    ASSERT_EQ(result.hr, S_OK) << tag;
    ASSERT_EQ(V_VT(&result.value), VT_BSTR);
    const auto expected = zorvane::ribbon::MenuContent(host, tag16, zorvane::UiLanguage::kSimplifiedChinese);
    EXPECT_EQ(result.Text(), std::wstring(expected.begin(), expected.end())) << tag;
    EXPECT_EQ(control.idReads(), 0) << "only the tag is read";
  }
  // Every class knows only its own host's tabs: another host's tab is hidden.
  const std::vector<BuiltInTab> mine = GetParam()->tabsOf(kOffice2007);
  for (const HostDescription& other : kHosts) {
    for (const BuiltInTab& tab : other.tabsOf(kOffice2007)) {
      StandInControl control(std::wstring(tab.idMso), L"");
      InvokeResult result;
      InvokeByName(object.Get(), L"GetVisible", {DispatchArgument(&control)}, result);
      ASSERT_EQ(result.hr, S_OK);
      const bool own = std::ranges::any_of(mine, [&](const BuiltInTab& m) { return m.idMso == tab.idMso; });
      EXPECT_EQ(V_BOOL(&result.value), own ? VARIANT_TRUE : VARIANT_FALSE) << std::wstring(tab.idMso);
    }
  }
}

TEST_F(Dispatch, ContentCallbackAnswersNothingForAnUnknownTag) {
  for (const wchar_t* tag : {L"file", L"Window", L" File", L""}) {
    StandInControl control(L"rxMenu_any", tag);
    InvokeResult result;
    InvokeByName(object_.Get(), L"rxQuelby_get", {DispatchArgument(&control)}, result);
    EXPECT_EQ(result.hr, S_OK) << tag;
    EXPECT_EQ(V_VT(&result.value), VT_BSTR);
    EXPECT_EQ(result.Text(), L"") << tag;
  }
}

// A failing read of the control's Id or Tag is returned with no result; an Id or Tag that is
// not text makes the control, rgvarg[0], the argument at fault.
TEST_F(Dispatch, FailingControlReadsAreReturnedWithNoResult) {
  const struct {
    HRESULT id, tag;
    UINT argumentAtFault;
  } rows[] = {{E_ACCESSDENIED, RPC_E_DISCONNECTED, InvokeResult::kNoArgument},
              {DISP_E_TYPEMISMATCH, DISP_E_TYPEMISMATCH, 0}};
  for (const auto& row : rows) {
    StandInControl control(L"TabHome", L"File");
    control.idResult = row.id;
    control.tagResult = row.tag;
    InvokeResult visible;
    InvokeByName(object_.Get(), L"GetVisible", {DispatchArgument(&control)}, visible);
    EXPECT_EQ(visible.hr, row.id);
    EXPECT_EQ(V_VT(&visible.value), VT_BOOL);
    EXPECT_EQ(V_BOOL(&visible.value), VARIANT_FALSE);
    EXPECT_EQ(visible.argumentError, row.argumentAtFault);
    InvokeResult content;
    InvokeByName(object_.Get(), L"rxQuelby_get", {DispatchArgument(&control)}, content);
    EXPECT_EQ(content.hr, row.tag);
    EXPECT_EQ(V_VT(&content.value), VT_EMPTY);
    EXPECT_EQ(content.argumentError, row.argumentAtFault);
    EXPECT_EQ(control.outstanding(), 0);
  }
}

TEST_F(Dispatch, DocumentRequestThroughDispatchMatchesTheTypedOne) {
  InvokeResult result;
  InvokeByName(object_.Get(), L"GetRibbonXML", {}, result);
  ASSERT_EQ(result.hr, S_OK);
  ComPtr<IRibbonExtensibility> ribbon;
  ASSERT_EQ(object_.As(&ribbon), S_OK);
  BSTR xml = nullptr;
  ASSERT_EQ(ribbon->GetCustomUI(nullptr, &xml), S_OK);
  EXPECT_EQ(result.Text(), std::wstring(xml, SysStringLen(xml)));
  SysFreeString(xml);
}

TEST_F(Dispatch, RibbonLoadRefusesAnObjectThatIsNoRibbon) {
  StandInControl notARibbon(L"x", L"y");
  InvokeResult result;
  InvokeByName(object_.Get(), L"rxcustomUI_onLoad", {DispatchArgument(&notARibbon)}, result);
  EXPECT_EQ(result.hr, DISP_E_TYPEMISMATCH);
  EXPECT_EQ(result.argumentError, 0u);
  EXPECT_EQ(notARibbon.outstanding(), 0);
}

}  // namespace
