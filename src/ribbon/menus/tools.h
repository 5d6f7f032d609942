// The Tools menu (tag "Tools"): items in the order the user sees them.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus {
using namespace controls;

// Its own captions come from the language\'s table `T`.
template <class T>
inline constexpr auto kToolsMenu = MenuAnswer(
    Control(u"Spelling"),
    Control(u"ResearchPane"),
    Control(u"Translate"),
    Control(u"Thesaurus"),
    Control(u"SetLanguage"),
    Separator(u"rxAuditMiscSeparator_ToolsI"),
    Control(u"FileCreateDocumentWorkspace"),
    Separator(u"rxAuditMiscSeparator_ToolsII"),
    LargeSubMenu(u"RXMacro", T::kMacros,
        Control(u"MacroPlay"),
        Control(u"MacroSecurity"),
        Control(u"VisualBasic")),
    SubMenu(u"RXActiveX", T::kControls,
        Control(u"ActiveXLabel"),
        Control(u"ActiveXTextBox"),
        Control(u"ActiveXSpinButton"),
        Control(u"ActiveXButton"),
        Control(u"ActiveXImage"),
        Control(u"ActiveXScrollBar"),
        Control(u"ActiveXSpinButton"),
        Control(u"ActiveXCheckBox"),
        Control(u"ActiveXRadioButton"),
        Control(u"ActiveXComboBox"),
        Control(u"ActiveXListBox"),
        Control(u"ActiveXToggleButton"),
        Control(u"MoreControlsDialog"),
        Control(u"ControlProperties"),
        Control(u"ViewVisualBasicCode")),
    Control(u"DocumentPanelTemplate"),
    Control(u"AddInManager"),
    Control(u"AutoCorrect"),
    Control(u"FileAddDigitalSignature"),
    Separator(u"rxAuditMiscSeparator_ToolsIII"),
    Control(u"ApplicationOptionsDialog"));

}  // namespace zorvane::ribbon::menus
