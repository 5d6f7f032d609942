// Word's Tools menu (tag "Tools"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus::word {
using namespace controls;

// Its own captions come from the language's table `T`.
template <class T>
inline constexpr auto kToolsMenu = MenuAnswer(
    Control(u"SpellingAndGrammar"),
    Control(u"ResearchPane"),
    LargeSubMenu(u"RXLanguage", T::kLanguage,
        Control(u"SetLanguage"),
        Control(u"Translate"),
        Control(u"Thesaurus"),
        Control(u"HyphenationManual"),
        Control(u"ChineseTranslationDialog")),
    Control(u"WordCount"),
    Control(u"AutoSummarize"),
    Separator(u"rxAuditMiscSeparator_ToolsI"),
    Control(u"FileCreateDocumentWorkspace"),
    Control(u"ReviewTrackChanges"),
    Control(u"CompareAndCombine"),
    Control(u"ProtectDocument"),
    Separator(u"rxAuditMiscSeparator_ToolsII"),
    LargeSubMenu(u"RXMailings", T::kLettersAndMailings,
        Control(u"MailMergeWizard"),
        Control(u"EnvelopeChineseDialog"),
        Control(u"EnvelopesAndLabelsDialog")),
    Separator(u"rxAuditMiscSeparator_ToolsIII"),
    LargeSubMenu(u"RXMacro", T::kMacros,
        Control(u"MacroPlay"),
        Control(u"MacroRecord"),
        Control(u"MacroSecurity"),
        Control(u"VisualBasic")),
    Control(u"DocumentTemplate"),
    Control(u"AutoCorrect"),
    Control(u"ApplicationOptionsDialog"));

}  // namespace zorvane::ribbon::menus::word
