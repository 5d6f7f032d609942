#include "ribbon/ribbon_document.h"

#include "ribbon/controls.h"
#include "ribbon/document/menu_bar.h"
#include "ribbon/document/toolbars.h"
#include "ribbon/ribbon_names.h"
#include "settings/display_settings.h"

namespace zorvane::ribbon {
namespace {

using namespace controls;
namespace tab = settings::name;  // the tab switches bear the tabs' idMso

// Built while compiling; the callback only hands out a view of it.
constexpr auto kDocument = Element(u"customUI",
    Attributes(Attr(u"xmlns", kCustomUiNamespace), Attr(u"onLoad", callback::kOnLoad)),
    Element(u"ribbon",
        Element(u"tabs",
            SwitchableTab(tab::kTabHome),
            SwitchableTab(tab::kTabInsert),
            SwitchableTab(tab::kTabDesign),
            SwitchableTab(tab::kTabAnimations),
            SwitchableTab(tab::kTabSlideShow),
            SwitchableTab(tab::kTabReview),
            SwitchableTab(tab::kTabView),
            SwitchableTab(tab::kTabDeveloper),
            Element(u"tab",
                Attributes(Attr(u"id", u"rxWordVBA"), Attr(u"label", u"Quelby"),
                           Attr(u"insertBeforeMso", tab::kTabHome)),
                Element(u"group", Attributes(Attr(u"id", u"rxDemo"), Attr(u"label", u" ")),
                    document::kMenuBar,
                    document::kFirstToolbar,
                    document::kSecondToolbar)))));

}  // namespace

std::u16string_view RibbonDocument() noexcept { return kDocument.view(); }

}  // namespace zorvane::ribbon
