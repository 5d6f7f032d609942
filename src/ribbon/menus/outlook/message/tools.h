// The Tools menu of Outlook's message windows (tag "Tools"): items in the order the user sees
// them. Addresses are looked up while writing; rules are made from a received message.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::outlook::message {
using namespace controls;

// Proofing and finding, the same in both windows.
inline constexpr auto kToolsHead = Concat(
    Control(u"SpellingAndGrammar"),
    Control(u"Thesaurus"),
    Control(u"TranslateMenu"),
    Control(u"LanguageCommands"),
    Separator(u"rxAuditMiscSeparator_MsgToolsI"),
    Control(u"AdvancedFind"));

// Forms ▸, Macro ▸, Customize and Options, the same in both windows. Captions come from the
// language's table `T`.
template <class T>
inline constexpr auto kToolsTail = Concat(
    Separator(u"rxAuditMiscSeparator_MsgToolsII"),
    LargeSubMenu(u"RXMsgForms", T::kMsgForms,
        Control(u"DesignThisForm"),
        Control(u"DesignAFormOutlook"),
        Control(u"RunThisForm"),
        Control(u"FormRegionNew")),
    LargeSubMenu(u"RXMsgMacro", T::kMacros,
        Control(u"MacroPlay"),
        Control(u"MacroSecurity"),
        Control(u"VisualBasic"),
        Control(u"ScriptDebugger")),
    Separator(u"rxAuditMiscSeparator_MsgToolsIII"),
    Control(u"RibbonCustomization"),
    Control(u"ApplicationOptionsDialog"));

template <class T>
inline constexpr auto kComposeToolsMenu = MenuAnswer(
    kToolsHead,
    Control(u"AddressBook"),
    Control(u"CheckNames"),
    kToolsTail<T>);

template <class T>
inline constexpr auto kReadToolsMenu = MenuAnswer(
    kToolsHead,
    Control(u"CreateMailRule"),
    Control(u"RulesAndAlerts"),
    kToolsTail<T>);

}  // namespace zorvane::ribbon::menus::outlook::message
