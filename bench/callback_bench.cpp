// Measures what the host pays for the add-in's callbacks, each next to its floor measured in
// the same run: a SysAllocStringLen/SysFreeString of the same length for the texts, and an
// IDispatch::Invoke of a method that does nothing for the dispatch path. A host of several
// ribbons (Outlook) is measured on each: a document per ribbon id, the empty text for any
// other, a menu per window told by the menu's id. The connection itself, which reads the
// settings from the registry, is measured against the registry reads alone.
//   callback_bench.exe <path of Zorvane.dll> [rounds]
#include <windows.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host_objects.h"
#include "addin_designer.h"
#include "office.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_document.h"
#include "ribbon/ribbon_windows.h"
#include "settings/host_switches.h"
#include "settings/ui_language_choice.h"
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
double NanosecondsPerCall(Body&& body, int rounds, int batch = 2000) {
  std::vector<double> samples;
  for (int round = 0; round < rounds; ++round) {
    const double start = Now();
    for (int i = 0; i < batch; ++i) body();
    samples.push_back((Now() - start) * 1e9 / batch);
  }
  std::nth_element(samples.begin(), samples.begin() + rounds / 2, samples.end());
  return samples[rounds / 2];
}

// The same for two bodies timed in turn, batch by batch, so that a slow spell of the machine
// (the registry's server is another process) falls on both alike.
template <typename First, typename Second>
std::pair<double, double> NanosecondsPerCallInTurn(First&& first, Second&& second, int rounds, int batch) {
  std::vector<double> firstSamples, secondSamples;
  for (int round = 0; round < rounds; ++round) {
    double start = Now();
    for (int i = 0; i < batch; ++i) first();
    firstSamples.push_back((Now() - start) * 1e9 / batch);
    start = Now();
    for (int i = 0; i < batch; ++i) second();
    secondSamples.push_back((Now() - start) * 1e9 / batch);
  }
  for (auto* samples : {&firstSamples, &secondSamples}) {
    std::nth_element(samples->begin(), samples->begin() + rounds / 2, samples->end());
  }
  return {firstSamples[rounds / 2], secondSamples[rounds / 2]};
}

void FreeResult(VARIANT& result) { VariantClear(&result); }

void Report(const char* what, double measured, double floor) {
  std::printf("%-44s %9.1f ns   floor %9.1f ns   ratio %5.2f\n", what, measured, floor, measured / floor);
}

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// A ribbon id without its "Microsoft.<host>." part, for a label.
std::string ShortRibbonName(std::u16string_view id) {
  for (int dot = 0; dot < 2 && id.find(u'.') != std::u16string_view::npos; ++dot) id.remove_prefix(id.find(u'.') + 1);
  return std::string(id.begin(), id.end());
}

// What a host that tells its build only inside Version (Outlook) answers there; the other
// hosts' stand-ins answer no Version, as before this figure had one.
constexpr char16_t kVersionWithBuild[] = u"16.0.0.17928";
// A ribbon id of Outlook's that no document of ours answers: the empty text, as a null BSTR
// (its floor, an empty BSTR made and freed, is what answering it would cost otherwise).
constexpr wchar_t kUnknownRibbon[] = L"Microsoft.Outlook.Appointment";

zorvane::OfficeVersion VersionOf(const zorvane::standin::HostDescription& host) {
  if (host.buildForm != zorvane::standin::BuildForm::kInVersion) return zorvane::OfficeVersion::k2007;
  return zorvane::OfficeVersionFrom(kVersionWithBuild, zorvane::BuildInVersion(kVersionWithBuild));
}

void AnswerVersion(zorvane::standin::StandInApplication& application, const zorvane::standin::HostDescription& host) {
  if (host.buildForm == zorvane::standin::BuildForm::kInVersion) application.AnswerVersion(Wide(kVersionWithBuild), std::nullopt);
}

// The figures for an add-in object of `host`'s class connected in `language`: each ribbon's
// document, each window's largest menu, the visibility call.
bool MeasureCallbacks(IDispatch* addin, const zorvane::standin::HostDescription& host, zorvane::UiLanguage language,
                      int rounds, double invokeFloor) {
  const auto hostId = static_cast<zorvane::OfficeHost>(&host - zorvane::standin::kHosts);
  const zorvane::OfficeVersion version = VersionOf(host);
  const bool severalRibbons = zorvane::ribbon::RibbonCount(hostId) > 1;
  ComPtr<IRibbonExtensibility> extensibility;
  addin->QueryInterface(IID_IRibbonExtensibility, &extensibility);
  DISPPARAMS noArguments{nullptr, nullptr, 0, 0};

  auto allocFloor = [&](std::u16string_view text) {
    return NanosecondsPerCall(
        [&] {
          BSTR copy = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
          SysFreeString(copy);
        },
        rounds);
  };
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
  // The document asked for `ribbonId`, timed against a copy of `expected`; false when the
  // add-in does not answer `expected` (another language, another window's document).
  auto documentCost = [&](const std::wstring& ribbonId, std::u16string_view expected, const std::string& label) {
    BSTR id = SysAllocString(ribbonId.c_str());
    BSTR answer = nullptr;
    extensibility->GetCustomUI(id, &answer);
    const bool expectedAnswer =
        std::u16string_view(reinterpret_cast<const char16_t*>(answer), SysStringLen(answer)) == expected;
    SysFreeString(answer);
    if (expectedAnswer) {
      Report(label.c_str(), NanosecondsPerCall(
                                [&] {
                                  BSTR xml = nullptr;
                                  extensibility->GetCustomUI(id, &xml);
                                  SysFreeString(xml);
                                },
                                rounds),
             allocFloor(expected));
    } else {
      std::fprintf(stderr, "callback_bench: the add-in does not answer %ls with its document in this language\n",
                   ribbonId.c_str());
    }
    SysFreeString(id);
    return expectedAnswer;
  };

  for (const zorvane::ribbon::HostRibbon& row : zorvane::ribbon::kHostRibbons) {
    if (row.host != hostId) continue;
    const auto document = zorvane::ribbon::RibbonDocument(hostId, version, language, row.window);
    // The largest menu answer is the costliest content call.
    std::u16string_view largest;
    std::wstring largestTag;
    for (const std::u16string_view tag : zorvane::ribbon::MenuTags(hostId, row.window)) {
      const auto text = zorvane::ribbon::MenuContent(hostId, tag, language, row.window);
      if (text.size() > largest.size()) {
        largest = text;
        largestTag = Wide(tag);
      }
    }
    const std::string ribbonName = severalRibbons ? ShortRibbonName(row.ribbonId) + " " : std::string();
    std::printf("%sdocument %zu characters; largest menu \"%ls\" %zu characters\n", ribbonName.c_str(),
                document.size(), largestTag.c_str(), largest.size());
    const std::wstring ribbonId = row.ribbonId.empty() ? std::wstring(host.mainRibbon().ribbonId) : Wide(row.ribbonId);
    if (!documentCost(ribbonId, document, "GetCustomUI " + ribbonName + "(typed call)")) return false;
    if (row.window == zorvane::settings::RibbonWindow::kMain) {
      Report("GetRibbonXML through Invoke", invokeCost(L"GetRibbonXML", noArguments), allocFloor(document) + invokeFloor);
    }

    // The menu's id as the window's document names it: Outlook reads it to tell the window.
    zorvane::standin::StandInControl menuControl(Wide(row.menuIdPrefix) + largestTag + L"I", largestTag);
    VARIANT menuArgument = DispatchArgument(&menuControl);
    DISPPARAMS menuParams{&menuArgument, nullptr, 1, 0};
    zorvane::test::InvokeResult content;
    zorvane::test::InvokeByName(addin, L"rxQuelby_get", {menuArgument}, content);
    if (content.hr != S_OK || content.Text() != std::wstring(largest.begin(), largest.end())) {
      std::fprintf(stderr, "callback_bench: the add-in does not answer the menu \"%ls\" of %ls\n", largestTag.c_str(),
                   ribbonId.c_str());
      return false;
    }
    double menuFloor = allocFloor(largest) + invokeFloor + propertyFloor([&](BSTR* tag) { menuControl.get_Tag(tag); });
    if (severalRibbons) menuFloor += propertyFloor([&](BSTR* id) { menuControl.get_Id(id); });
    const std::string menuLabel = severalRibbons ? "rxQuelby_get, " + ShortRibbonName(row.ribbonId) + "'s largest menu"
                                                 : std::string("rxQuelby_get, largest menu, through Invoke");
    Report(menuLabel.c_str(), invokeCost(L"rxQuelby_get", menuParams), menuFloor);
  }
  if (severalRibbons && !documentCost(kUnknownRibbon, {}, "GetCustomUI Appointment (null: empty text)")) {
    return false;
  }

  zorvane::standin::StandInControl tabControl(L"TabDeveloper", L"");
  VARIANT tabArgument = DispatchArgument(&tabControl);
  DISPPARAMS tabParams{&tabArgument, nullptr, 1, 0};
  Report("GetVisible, last id of the table, via Invoke", invokeCost(L"GetVisible", tabParams),
         invokeFloor + propertyFloor([&](BSTR* id) { tabControl.get_Id(id); }));
  return true;
}

// Creating the host's class, connecting it (language, version and every switch read from the
// registry), disconnecting and releasing it, in microseconds; against the registry reads alone:
// the settings key opened once with each of its values read, and one attempt at each policy key.
bool MeasureConnection(IClassFactory* factory, const zorvane::standin::HostDescription& host, int rounds) {
  constexpr int kBatch = 20;  // a connection costs a thousand callbacks
  zorvane::standin::StandInApplication application(host);
  application.AnswerLanguage(1033);
  AnswerVersion(application, host);
  auto connectOnce = [&] {
    ComPtr<_IDTExtensibility2> connection;
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    const bool connected = SUCCEEDED(factory->CreateInstance(nullptr, IID__IDTExtensibility2, &connection)) &&
                           SUCCEEDED(connection->OnConnection(&application, ext_cm_Startup, nullptr, &custom)) &&
                           SUCCEEDED(connection->OnDisconnection(ext_dm_HostShutdown, &custom));
    SafeArrayDestroy(custom);
    return connected;
  };
  // The first connection writes each switch's default: the ones measured only read them.
  if (!connectOnce()) {
    std::fprintf(stderr, "callback_bench: cannot connect the add-in object\n");
    return false;
  }

  const zorvane::settings::HostSwitches& switches = zorvane::settings::SwitchesOf(host.host);
  std::vector<std::wstring> names{Wide(zorvane::settings::name::kLanguage)};
  for (const std::size_t i : zorvane::settings::SwitchesIn(host.host, VersionOf(host))) names.push_back(Wide(switches.Name(i)));
  const std::wstring settingsKey(host.settingsKeyPath()), policyKey(host.policyKeyPath());
  long valuesFound = 0;
  const auto [connection, floor] = NanosecondsPerCallInTurn(
      connectOnce,
      [&] {
        valuesFound = 0;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, settingsKey.c_str(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
          for (const std::wstring& name : names) {
            wchar_t text[16];
            DWORD size = sizeof text;
            if (RegQueryValueExW(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) ==
                ERROR_SUCCESS) {
              ++valuesFound;
            }
          }
          RegCloseKey(key);
        }
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
          if (RegOpenKeyExW(root, policyKey.c_str(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) RegCloseKey(key);
        }
      },
      rounds, kBatch);
  std::printf("%-44s %9.1f us   floor %9.1f us   ratio %5.2f   (%zu values, %ld found; %.3f%% of 1000 ms)\n",
              "connection: create, connect, disconnect", connection / 1000, floor / 1000, connection / floor,
              names.size(), valuesFound, connection / 1e9 * 100);  // of Outlook's start-up limit, 1 s
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
  // Each host's class: its connection, then its callbacks in each language.
  for (const zorvane::standin::HostDescription& host : zorvane::standin::kHosts) {
    ComPtr<IClassFactory> factory;
    if (FAILED(getClassObject(host.classId, IID_IClassFactory, &factory))) {
      std::fprintf(stderr, "callback_bench: cannot get the class factory of %ls\n", std::wstring(host.progId()).c_str());
      return 1;
    }
    std::printf("\n-- %ls\n", std::wstring(host.displayName()).c_str());
    if (!MeasureConnection(factory.Get(), host, rounds)) return 1;
    for (const auto& language : kLanguages) {
      ComPtr<IDispatch> addin;
      if (FAILED(factory->CreateInstance(nullptr, IID_IDispatch, &addin))) {
        std::fprintf(stderr, "callback_bench: cannot create the add-in object\n");
        return 1;
      }
      zorvane::standin::StandInApplication application(host);
      application.AnswerLanguage(language.lcid);
      AnswerVersion(application, host);
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
              "the control's own Id/Tag string where the call goes through dispatch; both where Outlook's menu id tells\n"
              "the window). Connection = the registry reads alone, one open per key. Goal: ratio within 1.2 in every\n"
              "language; Outlook disables an add-in past 1000 ms at start-up or 500 ms opening an item.\n");
  CoUninitialize();
  return 0;
}
