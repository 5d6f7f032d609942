// Measures what the host pays for the add-in's callbacks, each next to its floor measured in
// the same run: a SysAllocStringLen/SysFreeString of the same length for the texts, and an
// IDispatch::Invoke of a method that does nothing for the dispatch path.
//   callback_bench.exe <path of Zorvane.dll> [rounds]
#include <windows.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "host_objects.h"
#include "addin_designer.h"
#include "office.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "support/addin_loader.h"

namespace {

using Microsoft::WRL::ComPtr;
using zorvane::test::DispatchArgument;
using zorvane::test::DispIdOf;

// The floor of a dispatch call: an object whose Invoke does nothing at all.
class NoOpDispatch final : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID* ids) override {
    *ids = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return S_OK;
  }
};

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Nanoseconds per call of `body`: the median of several timed batches.
template <typename Body>
double NanosecondsPerCall(Body&& body, int rounds) {
  constexpr int kBatch = 2000;
  std::vector<double> samples;
  for (int round = 0; round < rounds; ++round) {
    const double start = Now();
    for (int i = 0; i < kBatch; ++i) body();
    samples.push_back((Now() - start) * 1e9 / kBatch);
  }
  std::nth_element(samples.begin(), samples.begin() + rounds / 2, samples.end());
  return samples[rounds / 2];
}

void FreeResult(VARIANT& result) { VariantClear(&result); }

void Report(const char* what, double measured, double floor) {
  std::printf("%-44s %9.1f ns   floor %9.1f ns   ratio %5.2f\n", what, measured, floor, measured / floor);
}

// The four figures for an add-in object of `host`'s class connected in `language`.
bool MeasureCallbacks(IDispatch* addin, const zorvane::standin::HostDescription& host, zorvane::UiLanguage language,
                      int rounds, double invokeFloor) {
  const auto hostId = static_cast<zorvane::OfficeHost>(&host - zorvane::standin::kHosts);
  ComPtr<IRibbonExtensibility> extensibility;
  addin->QueryInterface(IID_IRibbonExtensibility, &extensibility);
  DISPPARAMS noArguments{nullptr, nullptr, 0, 0};

  const auto document = zorvane::ribbon::RibbonDocument(hostId, zorvane::OfficeVersion::k2007, language);
  // The largest menu answer is the costliest content call.
  std::u16string_view largest;
  std::wstring largestTag;
  for (const std::u16string_view tag : zorvane::ribbon::MenuTags(hostId)) {
    const auto text = zorvane::ribbon::MenuContent(hostId, tag, language);
    if (text.size() > largest.size()) {
      largest = text;
      largestTag.assign(tag.begin(), tag.end());
    }
  }

  auto allocFloor = [&](std::u16string_view text) {
    return NanosecondsPerCall(
        [&] {
          BSTR copy = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
          SysFreeString(copy);
        },
        rounds);
  };
  std::printf("document %zu characters; largest menu \"%ls\" %zu characters\n", document.size(), largestTag.c_str(),
              largest.size());

  const double documentFloor = allocFloor(document);
  BSTR ribbonId = SysAllocString(std::wstring(host.mainRibbon().ribbonId).c_str());
  // The figures are this language's only if the add-in answers in it.
  BSTR answer = nullptr;
  extensibility->GetCustomUI(ribbonId, &answer);
  const bool inLanguage = answer != nullptr && std::u16string_view(reinterpret_cast<const char16_t*>(answer),
                                                                   SysStringLen(answer)) == document;
  SysFreeString(answer);
  if (!inLanguage) {
    std::fprintf(stderr, "callback_bench: the add-in does not answer in this language\n");
    SysFreeString(ribbonId);
    return false;
  }
  Report("GetCustomUI (typed call)", NanosecondsPerCall(
                                         [&] {
                                           BSTR xml = nullptr;
                                           extensibility->GetCustomUI(ribbonId, &xml);
                                           SysFreeString(xml);
                                         },
                                         rounds),
         documentFloor);
  // A callback called as the host does: bound by name, then Invoke with `params`.
  auto invokeCost = [&](const wchar_t* name, DISPPARAMS& params) {
    const DISPID id = DispIdOf(addin, name);
    return NanosecondsPerCall(
        [&] {
          VARIANT result;
          VariantInit(&result);
          addin->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
          FreeResult(result);
        },
        rounds);
  };
  // What the host pays for its own string of a control property: part of a callback's floor.
  auto propertyFloor = [&](auto read) {
    return NanosecondsPerCall(
        [&] {
          BSTR text = nullptr;
          read(&text);
          SysFreeString(text);
        },
        rounds);
  };

  Report("GetRibbonXML through Invoke", invokeCost(L"GetRibbonXML", noArguments), documentFloor + invokeFloor);

  zorvane::standin::StandInControl menuControl(L"rxMenu_FormatI", largestTag);
  VARIANT menuArgument = DispatchArgument(&menuControl);
  DISPPARAMS menuParams{&menuArgument, nullptr, 1, 0};
  Report("rxQuelby_get, largest menu, through Invoke", invokeCost(L"rxQuelby_get", menuParams),
         allocFloor(largest) + invokeFloor + propertyFloor([&](BSTR* tag) { menuControl.get_Tag(tag); }));

  zorvane::standin::StandInControl tabControl(L"TabDeveloper", L"");
  VARIANT tabArgument = DispatchArgument(&tabControl);
  DISPPARAMS tabParams{&tabArgument, nullptr, 1, 0};
  Report("GetVisible, last id of the table, via Invoke", invokeCost(L"GetVisible", tabParams),
         invokeFloor + propertyFloor([&](BSTR* id) { tabControl.get_Id(id); }));
  SysFreeString(ribbonId);
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: callback_bench <Zorvane.dll> [rounds]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::max(3, _wtoi(argv[2])) : 31;
  CoInitialize(nullptr);
  HMODULE dll = LoadLibraryW(argv[1]);
  if (dll == nullptr) {
    std::fprintf(stderr, "callback_bench: cannot load %ls (error %lu)\n", argv[1], GetLastError());
    return 1;
  }
  auto getClassObject = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
      reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")));
  if (getClassObject == nullptr) {
    std::fprintf(stderr, "callback_bench: the add-in has no DllGetClassObject\n");
    return 1;
  }
  NoOpDispatch noOp;
  DISPPARAMS noArguments{nullptr, nullptr, 0, 0};
  const double invokeFloor = NanosecondsPerCall(
      [&] {
        VARIANT result;
        VariantInit(&result);
        noOp.Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &noArguments, &result, nullptr, nullptr);
        FreeResult(result);  // the host clears every result, as it does the callbacks' below
      },
      rounds);

  std::printf("Callback cost under this machine's Wine; median of %d batches of 2000 calls.\n", rounds);
  // Each language's text is its own constant: connected as a host of that language.
  const struct {
    const char* name;
    LONG lcid;
    zorvane::UiLanguage language;
  } kLanguages[] = {{"Simplified Chinese", 2052, zorvane::UiLanguage::kSimplifiedChinese},
                    {"Traditional Chinese", 1028, zorvane::UiLanguage::kTraditionalChinese},
                    {"English", 1033, zorvane::UiLanguage::kEnglish}};
  // Each host's class, in each language.
  for (const zorvane::standin::HostDescription& host : zorvane::standin::kHosts) {
    ComPtr<IClassFactory> factory;
    if (FAILED(getClassObject(host.classId, IID_IClassFactory, &factory))) {
      std::fprintf(stderr, "callback_bench: cannot get the class factory of %ls\n", std::wstring(host.progId()).c_str());
      return 1;
    }
    for (const auto& language : kLanguages) {
      ComPtr<IDispatch> addin;
      if (FAILED(factory->CreateInstance(nullptr, IID_IDispatch, &addin))) {
        std::fprintf(stderr, "callback_bench: cannot create the add-in object\n");
        return 1;
      }
      zorvane::standin::StandInApplication application(host);
      application.AnswerLanguage(language.lcid);
      ComPtr<_IDTExtensibility2> connection;
      SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
      if (FAILED(addin.As(&connection)) ||
          FAILED(connection->OnConnection(&application, ext_cm_Startup, nullptr, &custom))) {
        std::fprintf(stderr, "callback_bench: cannot connect the add-in object\n");
        return 1;
      }
      SafeArrayDestroy(custom);
      std::printf("\n-- %ls, %s (host language %ld)\n", std::wstring(host.displayName()).c_str(), language.name,
                  static_cast<long>(language.lcid));
      if (!MeasureCallbacks(addin.Get(), host, language.language, rounds, invokeFloor)) return 1;
      connection->OnDisconnection(ext_dm_HostShutdown, nullptr);
    }
  }
  std::printf("\nFloors: text calls = SysAllocStringLen+SysFreeString of the same length (+ the no-op Invoke and\n"
              "the control's own Id/Tag string where the call goes through dispatch). Goal: ratio within 1.2 in every language.\n");
  CoUninitialize();
  return 0;
}
