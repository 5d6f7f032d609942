// The Help menu of Outlook's message windows (tag "Help"): items in the order the user sees
// them, ending with the add-in's own two commands. Both windows have the same one.
#pragma once

#include "ribbon/controls.h"
#include "ribbon/menus/help.h"

namespace zorvane::ribbon::menus::outlook::message {
using namespace controls;

template <class T>
inline constexpr auto kHelpMenu = MenuAnswer(
    Control(u"Help"),
    Control(u"OfficeOnTheWeb"),
    Separator(u"rxAuditMiscSeparator_MsgHelpI"),
    Control(u"ContactUs"),
    Control(u"CheckForUpdates"),
    Control(u"DetectAndRepair"),
    Control(u"ActivateProduct"),
    Control(u"PrivacyOptionsDialog"),
    Separator(u"rxAuditMiscSeparator_MsgHelpII"),
    Control(u"AboutMicrosoftOfficeOutlook"),
    Separator(u"rxAuditMiscSeparator_MsgHelpIII"),
    menus::kOwnCommands<T>);

template <class T>
inline constexpr const auto& kComposeHelpMenu = kHelpMenu<T>;
template <class T>
inline constexpr const auto& kReadHelpMenu = kHelpMenu<T>;

}  // namespace zorvane::ribbon::menus::outlook::message
