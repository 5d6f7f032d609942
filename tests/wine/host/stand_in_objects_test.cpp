// The host's own COM objects: their reference counts, their interfaces, late binding.
#include <gtest/gtest.h>

#include <wrl/client.h>

#include <optional>

#include "bstr_text.h"
#include "host_objects.h"
#include "common/unique_variant.h"

using Microsoft::WRL::ComPtr;
using zorvane::UniqueBstr;
using zorvane::UniqueVariant;
using namespace zorvane::standin;

namespace {

DISPID IdOf(IDispatch* object, const wchar_t* name) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << name;
  return id;
}

TEST(StandInObjects, StartWithTheCreatorsReferenceOnly) {
  EXPECT_EQ(StandInApplication::Create()->references(), 1u);
  EXPECT_EQ(StandInRibbon::Create()->references(), 1u);
  EXPECT_EQ(StandInControl::Create(L"a", L"b")->references(), 1u);
  EXPECT_EQ(StandInAddInInstance::Create(L"X.Y", L"d")->references(), 1u);
}

TEST(StandInObjects, ApplicationAnswersForPowerPointsInterfaceAndCountsHolders) {
  ComPtr<StandInApplication> application = StandInApplication::Create();
  ComPtr<IDispatch> asPowerPoint;
  ASSERT_EQ(application->QueryInterface(IID__Application, reinterpret_cast<void**>(asPowerPoint.GetAddressOf())), S_OK);
  ComPtr<IUnknown> asUnknown;
  ASSERT_EQ(application.As(&asUnknown), S_OK);
  EXPECT_EQ(application->references(), 3u);
  asPowerPoint.Reset();
  asUnknown.Reset();
  EXPECT_EQ(application->references(), 1u);
  ComPtr<IRibbonUI> notARibbon;
  EXPECT_EQ(application->QueryInterface(IID_IRibbonUI, reinterpret_cast<void**>(notARibbon.GetAddressOf())),
            E_NOINTERFACE);
  EXPECT_EQ(notARibbon, nullptr);
}

// A property read by name, as an add-in reads it: GetIDsOfNames, then Invoke.
HRESULT ReadByName(IDispatch* object, const wchar_t* name, UniqueVariant& value) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  if (const HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); FAILED(hr)) return hr;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  return object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, value.get(), nullptr, nullptr);
}

// No Version member until told, no Build without a build, then Build in each host's own form;
// every read counted, the language's member kept beside them.
TEST(StandInObjects, ApplicationAnswersVersionAndBuildOnlyWhenTold) {
  const struct { const HostDescription& host; VARTYPE type; const wchar_t* text; } builds[] = {
      {kHosts[0], VT_BSTR, L"17928"}, {kHosts[1], VT_BSTR, L"16.0.17928.1000"}, {kHosts[2], VT_I4, L"17928"}};
  for (const auto& b : builds) {
    ComPtr<StandInApplication> application = StandInApplication::Create(b.host);
    UniqueVariant version, build;
    EXPECT_EQ(ReadByName(application.Get(), L"Version", version), DISP_E_UNKNOWNNAME);
    application->AnswerLanguage(2052);
    application->AnswerVersion(L"16.0", std::nullopt);
    EXPECT_EQ(ReadByName(application.Get(), L"Build", build), DISP_E_UNKNOWNNAME);
    ASSERT_EQ(ReadByName(application.Get(), L"version", version), S_OK);
    ASSERT_EQ(version.type(), VT_BSTR);
    EXPECT_STREQ(V_BSTR(version.get()), L"16.0");
    application->AnswerVersion(OfficeRelease{16, 17928});
    ASSERT_EQ(ReadByName(application.Get(), L"Build", build), S_OK);
    ASSERT_EQ(build.type(), b.type);
    ASSERT_EQ(VariantChangeType(build.get(), build.get(), 0, VT_BSTR), S_OK);
    EXPECT_STREQ(V_BSTR(build.get()), b.text);
    EXPECT_NE(IdOf(application.Get(), L"LanguageSettings"), DISPID_UNKNOWN);
    EXPECT_EQ(application->versionReads(), 1);
    EXPECT_EQ(application->buildReads(), 1);
  }
}

// Outlook's Version carries the build, the one named or the release's first; it has no Build.
TEST(StandInObjects, OutlookTellsTheBuildInVersionAndHasNoBuild) {
  const struct { OfficeRelease release; const wchar_t* version; } cases[] = {
      {{16, 17928}, L"16.0.0.17928"}, {kOffice2016, L"16.0.0.4266"}, {kOffice2010, L"14.0.0.4760"}};
  for (const auto& c : cases) {
    ComPtr<StandInApplication> application = StandInApplication::Create(*FindHost(L"outlook"));
    application->AnswerVersion(c.release);
    UniqueVariant version, build;
    ASSERT_EQ(ReadByName(application.Get(), L"Version", version), S_OK);
    EXPECT_STREQ(V_BSTR(version.get()), c.version);
    EXPECT_EQ(ReadByName(application.Get(), L"Build", build), DISP_E_UNKNOWNNAME);
  }
}

TEST(StandInObjects, ControlReportsIdAndTagThroughItsInterfaceAndByName) {
  ComPtr<IRibbonControl> control = StandInControl::Create(L"rxMenu_wenjianI", L"File");
  UniqueBstr id;
  UniqueBstr tag;
  ASSERT_EQ(control->get_Id(id.put()), S_OK);
  ASSERT_EQ(control->get_Tag(tag.put()), S_OK);
  EXPECT_EQ(TextOf(id.get()), L"rxMenu_wenjianI");
  EXPECT_EQ(TextOf(tag.get()), L"File");
  ComPtr<IDispatch> context;
  EXPECT_EQ(control->get_Context(context.GetAddressOf()), S_OK);
  EXPECT_EQ(context, nullptr);

  DISPPARAMS none{nullptr, nullptr, 0, 0};
  UniqueVariant result;
  ASSERT_EQ(control->Invoke(IdOf(control.Get(), L"tag"), IID_NULL, 0, DISPATCH_PROPERTYGET, &none, result.get(),
                            nullptr, nullptr),
            S_OK);
  ASSERT_EQ(result.type(), VT_BSTR);
  EXPECT_STREQ(V_BSTR(result.get()), L"File");
  LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"Label")};
  DISPID id2 = 0;
  EXPECT_EQ(control->GetIDsOfNames(IID_NULL, unknown, 1, 0, &id2), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id2, DISPID_UNKNOWN);
}

TEST(StandInObjects, RibbonCountsInvalidationsFromEitherBinding) {
  ComPtr<StandInRibbon> ribbon = StandInRibbon::Create();
  EXPECT_EQ(ribbon->generation(), 0u);
  ASSERT_EQ(ribbon->Invalidate(), S_OK);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  ASSERT_EQ(ribbon->Invoke(IdOf(ribbon.Get(), L"INVALIDATE"), IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr,
                           nullptr),
            S_OK);
  EXPECT_EQ(ribbon->invalidations(), 2u);

  UniqueBstr controlId = NewBstr(L"TabHome");
  VARIANTARG argument;
  VariantInit(&argument);
  V_VT(&argument) = VT_BSTR;
  V_BSTR(&argument) = controlId.get();
  DISPPARAMS one{&argument, nullptr, 1, 0};
  ASSERT_EQ(ribbon->Invoke(IdOf(ribbon.Get(), L"InvalidateControl"), IID_NULL, 0, DISPATCH_METHOD, &one, nullptr,
                           nullptr, nullptr),
            S_OK);
  ASSERT_EQ(ribbon->invalidatedControls().size(), 1u);
  EXPECT_EQ(ribbon->invalidatedControls()[0], L"TabHome");
  EXPECT_EQ(ribbon->generation(), 3u);
  EXPECT_EQ(ribbon->Invoke(IdOf(ribbon.Get(), L"Invalidate"), IID_NULL, 0, DISPATCH_METHOD, &one, nullptr, nullptr,
                           nullptr),
            DISP_E_BADPARAMCOUNT);
}

}  // namespace
