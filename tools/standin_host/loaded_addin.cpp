#include "loaded_addin.h"

#include <new>

#include "bstr_text.h"
#include "common/windows_handles.h"
#include "custom_array.h"
#include "custom_ui.h"
#include "hresult_text.h"
#include "office.h"
#include "host_objects.h"
#include "text.h"
#include "xml_parser.h"

using Microsoft::WRL::ComPtr;

namespace zorvane::standin {
namespace {

std::wstring ClsidText(const CLSID& clsid) {
  wchar_t text[40] = {};
  StringFromGUID2(clsid, text, 40);
  return text;
}

// The DLL that COM would load for `clsid`, for messages; empty when none is registered.
std::wstring InprocServerPath(const CLSID& clsid) {
  UniqueHkey key;
  const std::wstring path = L"CLSID\\" + ClsidText(clsid) + L"\\InprocServer32";
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return {};
  wchar_t value[MAX_PATH + 1] = {};
  DWORD size = sizeof(value) - sizeof(wchar_t);
  DWORD type = 0;
  if (RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return {};
  }
  return value;
}

std::wstring TypeName(VARTYPE type) {
  switch (type) {
    case VT_EMPTY: return L"VT_EMPTY";
    case VT_NULL: return L"VT_NULL";
    case VT_I2: return L"VT_I2";
    case VT_I4: return L"VT_I4";
    case VT_BSTR: return L"VT_BSTR";
    case VT_DISPATCH: return L"VT_DISPATCH";
    case VT_BOOL: return L"VT_BOOL";
    case VT_VARIANT: return L"VT_VARIANT";
    case VT_UNKNOWN: return L"VT_UNKNOWN";
    default: return L"VARTYPE " + std::to_wstring(type);
  }
}

}  // namespace

LoadedAddin::LoadedAddin(AddinEntry entry, const HostDescription& host, Report& report, ArgumentPassing passing,
                         const LanguageAnswer& language, std::optional<OfficeRelease> release)
    : entry_(std::move(entry)),
      host_(host),
      report_(report),
      passing_(passing),
      application_(StandInApplication::Create(host)) {
  if (language.kind == LanguageAnswer::kLcid) application_->AnswerLanguage(language.lcid);
  if (language.kind == LanguageAnswer::kFailure) application_->FailLanguage(E_FAIL);
  if (release) application_->AnswerVersion(*release);
  answersVersion_ = release.has_value();
}

LoadedAddin::~LoadedAddin() = default;

bool LoadedAddin::CreateObject() {
  CLSID clsid{};
  HRESULT hr = CLSIDFromProgID(entry_.progId.c_str(), &clsid);
  if (FAILED(hr)) {
    report_.Problem(ExitCode::kNotRegistered, entry_.progId + L": the ProgID is not registered with COM: "
                                                  L"CLSIDFromProgID returned " + HresultText(hr));
    return false;
  }
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                        reinterpret_cast<void**>(object_.GetAddressOf()));
  if (FAILED(hr)) {
    const std::wstring dll = InprocServerPath(clsid);
    if (hr == REGDB_E_CLASSNOTREG) {
      report_.Problem(ExitCode::kNotRegistered, entry_.progId + L": its class " + ClsidText(clsid) +
                                                    L" is not registered as an in-process server: CoCreateInstance returned " +
                                                    HresultText(hr));
    } else {
      report_.Problem(ExitCode::kCreateFailed, entry_.progId + L": could not create the add-in " + ClsidText(clsid) +
                                                   (dll.empty() ? L"" : L" from " + dll) +
                                                   L": CoCreateInstance returned " + HresultText(hr));
    }
    return false;
  }
  report_.Trace(entry_.progId + L": created " + ClsidText(clsid));
  hr = object_.As(&extensibility_);
  if (FAILED(hr)) {
    report_.Problem(ExitCode::kCreateFailed,
                    entry_.progId + L": the object is no COM add-in: it does not implement _IDTExtensibility2 (" +
                        HresultText(hr) + L")");
    object_.Reset();
    return false;
  }
  ComPtr<IDispatch> dispatch;
  if (SUCCEEDED(object_.As(&dispatch))) callbacks_.emplace(dispatch, entry_.progId, report_);
  return true;
}

bool LoadedAddin::Connect() {
  if (!CreateObject()) return false;
  ComPtr<StandInAddInInstance> instance = StandInAddInInstance::Create(entry_.progId, entry_.description);
  CustomArray custom;
  const HRESULT hr = extensibility_->OnConnection(application_.Get(), ext_cm_Startup, instance.Get(), custom.get());
  report_.Trace(entry_.progId + L": OnConnection(application, ext_cm_Startup, add-in instance, empty custom array) -> " +
                HresultText(hr) + L"; it holds " + std::to_wstring(application_->outstanding()) +
                L" reference(s) to the application");
  if (const StandInLanguageSettings* language = application_->languageSettings()) {
    report_.Trace(entry_.progId + L": it asked LanguageSettings.LanguageID " +
                  std::to_wstring(language->languageIdReads()) + L" time(s) and holds " +
                  std::to_wstring(language->outstanding()) + L" reference(s) to LanguageSettings");
    if (language->outstanding() != 0) {
      report_.Warning(entry_.progId + L": keeps " + std::to_wstring(language->outstanding()) +
                      L" reference(s) to the application's LanguageSettings after OnConnection");
    }
  }
  if (answersVersion_) {
    report_.Trace(entry_.progId + L": it read Version " + std::to_wstring(application_->versionReads()) +
                  L" time(s) and Build " + std::to_wstring(application_->buildReads()) + L" time(s)");
  }
  if (FAILED(hr)) {
    report_.Problem(ExitCode::kConnectFailed,
                    entry_.progId + L": OnConnection failed with " + HresultText(hr) +
                        L"; " + std::wstring(host_.displayName()) +
                        L" would now set its LoadBehavior to 2 (the stand-in leaves the registry alone)");
    callbacks_.reset();
    extensibility_.Reset();
    object_.Reset();
    return false;
  }
  connected_ = true;
  CustomArray startup;
  const HRESULT complete = extensibility_->OnStartupComplete(startup.get());
  report_.Trace(entry_.progId + L": OnStartupComplete -> " + HresultText(complete));
  if (FAILED(complete)) report_.Warning(entry_.progId + L": OnStartupComplete failed with " + HresultText(complete));
  return true;
}

void LoadedAddin::LoadRibbon(const HostRibbon& ribbon) {
  ComPtr<IRibbonExtensibility> extensibility;
  if (FAILED(object_.As(&extensibility))) {
    report_.Trace(entry_.progId + L": no IRibbonExtensibility, so no ribbon markup");
    return;
  }
  auto loaded = std::make_unique<LoadedRibbon>();
  loaded->ribbon = &ribbon;
  shown_ = ribbons_.emplace_back(std::move(loaded)).get();
  LoadedRibbon& state = *shown_;

  UniqueBstr xml;
  const UniqueBstr ribbonId = NewBstr(ribbon.ribbonId);
  const HRESULT hr = extensibility->GetCustomUI(ribbonId.get(), xml.put());
  report_.Trace(entry_.progId + L": GetCustomUI(" + Quoted(ribbon.ribbonId) + L") -> " + HresultText(hr) + L", " +
                std::to_wstring(TextOf(xml.get()).size()) + L" characters");
  if (FAILED(hr)) {
    report_.Problem(ExitCode::kBadRibbon, entry_.progId + L": GetCustomUI(" + Quoted(ribbon.ribbonId) +
                                              L") failed with " + HresultText(hr));
    return;
  }
  state.documentXml = TextOf(xml.get());
  state.answeredEmpty = state.documentXml.empty();
  if (state.answeredEmpty) return;  // no markup for this ribbon

  XmlParseResult parsed = ParseXml(state.documentXml);
  if (!parsed.root) {
    report_.Problem(parsed.parserMissing ? ExitCode::kHostFailed : ExitCode::kBadRibbon,
                    entry_.progId + L": the ribbon document from GetCustomUI is unusable: " + parsed.error);
    return;
  }
  if (const std::wstring wrong = CheckRibbonDocument(*parsed.root); !wrong.empty()) {
    report_.Problem(ExitCode::kBadRibbon, entry_.progId + L": the ribbon document is no customUI document: " + wrong);
    return;
  }
  state.document = std::move(parsed.root);
  ResolveCallbacks(*state.document);

  if (const std::wstring* onLoad = state.document->Attribute(L"onLoad"); onLoad && callbacks_) {
    state.ui = StandInRibbon::Create();
    state.seenGeneration = state.ui->generation();
    UniqueVariant result;
    callbacks_->Call(*onLoad, L"onLoad", static_cast<IRibbonUI*>(state.ui.Get()), passing_, result);
  }
}

const LoadedAddin::LoadedRibbon* LoadedAddin::Find(const HostRibbon& ribbon) const noexcept {
  for (const auto& loaded : ribbons_) {
    if (loaded->ribbon == &ribbon) return loaded.get();
  }
  return nullptr;
}

void LoadedAddin::Show(const HostRibbon& ribbon) noexcept { shown_ = const_cast<LoadedRibbon*>(Find(ribbon)); }

const std::wstring& LoadedAddin::documentXml() const noexcept {
  static const std::wstring kNone;
  return shown_ != nullptr ? shown_->documentXml : kNone;
}

unsigned LoadedAddin::ribbonGeneration(const HostRibbon& ribbon) const noexcept {
  const LoadedRibbon* loaded = Find(ribbon);
  return loaded != nullptr && loaded->ui ? loaded->ui->generation() : 0;
}

void LoadedAddin::ResolveCallbacks(const XmlElement& root) {
  for (const CallbackUse& use : CallbackUses(root)) {
    if (!callbacks_) {
      report_.Problem(ExitCode::kUnknownCallback, entry_.progId + L": callback " + Quoted(use.name) + L" (" +
                                                      use.attribute + L") cannot be called: the add-in has no IDispatch");
      return;
    }
    callbacks_->Resolve(use.name, use.attribute, use.control);
  }
}

void LoadedAddin::ForgetAnswersIfInvalidated(LoadedRibbon& ribbon) {
  if (!ribbon.ui || ribbon.ui->generation() == ribbon.seenGeneration) return;
  ribbon.seenGeneration = ribbon.ui->generation();
  ribbon.visibility.clear();
  for (auto& [element, menu] : ribbon.menus) ribbon.staleMenus.push_back(std::move(menu));
  ribbon.menus.clear();
}

bool LoadedAddin::IsVisible(const XmlElement& element) {
  if (const std::optional<bool> fixed = StaticVisibility(element)) return *fixed;
  if (shown_ == nullptr) return true;
  ForgetAnswersIfInvalidated(*shown_);
  if (const auto cached = shown_->visibility.find(&element); cached != shown_->visibility.end()) return cached->second;

  bool visible = true;  // what the host shows when the add-in does not answer
  const std::wstring callback = element.AttributeOr(L"getVisible");
  const std::wstring id = ControlId(element);
  UniqueVariant result;
  if (callbacks_) {
    ComPtr<IRibbonControl> control = StandInControl::Create(id, element.AttributeOr(L"tag"));
    const std::wstring what = L"getVisible for " + id;
    if (callbacks_->Call(callback, what, control.Get(), passing_, result)) {
      if (result.type() == VT_BOOL) {
        visible = V_BOOL(&result.value()) != VARIANT_FALSE;
      } else {
        report_.Problem(ExitCode::kCallbackFailed, entry_.progId + L": " + what + L": callback " + Quoted(callback) +
                                                       L" answered " + TypeName(result.type()) + L", not VT_BOOL");
      }
      report_.Trace(entry_.progId + L": " + what + L" -> " + (visible ? L"shown" : L"hidden"));
    }
  }
  shown_->visibility[&element] = visible;
  return visible;
}

bool LoadedAddin::ReadContent(const XmlElement& element, const std::wstring& callback, OpenedMenu& menu) {
  const std::wstring id = ControlId(element);
  const std::wstring what = L"getContent for " + id + L" (tag " + Quoted(element.AttributeOr(L"tag")) + L")";
  if (!callbacks_) return false;
  ComPtr<IRibbonControl> control = StandInControl::Create(id, element.AttributeOr(L"tag"));
  UniqueVariant result;
  if (!callbacks_->Call(callback, what, control.Get(), passing_, result)) return false;
  if (result.type() != VT_BSTR) {
    report_.Problem(ExitCode::kCallbackFailed, entry_.progId + L": " + what + L": callback " + Quoted(callback) +
                                                   L" answered " + TypeName(result.type()) + L", not VT_BSTR");
    return false;
  }
  menu.content.xml = TextOf(V_BSTR(&result.value()));
  report_.Trace(entry_.progId + L": " + what + L" -> " + std::to_wstring(menu.content.xml.size()) + L" characters");
  if (menu.content.xml.empty()) return true;  // an empty menu

  XmlParseResult parsed = ParseXml(menu.content.xml);
  if (!parsed.root) {
    report_.Problem(parsed.parserMissing ? ExitCode::kHostFailed : ExitCode::kCallbackFailed,
                    entry_.progId + L": " + what + L": the answer is unusable: " + parsed.error);
    return false;
  }
  if (const std::wstring wrong = CheckMenuContent(*parsed.root); !wrong.empty()) {
    report_.Problem(ExitCode::kCallbackFailed, entry_.progId + L": " + what + L": the answer is no menu: " + wrong);
    return false;
  }
  menu.tree = std::move(parsed.root);
  menu.content.root = &*menu.tree;
  ResolveCallbacks(*menu.tree);
  return true;
}

const MenuContent& LoadedAddin::OpenMenu(const XmlElement& element) {
  // Only the elements of the shown document reach here: the views take them from it.
  static const MenuContent kNothing;
  if (shown_ == nullptr) return kNothing;
  ForgetAnswersIfInvalidated(*shown_);
  if (const auto opened = shown_->menus.find(&element); opened != shown_->menus.end()) return opened->second->content;
  auto menu = std::make_unique<OpenedMenu>();
  if (const std::wstring* callback = element.Attribute(L"getContent")) {
    menu->content.answered = ReadContent(element, *callback, *menu);
  } else {
    menu->content.answered = true;  // a dynamic menu without content callback stays empty
  }
  return shown_->menus.emplace(&element, std::move(menu)).first->second->content;
}

HRESULT LoadedAddin::Click(const XmlElement& button) {
  const std::wstring callback = button.AttributeOr(L"onAction");
  const std::wstring id = ControlId(button);
  if (!callbacks_ || !callbacks_->Resolve(callback, L"onAction", id)) return DISP_E_UNKNOWNNAME;
  ComPtr<IRibbonControl> control = StandInControl::Create(id, button.AttributeOr(L"tag"));
  UniqueVariant result;
  return callbacks_->CallForStatus(callback, L"onAction of " + id, control.Get(), ArgumentPassing::kByReference,
                                   result);
}

void LoadedAddin::BeginShutdown() {
  if (!connected_) return;
  CustomArray custom;
  const HRESULT hr = extensibility_->OnBeginShutdown(custom.get());
  report_.Trace(entry_.progId + L": OnBeginShutdown -> " + HresultText(hr));
  if (FAILED(hr)) report_.Warning(entry_.progId + L": OnBeginShutdown failed with " + HresultText(hr));
}

void LoadedAddin::Disconnect() {
  if (!connected_) return;
  connected_ = false;
  CustomArray custom;
  const HRESULT hr = extensibility_->OnDisconnection(ext_dm_HostShutdown, custom.get());
  report_.Trace(entry_.progId + L": OnDisconnection(ext_dm_HostShutdown) -> " + HresultText(hr));
  if (FAILED(hr)) report_.Warning(entry_.progId + L": OnDisconnection failed with " + HresultText(hr));
  const long heldWhileConnected = application_->outstanding();
  callbacks_.reset();
  extensibility_.Reset();
  object_.Reset();
  const long heldAfterRelease = application_->outstanding();
  report_.Trace(entry_.progId + L": released; references to the application: " + std::to_wstring(heldWhileConnected) +
                L" while connected, " + std::to_wstring(heldAfterRelease) + L" after release");
  if (heldAfterRelease != 0) {
    report_.Warning(entry_.progId + L": still holds " + std::to_wstring(heldAfterRelease) +
                    L" reference(s) to the application object after the host released it");
  }
}

}  // namespace zorvane::standin
