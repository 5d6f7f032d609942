// Each host's display switches, as one row per host: the combined menu's switch, then the
// built-in tabs the user may hide, left to right as the newest Office shows them, each with
// the first version that has it; and the keys that hold them. The ribbon, the dialogs and the
// check derive their tables from these rows. Constants only.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "common/office_host.h"
#include "common/office_version.h"

namespace zorvane::settings {

// What the customization dialog calls a tab: one name may stand for tabs of several hosts
// (PowerPoint's TabDesign and Word's TabWordDesign are both "Design").
enum class TabKind : unsigned char {
  kHome,
  kInsert,
  kDraw,
  kDesign,
  kTransitions,
  kAnimations,
  kSlideShow,
  kRecording,
  kPageLayout,
  kReferences,
  kMailings,
  kFormulas,
  kData,
  kReview,
  kView,
  kDeveloper,
  kHelp,
  kSendReceive,
  kFolder,
  kMessage,
  kOptions,
  kFormatText,
};
inline constexpr std::size_t kTabKindCount = 22;

// The windows of a host that have a ribbon of their own. Word, Excel and PowerPoint have one,
// the main window's; Outlook also gives each kind of message window its own.
enum class RibbonWindow : unsigned char { kMain, kCompose, kRead };
inline constexpr std::size_t kRibbonWindowCount = 3;

// A set of those windows, one bit each.
using WindowSet = unsigned char;
constexpr WindowSet WindowBit(RibbonWindow window) noexcept {
  return static_cast<WindowSet>(1u << static_cast<unsigned>(window));
}
inline constexpr WindowSet kMainWindow = WindowBit(RibbonWindow::kMain);
inline constexpr WindowSet kMessageWindows = WindowBit(RibbonWindow::kCompose) | WindowBit(RibbonWindow::kRead);
inline constexpr WindowSet kEveryWindow = kMainWindow | kMessageWindows;

// A built-in tab that a switch shows or hides, where and from which version the host has it.
struct GovernedTab {
  std::u16string_view idMso;
  OfficeVersion since;
  WindowSet windows;
};

// The tabs one switch governs: its own tab, or the tabs it is the concept of.
class GovernedTabs {
 public:
  constexpr GovernedTabs(GovernedTab own, std::span<const GovernedTab> tabs) noexcept : own_(own), tabs_(tabs) {}
  constexpr const GovernedTab* begin() const noexcept { return tabs_.empty() ? &own_ : tabs_.data(); }
  constexpr const GovernedTab* end() const noexcept { return tabs_.empty() ? &own_ + 1 : tabs_.data() + tabs_.size(); }

 private:
  GovernedTab own_;
  std::span<const GovernedTab> tabs_;
};

// A switch of a built-in tab the user may hide. Its name is its registry and policy value's.
// Mostly it governs the one tab of that idMso, in the windows given; a switch named for a
// concept (Outlook's Home tab is another tab in each module) governs the tabs listed instead.
struct SwitchableTab {
  std::u16string_view name;
  OfficeVersion since;  // the first version that has any tab of the switch
  TabKind kind;
  WindowSet windows = kEveryWindow;
  std::span<const GovernedTab> governs = {};

  constexpr GovernedTabs Governed() const noexcept { return GovernedTabs({name, since, windows}, governs); }
};

// The combined menu's switch, the first of every host's; the tabs' follow it.
inline constexpr std::size_t kShowAllMenu = 0;
inline constexpr char16_t kShowAllMenuName[] = u"ShowAllMenu";
// The Home tab's switch, the first tab switch of every host; in all but Outlook also the
// tab the add-in's own tab stands before.
inline constexpr char16_t kHomeTabName[] = u"TabHome";

// The tabs the add-in's own tab stands before in Outlook's windows: the mail module's Home tab
// (the main window keeps the tab before each module's Home tab) and the message windows' Message tabs.
inline constexpr char16_t kOutlookMailTabName[] = u"TabMail";
inline constexpr char16_t kNewMailMessageTabName[] = u"TabNewMailMessage";
inline constexpr char16_t kReadMessageTabName[] = u"TabReadMessage";

// The only two texts the add-in writes.
inline constexpr char16_t kTextOn[] = u"1";
inline constexpr char16_t kTextOff[] = u"0";

namespace detail {
using enum OfficeVersion;
using enum TabKind;

inline constexpr SwitchableTab kPowerPointTabs[] = {
    {kHomeTabName, k2007, kHome},           {u"TabInsert", k2007, kInsert},
    {u"TabDrawInk", k2019, kDraw},          {u"TabDesign", k2007, kDesign},
    {u"TabTransitions", k2010, kTransitions}, {u"TabAnimations", k2007, kAnimations},
    {u"TabSlideShow", k2007, kSlideShow},   {u"TabRecording", k2019, kRecording},
    {u"TabReview", k2007, kReview},         {u"TabView", k2007, kView},
    {u"TabDeveloper", k2007, kDeveloper},   {u"HelpTab", k2019, kHelp},
};
inline constexpr SwitchableTab kWordTabs[] = {
    {kHomeTabName, k2007, kHome},              {u"TabInsert", k2007, kInsert},
    {u"TabDrawInk", k2019, kDraw},             {u"TabWordDesign", k2013, kDesign},
    {u"TabPageLayoutWord", k2007, kPageLayout}, {u"TabReferences", k2007, kReferences},
    {u"TabMailings", k2007, kMailings},        {u"TabReviewWord", k2007, kReview},
    {u"TabView", k2007, kView},                {u"TabDeveloper", k2007, kDeveloper},
    {u"HelpTab", k2019, kHelp},
};
inline constexpr SwitchableTab kExcelTabs[] = {
    {kHomeTabName, k2007, kHome},               {u"TabInsert", k2007, kInsert},
    {u"TabDrawInk", k2019, kDraw},              {u"TabPageLayoutExcel", k2007, kPageLayout},
    {u"TabFormulas", k2007, kFormulas},         {u"TabData", k2007, kData},
    {u"TabReview", k2007, kReview},             {u"TabView", k2007, kView},
    {u"TabDeveloper", k2007, kDeveloper},       {u"HelpTab", k2019, kHelp},
};

// Outlook's main window has a ribbon from 2010 on, with a Home tab of each module's own.
inline constexpr GovernedTab kOutlookHomeTabs[] = {
    {kOutlookMailTabName, k2010, kMainWindow}, {u"TabCalendar", k2010, kMainWindow},
    {u"TabContacts", k2010, kMainWindow},    {u"TabTasks", k2010, kMainWindow},
    {u"TabNotes", k2010, kMainWindow},       {u"TabJournals", k2010, kMainWindow},
    {u"TabCalendarTableView", k2013, kMainWindow}, {u"TabHomeGroup", k2016, kMainWindow},
};
inline constexpr GovernedTab kOutlookMessageTabs[] = {
    {kNewMailMessageTabName, k2007, WindowBit(RibbonWindow::kCompose)},
    {kReadMessageTabName, k2007, WindowBit(RibbonWindow::kRead)},
};
inline constexpr SwitchableTab kOutlookTabs[] = {
    {kHomeTabName, k2010, kHome, kMainWindow, kOutlookHomeTabs},
    {u"TabSendReceive", k2010, kSendReceive, kMainWindow},
    {u"TabFolder", k2010, kFolder, kMainWindow},
    {u"TabView", k2010, kView, kMainWindow},
    {u"TabMessage", k2007, kMessage, kMessageWindows, kOutlookMessageTabs},
    {u"TabInsert", k2007, kInsert, kMessageWindows},
    {u"TabOptions", k2007, kOptions, kMessageWindows},
    {u"TabFormatText", k2007, kFormatText, kMessageWindows},
    {u"TabReviewWord", k2010, kReview, kMessageWindows},
    {u"TabDeveloper", k2007, kDeveloper},
    {u"HelpTab", k2019, kHelp},
};
}  // namespace detail

struct HostSwitches {
  OfficeHost host;
  std::u16string_view settingsKeyPath;  // under HKEY_CURRENT_USER; nothing else is stored there
  std::u16string_view policyKeyPath;    // under HKEY_LOCAL_MACHINE (wins) and HKEY_CURRENT_USER; read only
  std::span<const SwitchableTab> tabs;

  // Switch 0 is the combined menu's, switch k + 1 governs tabs[k].
  constexpr std::size_t Count() const noexcept { return tabs.size() + 1; }
  constexpr std::u16string_view Name(std::size_t index) const noexcept {
    return index == kShowAllMenu ? std::u16string_view(kShowAllMenuName) : tabs[index - 1].name;
  }
  // Whether Office `version` has what switch `index` governs.
  constexpr bool In(std::size_t index, OfficeVersion version) const noexcept {
    return index == kShowAllMenu || tabs[index - 1].since <= version;
  }
};

// In OfficeHost order.
inline constexpr std::array<HostSwitches, kOfficeHostCount> kHostSwitches{{
    {OfficeHost::PowerPoint, u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\PowerPoint",
     u"SOFTWARE\\Policies\\Quelby\\PowerPoint", detail::kPowerPointTabs},
    {OfficeHost::Word, u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Word", u"SOFTWARE\\Policies\\Quelby\\Word",
     detail::kWordTabs},
    {OfficeHost::Excel, u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Excel", u"SOFTWARE\\Policies\\Quelby\\Excel",
     detail::kExcelTabs},
    {OfficeHost::Outlook, u"SOFTWARE\\Microsoft\\Shared Tools\\Quelby\\Outlook",
     u"SOFTWARE\\Policies\\Quelby\\Outlook", detail::kOutlookTabs},
}};
static_assert(InOfficeHostOrder(kHostSwitches), "one row per host, in OfficeHost order");

constexpr const HostSwitches& SwitchesOf(OfficeHost host) noexcept { return kHostSwitches[HostIndex(host)]; }

// The most switches a host has: the size of every per-switch record.
inline constexpr std::size_t kMaxSwitchCount = [] {
  std::size_t most = 0;
  for (const HostSwitches& host : kHostSwitches) most = std::max(most, host.Count());
  return most;
}();

// The switches that one version of a host has, in order: indices into the host's switches.
class SwitchList {
 public:
  constexpr SwitchList(const HostSwitches& host, OfficeVersion version) noexcept {
    for (std::size_t index = 0; index < host.Count(); ++index) {
      if (host.In(index, version)) indices_[count_++] = index;
    }
  }
  constexpr std::size_t size() const noexcept { return count_; }
  constexpr std::size_t operator[](std::size_t position) const noexcept { return indices_[position]; }
  constexpr const std::size_t* begin() const noexcept { return indices_.data(); }
  constexpr const std::size_t* end() const noexcept { return indices_.data() + count_; }

 private:
  std::array<std::size_t, kMaxSwitchCount> indices_{};
  std::size_t count_ = 0;
};

constexpr SwitchList SwitchesIn(OfficeHost host, OfficeVersion version) noexcept {
  return SwitchList(SwitchesOf(host), version);
}

namespace detail {
// Home is every host's first tab switch; no host names a value twice, nor a switch's tab
// before the switch's own version or in no window.
constexpr bool WellFormed(const HostSwitches& host) {
  if (host.tabs.empty() || host.tabs[0].name != kHomeTabName) return false;
  for (std::size_t a = 0; a < host.Count(); ++a) {
    for (std::size_t b = a + 1; b < host.Count(); ++b) {
      if (host.Name(a) == host.Name(b)) return false;
    }
  }
  for (const SwitchableTab& tab : host.tabs) {
    for (const GovernedTab& governed : tab.Governed()) {
      if (governed.since < tab.since || governed.windows == 0 || (governed.windows & ~kEveryWindow) != 0) return false;
    }
  }
  return true;
}
static_assert(std::all_of(kHostSwitches.begin(), kHostSwitches.end(), WellFormed),
              "each host: Home first, every name once, every tab in a window from its switch's version on");
}  // namespace detail

}  // namespace zorvane::settings
