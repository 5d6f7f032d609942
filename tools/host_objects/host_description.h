// What sets the three Office hosts apart, as the stand-in host plays them and the tests
// expect them: one row per host. Code takes a host's row and never asks which host it is.
#pragma once

#include <windows.h>

#include <compare>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "addin/addin_names.h"
#include "common/office_host.h"
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

// _Application.Version of a release: "12.0" ... "16.0".
inline std::wstring VersionText(OfficeRelease release) { return std::to_wstring(release.majorVersion) + L".0"; }

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

struct HostDescription {
  OfficeHost host;
  std::wstring_view name;             // as --host names it
  std::wstring_view applicationName;  // the application object's Name
  IID applicationIid;                 // the _Application its application object answers to
  BuildForm buildForm;                // how its application's Build answers
  std::wstring_view ribbonId;         // what the host passes to GetCustomUI
  CLSID classId;                      // of Zorvane's class for this host
  std::wstring_view windowClass;      // the stand-in's main window
  std::wstring_view windowCaption;
  std::span<const BuiltInTab> allTabs;  // the newest host's main tabs, left to right

  // The main tabs of `release`, left to right: those of allTabs that it already has.
  std::vector<BuiltInTab> tabsOf(OfficeRelease release) const {
    std::vector<BuiltInTab> tabs;
    for (const BuiltInTab& tab : allTabs) {
      if (tab.since <= release) tabs.push_back(tab);
    }
    return tabs;
  }

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

// Outlook's main window (from 2010 on), as the mail module shows it.
inline constexpr BuiltInTab kOutlookTabs[] = {
    {L"TabMail", L"Home", kOffice2010},         {L"TabSendReceive", L"Send / Receive", kOffice2010},
    {L"TabFolder", L"Folder", kOffice2010},     {L"TabView", L"View", kOffice2010},
    {L"TabDeveloper", L"Developer", kOffice2010}, {L"HelpTab", L"Help", kOffice2019},
};

// The CLSIDs name the classes for good: never change them.
inline constexpr HostDescription kHosts[] = {
    {OfficeHost::PowerPoint, L"powerpoint", L"Microsoft PowerPoint",
     {0x91493442, 0x5A91, 0x11CF, {0x87, 0x00, 0x00, 0xAA, 0x00, 0x60, 0x26, 0x3B}}, BuildForm::kDigits,
     L"Microsoft.PowerPoint.Presentation",
     {0xBAC75E0D, 0x0684, 0x4250, {0xB6, 0x4C, 0x5E, 0x74, 0xA3, 0x65, 0xF9, 0x70}},
     L"StandInPowerPointHost", L"PowerPoint (stand-in host)", kPowerPointTabs},
    {OfficeHost::Word, L"word", L"Microsoft Word",
     {0x00020970, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}}, BuildForm::kVersionText,
     L"Microsoft.Word.Document",
     {0x5E0B7C2A, 0x3F4D, 0x4E8B, {0x9A, 0x61, 0x2C, 0x7D, 0x18, 0xE4, 0xB3, 0xF5}},
     L"StandInWordHost", L"Word (stand-in host)", kWordTabs},
    {OfficeHost::Excel, L"excel", L"Microsoft Excel",
     {0x000208D5, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}}, BuildForm::kNumber,
     L"Microsoft.Excel.Workbook",
     {0x8A9F4D16, 0xB2C3, 0x4A57, {0x8E, 0x0D, 0x6F, 0x1B, 0x2C, 0x3D, 0x4E, 0x59}},
     L"StandInExcelHost", L"Excel (stand-in host)", kExcelTabs},
    {OfficeHost::Outlook, L"outlook", L"Outlook",
     {0x00063001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}}, BuildForm::kInVersion,
     L"Microsoft.Outlook.Explorer",
     {0xEEADC4F3, 0xED24, 0x4FE7, {0xB6, 0xF9, 0xA0, 0x7D, 0xAE, 0x71, 0x32, 0xA0}},
     L"StandInOutlookHost", L"Outlook (stand-in host)", kOutlookTabs},
};
static_assert(InOfficeHostOrder(std::span<const HostDescription>(kHosts)), "one row per host, in OfficeHost order");

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
