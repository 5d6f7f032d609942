#include "host.h"

#include <ole2.h>

#include <string>

#include "addin_list.h"
#include "control_text.h"
#include "custom_ui.h"
#include "dialog_answerer.h"
#include "hresult_text.h"
#include "main_window.h"
#include "menu_view.h"
#include "ribbon_tabs.h"
#include "tab_view.h"
#include "text.h"

namespace zorvane::standin {
namespace {

// OLE on this thread, as PowerPoint's user-interface thread: a single-threaded apartment.
class OleSession {
 public:
  OleSession() noexcept : status_(OleInitialize(nullptr)) {}
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  ~OleSession() {
    if (SUCCEEDED(status_)) OleUninitialize();
  }
  HRESULT status() const noexcept { return status_; }

 private:
  HRESULT status_;
};

bool SameProgId(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

std::wstring EntryLine(const AddinEntry& entry) {
  std::wstring line = L"  " + entry.progId;
  if (!entry.friendlyName.empty()) line += L" " + Quoted(entry.friendlyName);
  if (!entry.description.empty()) line += L" (" + entry.description + L")";
  if (entry.forAllUsers) line += L" [HKLM]";
  line += L": LoadBehavior ";
  line += entry.loadBehavior ? std::to_wstring(*entry.loadBehavior) : std::wstring(L"missing");
  return line;
}

// A button with an action, in the menus that the user can open or in the markup itself.
struct FoundButton {
  LoadedAddin* addin = nullptr;
  const XmlElement* element = nullptr;
};

}  // namespace

Host::~Host() { Shutdown(); }

std::vector<AddinUi*> Host::Uis() const {
  std::vector<AddinUi*> uis;
  for (const auto& addin : addins_) uis.push_back(addin.get());
  return uis;
}

void Host::ShowAll(const HostRibbon& ribbon) {
  for (const auto& addin : addins_) addin->Show(ribbon);
}

std::vector<const HostRibbon*> Host::LoadedRibbons() const {
  std::vector<const HostRibbon*> loaded;
  for (const HostRibbon& ribbon : options_.host->ribbons) {
    if (&ribbon == options_.ribbon || (ribbon.inMainWindow() && ribbon.in(Release()))) loaded.push_back(&ribbon);
  }
  return loaded;
}

void Host::Run() {
  LoadAddins();
  if (addins_.empty()) return;
  if (!OpenItemWindow()) return;
  if (options_.dumpXml) {
    for (const auto& addin : addins_) {
      if (!addin->documentXml().empty()) report_.Line(addin->documentXml());
    }
  } else {
    ShowRibbon();
  }
  if (!options_.click.empty()) Click();
  Shutdown();
}

void Host::LoadAddins() {
  const HostDescription& host = *options_.host;
  const AddinList list = ReadAddinList(host.addinsKeyPath());
  const std::wstring keyName = L"HKCU\\" + std::wstring(host.addinsKeyPath());
  const std::wstring machineKeyName = L"HKLM\\" + std::wstring(host.addinsKeyPath());
  if (!list.keyFound) {
    report_.Problem(ExitCode::kNoAddins,
                    L"no add-ins: the key " + keyName + L" does not exist, nor does " + machineKeyName);
    return;
  }
  if (list.entries.empty()) {
    report_.Problem(ExitCode::kNoAddins,
                    L"no add-ins: the key " + keyName + L" has no add-in subkeys, nor has " + machineKeyName);
    return;
  }
  // --dump-xml prints the documents alone, so that they can be saved as they are.
  auto listLine = [&](const std::wstring& line) {
    if (!options_.dumpXml) report_.Line(line);
  };
  std::wstring played(host.windowCaption);
  if (const std::optional<OfficeRelease>& release = options_.officeVersion) {
    played += L", Version " + host.versionText(*release);
    if (release->build != 0 && host.answersBuild()) played += L" Build " + std::to_wstring(release->build);
  }
  listLine(played + L": add-ins of " + keyName + L" and " + machineKeyName);
  bool listed = false;
  for (const AddinEntry& entry : list.entries) {
    if (!options_.progId.empty() && !SameProgId(entry.progId, options_.progId)) continue;
    listed = true;
    if (entry.loadBehavior != kLoadAtStartup) {
      listLine(EntryLine(entry) + L", not loaded (only LoadBehavior 3 is loaded at start-up)");
      continue;
    }
    auto addin = std::make_unique<LoadedAddin>(
        entry, host, report_,
        options_.controlByReference ? ArgumentPassing::kByReference : ArgumentPassing::kByValue, options_.language,
        options_.officeVersion);
    const bool connected = addin->Connect();
    // The main window's ribbon loads at start-up, where the release gives it one.
    if (connected && host.mainRibbon().in(Release())) addin->LoadRibbon(host.mainRibbon());
    listLine(EntryLine(entry) + (connected ? L", connected" : L", failed to load"));
    if (connected) addins_.push_back(std::move(addin));
  }
  if (!listed) {
    report_.Problem(ExitCode::kNoAddins,
                    L"--progid " + options_.progId + L": no such add-in under " + keyName + L" or " + machineKeyName);
  } else if (addins_.empty() && report_.code() == ExitCode::kSuccess) {
    report_.Problem(ExitCode::kNoAddins, L"no add-in was loaded: none has LoadBehavior 3");
  }
}

bool Host::OpenItemWindow() {
  const HostRibbon& ribbon = *options_.ribbon;
  if (ribbon.inMainWindow()) return true;
  if (!itemWindow_.Create(GetModuleHandleW(nullptr), ribbon)) {
    report_.Problem(ExitCode::kHostFailed, L"could not create the window " + Quoted(ribbon.windowCaption) +
                                               L": error " + std::to_wstring(GetLastError()));
    return false;
  }
  report_.Trace(Quoted(ribbon.windowCaption) + (itemWindow_.IsForeground() ? L" is" : L" is not") +
                L" the foreground window");
  for (const auto& addin : addins_) addin->LoadRibbon(ribbon);
  return true;
}

void Host::PrintTabs(const HostRibbon& ribbon) {
  ShowAll(ribbon);
  const std::vector<AddinUi*> uis = Uis();
  const std::vector<TabSlot> tabs = ArrangeTabs(uis, ribbon.tabsOf(Release()));
  report_.Line();
  report_.Line(L"Window " + Quoted(ribbon.inMainWindow() ? options_.host->windowCaption : ribbon.windowCaption) +
               L", ribbon " + std::wstring(ribbon.ribbonId) + L":");
  for (const auto& addin : addins_) {
    if (addin->answeredNoDocument()) {
      report_.Line(L"  " + addin->progId() + L" answered GetCustomUI with the empty text: nothing of its own here");
    }
  }
  PrintTabStrip(report_, tabs);
  for (const TabSlot& tab : tabs) {
    if (tab.owner.addin == nullptr || !VisibilityOf(tab).visible) continue;
    report_.Line();
    PrintAddinTab(report_, tab);
  }
}

void Host::ShowRibbon() {
  PrintTabs(*options_.ribbon);
  const std::vector<AddinUi*> uis = Uis();
  const std::vector<TabSlot> tabs = ArrangeTabs(uis, options_.ribbon->tabsOf(Release()));
  const std::vector<MenuPlace> menus = ReachableMenus(tabs);
  if (menus.empty()) return;
  report_.Line();
  if (options_.allMenus) {
    for (const MenuPlace& menu : menus) {
      PrintMenuItems(report_, menu);
      report_.Line();
    }
    return;
  }
  report_.Line(L"Dynamic menus, each opened as the host does (getContent):");
  PrintMenuSummary(report_, menus);
  for (const std::wstring& name : options_.menuNames) {
    bool matched = false;
    for (const MenuPlace& menu : menus) {
      if (!MenuMatches(menu, name)) continue;
      matched = true;
      report_.Line();
      PrintMenuItems(report_, menu);
    }
    if (!matched) report_.Problem(ExitCode::kUsage, L"--menu " + name + L": no dynamic menu has this label, id or tag");
  }
  if (options_.menuNames.empty()) report_.Line(L"(--menus prints the items of every menu, --menu NAME those of one)");
}

void Host::Click() {
  const std::wstring& id = options_.click;
  FoundButton found;
  // The add-in's own commands live in its menus' content, so the menus are opened first.
  const std::vector<AddinUi*> uis = Uis();
  const std::vector<TabSlot> tabs = ArrangeTabs(uis, options_.ribbon->tabsOf(Release()));
  for (const MenuPlace& menu : ReachableMenus(tabs)) {
    const MenuContent& content = menu.addin->OpenMenu(*menu.element);
    if (content.root == nullptr) continue;
    if (const XmlElement* element = FindById(*content.root, id)) {
      found = {static_cast<LoadedAddin*>(menu.addin), element};
      break;
    }
  }
  for (const auto& addin : addins_) {
    if (found.element != nullptr) break;
    if (addin->document() == nullptr) continue;
    if (const XmlElement* element = FindById(*addin->document(), id)) found = {addin.get(), element};
  }
  if (found.element == nullptr) {
    report_.Problem(ExitCode::kNoSuchButton, L"--click " + id + L": no control with this id in the ribbon or its menus");
    return;
  }
  const std::wstring* action = found.element->Attribute(L"onAction");
  if (action == nullptr) {
    report_.Problem(ExitCode::kNoSuchButton, L"--click " + id + L": " + Describe(*found.element) + L" has no onAction");
    return;
  }

  report_.Line();
  report_.Line(L"Click " + Describe(*found.element) + L" of " + found.addin->progId() + L": onAction " + Quoted(*action));
  const std::vector<const HostRibbon*> loaded = LoadedRibbons();
  std::vector<unsigned> generations;
  for (const HostRibbon* ribbon : loaded) generations.push_back(found.addin->ribbonGeneration(*ribbon));
  HRESULT hr = S_OK;
  {
    std::vector<HWND> hostWindows{mainWindow_};
    if (itemWindow_.handle() != nullptr) hostWindows.push_back(itemWindow_.handle());
    DialogAnswerer answerer(options_.dialogAnswer, options_.dialogButton, options_.dialogDelayMs,
                            std::move(hostWindows));
    hr = found.addin->Click(*found.element);
    for (const std::wstring& event : answerer.events()) report_.Line(L"  " + event);
  }
  PumpWaitingMessages();
  report_.Line(L"  " + *action + L" returned " + HresultText(hr));
  // Each ribbon invalidated is asked again; where several are loaded, each says which it is.
  for (std::size_t i = 0; i < loaded.size(); ++i) {
    const HostRibbon& ribbon = *loaded[i];
    if (found.addin->ribbonGeneration(ribbon) == generations[i]) continue;
    const std::wstring which = loaded.size() == 1 ? L"" : L" " + std::wstring(ribbon.ribbonId);
    report_.Line(L"  the add-in invalidated the ribbon" + which + L"; the host asks its callbacks again:");
    PrintTabs(ribbon);
  }
  ShowAll(*options_.ribbon);
}

void Host::Shutdown() {
  for (const auto& addin : addins_) addin->BeginShutdown();
  for (const auto& addin : addins_) addin->Disconnect();
  addins_.clear();
}

ExitCode RunHost(const Options& options, Report& report) {
  OleSession ole;
  if (FAILED(ole.status())) {
    report.Problem(ExitCode::kHostFailed, L"OleInitialize failed with " + HresultText(ole.status()));
    return report.code();
  }
  MainWindow window;
  if (!window.Create(GetModuleHandleW(nullptr), *options.host)) {
    report.Problem(ExitCode::kHostFailed, L"could not create the main window: error " + std::to_wstring(GetLastError()));
    return report.code();
  }
  report.Trace(Quoted(options.host->windowCaption) + (window.IsForeground() ? L" is" : L" is not") +
               L" the foreground window");
  {
    Host host(options, report, window.handle());
    host.Run();
  }
  return report.code();
}

}  // namespace zorvane::standin
