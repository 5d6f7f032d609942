#include "ribbon/ribbon_document.h"

#include "ribbon/controls.h"
#include "ribbon/document/menu_bar.h"
#include "ribbon/document/toolbars.h"
#include "ribbon/ribbon_names.h"
#include "ribbon/text/ribbon_text.h"
#include "settings/display_settings.h"

namespace zorvane::ribbon {
namespace {

using namespace controls;
namespace tab = settings::name;  // the tab switches bear the tabs' idMso

// Built while compiling, once per language; the callback only hands out a view of it.
template <class T>
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
                    document::kMenuBar<T>,
                    document::kFirstToolbar<T>,
                    document::kSecondToolbar)))));

constexpr auto kDocuments = text::PerLanguage([]<class T>() { return kDocument<T>.view(); });

}  // namespace

std::u16string_view RibbonDocument(UiLanguage language) noexcept { return kDocuments[text::IndexOf(language)]; }

}  // namespace zorvane::ribbon
