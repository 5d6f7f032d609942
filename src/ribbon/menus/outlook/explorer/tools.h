// The Tools menu of Outlook's main window (tag "Tools"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::explorer {
using namespace controls;

// Its own captions come from the language's table `T`.
template <class T>
inline constexpr auto kToolsMenu = MenuAnswer(
    LargeSubMenu(u"RXOlSendReceive", T::kOlSendReceive,
        Control(u"SendReceiveAll"),
        Control(u"SendAll"),
        Control(u"DefineSendReceiveGroups"),
        Control(u"DownloadAddressBook")),
    LargeSubMenu(u"RXOlFind", T::kOlFind,
        Control(u"InstantSearch"),
        Control(u"AdvancedFind")),
    Control(u"AddressBook"),
    Separator(u"rxAuditMiscSeparator_OlToolsI"),
    Control(u"RulesAndAlerts"),
    Control(u"MailboxCleanup"),
    Control(u"EmptyTrash"),
    Control(u"RecoverDeletedItems"),
    Separator(u"rxAuditMiscSeparator_OlToolsII"),
    LargeSubMenu(u"RXOlForms", T::kOlForms,
        Control(u"ChooseForm"),
        Control(u"DesignAFormOutlook")),
    LargeSubMenu(u"RXOlMacro", T::kMacros,
        Control(u"MacroPlay"),
        Control(u"MacroSecurity"),
        Control(u"VisualBasic")),
    Separator(u"rxAuditMiscSeparator_OlToolsIII"),
    Control(u"AccountSettings"),
    Control(u"ApplicationOptionsDialog"));

}  // namespace zorvane::ribbon::menus::outlook::explorer
