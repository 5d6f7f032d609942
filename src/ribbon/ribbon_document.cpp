#include "ribbon/ribbon_document.h"

#include <array>

#include "ribbon/controls.h"
#include "ribbon/document/excel_toolbars.h"
#include "ribbon/document/menu_bar.h"
#include "ribbon/document/powerpoint_toolbars.h"
#include "ribbon/document/word_toolbars.h"
#include "ribbon/localized_text.h"
#include "ribbon/ribbon_names.h"
#include "settings/host_switches.h"

namespace zorvane::ribbon {
namespace {

using namespace controls;

// What the document of each host is made of besides what all share: the tabs the user can
// hide, the name the supertips give the host, its own seventh menu and its toolbar rows.
struct PowerPointDocument {
  using Switches = settings::PowerPointSwitchNames;
  template <class T> static constexpr const auto& Name() { return T::kPowerPointName; }
  static constexpr const auto& kOwnTag = tag::kSlide;
  template <class T> static constexpr const auto& OwnLabel() { return T::kSlideLabel; }
  template <class T> static constexpr const auto& OwnScreentip() { return T::kSlideScreentip; }
  template <class T> static constexpr const auto& OwnSupertip() { return T::kSlideSupertip; }
  template <class T> static constexpr const auto& Toolbars() { return kToolbarsOf<T>; }
  template <class T>
  static constexpr auto kToolbarsOf = Concat(document::powerpoint::kFirstToolbar<T>,
                                             document::powerpoint::kSecondToolbar);
};

struct WordDocument {
  using Switches = settings::WordSwitchNames;
  template <class T> static constexpr const auto& Name() { return T::kWordName; }
  static constexpr const auto& kOwnTag = tag::kTable;
  template <class T> static constexpr const auto& OwnLabel() { return T::kTableLabel; }
  template <class T> static constexpr const auto& OwnScreentip() { return T::kTableScreentip; }
  template <class T> static constexpr const auto& OwnSupertip() { return T::kTableSupertip; }
  template <class T> static constexpr const auto& Toolbars() { return document::word::kToolbars; }
};

struct ExcelDocument {
  using Switches = settings::ExcelSwitchNames;
  template <class T> static constexpr const auto& Name() { return T::kExcelName; }
  static constexpr const auto& kOwnTag = tag::kData;
  template <class T> static constexpr const auto& OwnLabel() { return T::kDataLabel; }
  template <class T> static constexpr const auto& OwnScreentip() { return T::kDataScreentip; }
  template <class T> static constexpr const auto& OwnSupertip() { return T::kDataSupertip; }
  template <class T> static constexpr const auto& Toolbars() { return document::excel::kToolbars; }
};

// Every built-in tab the user may hide, re-declared with the visibility callback.
template <class Switches>
constexpr auto kSwitchableTabs =
    Switches::WithTabs([](const auto&... tabs) consteval { return Concat(SwitchableTab(tabs)...); });

// Built while compiling, once per host; its captions once per language.
template <class H, class T>
constexpr auto kDocument = Element(u"customUI",
    Attributes(Attr(u"xmlns", kCustomUiNamespace), Attr(u"onLoad", callback::kOnLoad)),
    Element(u"ribbon",
        Element(u"tabs",
            kSwitchableTabs<typename H::Switches>,
            Element(u"tab",
                Attributes(Attr(u"id", u"rxWordVBA"), Attr(u"label", u"Quelby"),
                           Attr(u"insertBeforeMso", settings::name::kTabHome)),
                Element(u"group", Attributes(Attr(u"id", u"rxDemo"), Attr(u"label", u" ")),
                    document::kMenuBar<H, T>,
                    H::template Toolbars<T>())))));

template <class H>
constexpr const LocalizedSource& kDocumentOf = Localize([]<class T>() { return kDocument<H, T>.view(); });

// In OfficeHost order.
constexpr std::array kHostDocuments = {&kDocumentOf<PowerPointDocument>, &kDocumentOf<WordDocument>,
                                       &kDocumentOf<ExcelDocument>};
static_assert(kHostDocuments.size() == kOfficeHostCount, "a document for every host");
constexpr LocalizedTexts kDocuments(kHostDocuments);
char16_t gDocumentBuffer[kDocuments.BufferUnits()];

}  // namespace

std::u16string_view RibbonDocument(OfficeHost host, UiLanguage language) noexcept {
  const auto index = static_cast<std::size_t>(host);
  return kDocuments.In(index < kOfficeHostCount ? index : 0, language, gDocumentBuffer);
}

}  // namespace zorvane::ribbon
