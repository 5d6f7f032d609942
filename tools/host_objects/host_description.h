// What sets the Office hosts apart, as the stand-in host plays them and the tests expect
// them: one row per host, its ribbons and their tabs with it. Code takes a host's row and never asks which host it is.
#pragma once

#include <windows.h>

#include <algorithm>
#include <compare>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "addin/addin_names.h"
#include "common/office_host.h"
#include "ribbon/ribbon_windows.h"
#include "settings/host_switches.h"

namespace zorvane::standin {

// An Office release as its application tells it: the major number of Version ("16.0") and
// Build, which alone tells Office 2016 from 2019, 2021, 2024 and Microsoft 365 (all 16.0).
// Ordered, so that the release a tab came with compares with the one running.
struct OfficeRelease {
  unsigned majorVersion = 12;
  unsigned long build = 0;  // 0 when the host tells none
  friend constexpr auto operator<=>(const OfficeRelease&, const OfficeRelease&) = default;
};
inline constexpr OfficeRelease kOffice2007{12}, kOffice2010{14}, kOffice2013{15}, kOffice2016{16};
// 2016's own builds stay below 5000; the later 16.0 products' builds are 10000 and above.
inline constexpr OfficeRelease kOffice2019{16, 10000};

// _Application.Version of a release in the form the hosts with a Build property give it: "12.0"
// ... "16.0".
inline std::wstring VersionText(OfficeRelease release) { return std::to_wstring(release.majorVersion) + L".0"; }

// The build each release first shipped with: a host whose Version carries its build tells
// this one when the run names no build.
inline constexpr OfficeRelease kFirstBuilds[] = {{12, 4518}, {14, 4760}, {15, 4420}, {16, 4266}};
inline unsigned long BuildOf(OfficeRelease release) noexcept {
  if (release.build != 0) return release.build;
  for (const OfficeRelease& first : kFirstBuilds) {
    if (first.majorVersion == release.majorVersion) return first.build;
  }
  return 0;
}

// How a host's _Application.Build answers: each host has its own form.
enum class BuildForm {
  kDigits,       // a text, the build alone: "17928" (PowerPoint)
  kVersionText,  // a text, version, build and revision: "16.0.17928.1000" (Word)
  kNumber,       // a number, VT_I4: 17928 (Excel)
  kInVersion,    // no Build: Version carries it, "16.0.0.17928" (Outlook)
};

struct BuiltInTab {
  std::wstring_view idMso;
  std::wstring_view caption;
  OfficeRelease since = kOffice2007;  // the first release that shows it
};

// One kind of window of the host with a ribbon of its own, and the ribbon id the host names
// it by. Word, Excel and PowerPoint have one, their main window's; Outlook has one for its main
// window and one for each kind of item window.
struct HostRibbon {
  std::wstring_view name;           // as --ribbon names it
  std::wstring_view ribbonId;       // what the host passes to GetCustomUI
  std::wstring_view windowClass;    // empty: the host's main window
  std::wstring_view windowCaption;  // likewise
  OfficeRelease since;              // the first release whose window has a ribbon
  std::span<const BuiltInTab> allTabs;  // the newest release's tabs, left to right

  constexpr bool inMainWindow() const noexcept { return windowClass.empty(); }
  constexpr bool in(OfficeRelease release) const noexcept { return since <= release; }
  // The tabs of `release`, left to right: those of allTabs that it already has; none before
  // the window has a ribbon.
  std::vector<BuiltInTab> tabsOf(OfficeRelease release) const {
    std::vector<BuiltInTab> tabs;
    for (const BuiltInTab& tab : allTabs) {
      if (in(release) && tab.since <= release) tabs.push_back(tab);
    }
    return tabs;
  }
};

struct HostDescription {
  OfficeHost host;
  std::wstring_view name;             // as --host names it
  std::wstring_view applicationName;  // the application object's Name
  IID applicationIid;                 // the _Application its application object answers to
  BuildForm buildForm;                // how its application's Build answers
  CLSID classId;                      // of Zorvane's class for this host
  std::wstring_view windowClass;      // the stand-in's main window
  std::wstring_view windowCaption;
  std::span<const HostRibbon> ribbons;  // the main window's first

  constexpr const HostRibbon& mainRibbon() const noexcept { return ribbons.front(); }
  // The main window's tabs of `release`, left to right.
  std::vector<BuiltInTab> tabsOf(OfficeRelease release) const { return mainRibbon().tabsOf(release); }
  // The ribbon that --ribbon `ribbonName` names; null for none.
  const HostRibbon* findRibbon(std::wstring_view ribbonName) const noexcept {
    for (const HostRibbon& ribbon : ribbons) {
      if (ribbon.name == ribbonName) return &ribbon;
    }
    return nullptr;
  }

  // _Application.Version of `release`, in the host's form; and whether it has a Build.
  std::wstring versionText(OfficeRelease release) const {
    if (buildForm != BuildForm::kInVersion) return VersionText(release);
    return VersionText(release) + L".0." + std::to_wstring(BuildOf(release));
  }
  constexpr bool answersBuild() const noexcept { return buildForm != BuildForm::kInVersion; }

  // The names the add-in and the check know the host by, from their one table.
  std::wstring_view displayName() const noexcept { return WideView(NamesOf(host).name); }
  std::wstring_view executable() const noexcept { return WideView(NamesOf(host).programFile); }
  std::wstring_view progId() const noexcept { return WideView(NamesOf(host).progId); }
  // Under HKCU or HKLM: one subkey per add-in's ProgID.
  std::wstring addinsKeyPath() const {
    return ZV_OFFICE_KEY L"\\" + std::wstring(displayName()) + ZV_ADDINS_SUBKEY;
  }
  // Zorvane's switches, under HKCU, and its policies.
  std::wstring_view settingsKeyPath() const noexcept { return WideView(settings::SwitchesOf(host).settingsKeyPath); }
  std::wstring_view policyKeyPath() const noexcept { return WideView(settings::SwitchesOf(host).policyKeyPath); }
};

// Each host's main tabs as its newest release shows them. Those without a release are 2007's
// eight, which the add-in's switches name.
inline constexpr BuiltInTab kPowerPointTabs[] = {
    {L"TabHome", L"Home"},           {L"TabInsert", L"Insert"},
    {L"TabDrawInk", L"Draw", kOffice2019},
    {L"TabDesign", L"Design"},       {L"TabTransitions", L"Transitions", kOffice2010},
    {L"TabAnimations", L"Animations"}, {L"TabSlideShow", L"Slide Show"},
    {L"TabRecording", L"Recording", kOffice2019},
    {L"TabReview", L"Review"},       {L"TabView", L"View"},          {L"TabDeveloper", L"Developer"},
    {L"HelpTab", L"Help", kOffice2019},
};
inline constexpr BuiltInTab kWordTabs[] = {
    {L"TabHome", L"Home"},           {L"TabInsert", L"Insert"},
    {L"TabDrawInk", L"Draw", kOffice2019},
    {L"TabWordDesign", L"Design", kOffice2013},
    {L"TabPageLayoutWord", L"Page Layout"}, {L"TabReferences", L"References"}, {L"TabMailings", L"Mailings"},
    {L"TabReviewWord", L"Review"},   {L"TabView", L"View"},          {L"TabDeveloper", L"Developer"},
    {L"HelpTab", L"Help", kOffice2019},
};
inline constexpr BuiltInTab kExcelTabs[] = {
    {L"TabHome", L"Home"},           {L"TabInsert", L"Insert"},
    {L"TabDrawInk", L"Draw", kOffice2019},
    {L"TabPageLayoutExcel", L"Page Layout"}, {L"TabFormulas", L"Formulas"}, {L"TabData", L"Data"},
    {L"TabReview", L"Review"},       {L"TabView", L"View"},          {L"TabDeveloper", L"Developer"},
    {L"HelpTab", L"Help", kOffice2019},
};

// Outlook's windows, each with a ribbon of its own. The main window (from 2010 on) as its mail
// module shows it; the item windows have had a ribbon since 2007.
inline constexpr BuiltInTab kOutlookExplorerTabs[] = {
    {L"TabMail", L"Home", kOffice2010},         {L"TabSendReceive", L"Send / Receive", kOffice2010},
    {L"TabFolder", L"Folder", kOffice2010},     {L"TabView", L"View", kOffice2010},
    {L"TabDeveloper", L"Developer", kOffice2010}, {L"HelpTab", L"Help", kOffice2019},
};
inline constexpr BuiltInTab kOutlookComposeTabs[] = {
    {L"TabNewMailMessage", L"Message"}, {L"TabInsert", L"Insert"},   {L"TabOptions", L"Options"},
    {L"TabFormatText", L"Format Text"}, {L"TabReviewWord", L"Review", kOffice2010},
    {L"TabDeveloper", L"Developer"},    {L"HelpTab", L"Help", kOffice2019},
};
// A received message: its own Message tab, and the composing tabs it offers for editing it.
inline constexpr BuiltInTab kOutlookReadTabs[] = {
    {L"TabReadMessage", L"Message"},    {L"TabInsert", L"Insert"},   {L"TabOptions", L"Options"},
    {L"TabFormatText", L"Format Text"}, {L"TabReviewWord", L"Review", kOffice2010},
    {L"TabDeveloper", L"Developer"},    {L"HelpTab", L"Help", kOffice2019},
};
// An item window that the add-in has no document for.
inline constexpr BuiltInTab kOutlookAppointmentTabs[] = {
    {L"TabAppointment", L"Appointment"}, {L"TabInsert", L"Insert"}, {L"TabFormatText", L"Format Text"},
    {L"TabReviewWord", L"Review", kOffice2010}, {L"TabDeveloper", L"Developer"}, {L"HelpTab", L"Help", kOffice2019},
};

// Each host's ribbons, the main window's first.
inline constexpr HostRibbon kPowerPointRibbons[] = {
    {L"main", L"Microsoft.PowerPoint.Presentation", {}, {}, kOffice2007, kPowerPointTabs}};
inline constexpr HostRibbon kWordRibbons[] = {{L"main", L"Microsoft.Word.Document", {}, {}, kOffice2007, kWordTabs}};
inline constexpr HostRibbon kExcelRibbons[] = {{L"main", L"Microsoft.Excel.Workbook", {}, {}, kOffice2007, kExcelTabs}};
inline constexpr HostRibbon kOutlookRibbons[] = {
    {L"explorer", L"Microsoft.Outlook.Explorer", {}, {}, kOffice2010, kOutlookExplorerTabs},
    {L"compose", L"Microsoft.Outlook.Mail.Compose", L"StandInOutlookItem", L"Untitled - Message (HTML) (stand-in host)",
     kOffice2007, kOutlookComposeTabs},
    {L"read", L"Microsoft.Outlook.Mail.Read", L"StandInOutlookItem", L"Welcome - Message (HTML) (stand-in host)",
     kOffice2007, kOutlookReadTabs},
    {L"appointment", L"Microsoft.Outlook.Appointment", L"StandInOutlookItem",
     L"Untitled - Appointment (stand-in host)", kOffice2007, kOutlookAppointmentTabs},
};

// The CLSIDs name the classes for good: never change them.
inline constexpr HostDescription kHosts[] = {
    {OfficeHost::PowerPoint, L"powerpoint", L"Microsoft PowerPoint",
     {0x91493442, 0x5A91, 0x11CF, {0x87, 0x00, 0x00, 0xAA, 0x00, 0x60, 0x26, 0x3B}}, BuildForm::kDigits,
     {0xBAC75E0D, 0x0684, 0x4250, {0xB6, 0x4C, 0x5E, 0x74, 0xA3, 0x65, 0xF9, 0x70}},
     L"StandInPowerPointHost", L"PowerPoint (stand-in host)", kPowerPointRibbons},
    {OfficeHost::Word, L"word", L"Microsoft Word",
     {0x00020970, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}}, BuildForm::kVersionText,
     {0x5E0B7C2A, 0x3F4D, 0x4E8B, {0x9A, 0x61, 0x2C, 0x7D, 0x18, 0xE4, 0xB3, 0xF5}},
     L"StandInWordHost", L"Word (stand-in host)", kWordRibbons},
    {OfficeHost::Excel, L"excel", L"Microsoft Excel",
     {0x000208D5, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}}, BuildForm::kNumber,
     {0x8A9F4D16, 0xB2C3, 0x4A57, {0x8E, 0x0D, 0x6F, 0x1B, 0x2C, 0x3D, 0x4E, 0x59}},
     L"StandInExcelHost", L"Excel (stand-in host)", kExcelRibbons},
    {OfficeHost::Outlook, L"outlook", L"Outlook",
     {0x00063001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}}, BuildForm::kInVersion,
     {0xEEADC4F3, 0xED24, 0x4FE7, {0xB6, 0xF9, 0xA0, 0x7D, 0xAE, 0x71, 0x32, 0xA0}},
     L"StandInOutlookHost", L"Outlook (stand-in host)", kOutlookRibbons},
};
static_assert(InOfficeHostOrder(std::span<const HostDescription>(kHosts)), "one row per host, in OfficeHost order");

// Every host's main window has the first ribbon and only that one; each ribbon has a name of its
// own, its window a class and caption, and none of its tabs comes before the ribbon does.
static_assert([] {
  for (const HostDescription& host : kHosts) {
    if (host.ribbons.empty() || !host.ribbons.front().inMainWindow()) return false;
    for (std::size_t i = 0; i < host.ribbons.size(); ++i) {
      const HostRibbon& ribbon = host.ribbons[i];
      if (i > 0 && (ribbon.inMainWindow() || ribbon.windowCaption.empty())) return false;
      if (ribbon.name.empty() || ribbon.ribbonId.empty() || ribbon.allTabs.empty()) return false;
      for (std::size_t j = 0; j < i; ++j) {
        if (host.ribbons[j].name == ribbon.name || host.ribbons[j].ribbonId == ribbon.ribbonId) return false;
      }
      for (const BuiltInTab& tab : ribbon.allTabs) {
        if (tab.since < ribbon.since) return false;
      }
    }
  }
  return true;
}(), "each host: its main window's ribbon first, every ribbon named once, no tab before its ribbon");

// Every ribbon id that the add-in gives a document for names a window the stand-in opens, in the
// same host: where the add-in names none (a host of one ribbon), any id will do.
static_assert([] {
  for (const ribbon::HostRibbon& document : ribbon::kHostRibbons) {
    bool found = document.ribbonId.empty();
    for (const HostRibbon& window : kHosts[HostIndex(document.host)].ribbons) {
      found = found || std::equal(window.ribbonId.begin(), window.ribbonId.end(), document.ribbonId.begin(),
                                  document.ribbonId.end());
    }
    if (!found) return false;
  }
  return true;
}(), "a window of the stand-in's for every ribbon the add-in has a document for");

// The host a run plays unless told otherwise.
inline constexpr const HostDescription& kDefaultHost = kHosts[0];

// The host that --host `name` names; null for none.
inline const HostDescription* FindHost(std::wstring_view name) noexcept {
  for (const HostDescription& host : kHosts) {
    if (host.name == name) return &host;
  }
  return nullptr;
}

// Software\Microsoft\Office\<host>\Addins\<ProgID> of Zorvane's class for the host.
inline std::wstring AddinKeyPath(const HostDescription& host) {
  return host.addinsKeyPath() + L"\\" + std::wstring(host.progId());
}

}  // namespace zorvane::standin
