#include "ribbon/ribbon_document.h"

#include <array>

#include "ribbon/controls.h"
#include "ribbon/document/excel_toolbars.h"
#include "ribbon/document/menu_bar.h"
#include "ribbon/document/outlook_explorer_toolbars.h"
#include "ribbon/document/outlook_message_toolbars.h"
#include "ribbon/document/powerpoint_toolbars.h"
#include "ribbon/document/word_toolbars.h"
#include "ribbon/localized_text.h"
#include "ribbon/ribbon_names.h"
#include "ribbon/once.h"
#include "ribbon/ribbon_windows.h"
#include "settings/host_switches.h"

namespace zorvane::ribbon {
namespace {

using namespace controls;

using settings::RibbonWindow;

// What each document is made of besides what all share: the tab its own goes before, the
// name the supertips give the host, its menu bar and its toolbar rows.
struct OneRibbonHost {
  static constexpr RibbonWindow kWindow = RibbonWindow::kMain;
  static constexpr const auto& kInsertBefore = settings::kHomeTabName;
  template <class H, class T> static constexpr const auto& MenuBarOf() { return document::kMenuBar<H, T>; }
};

struct PowerPointDocument : OneRibbonHost {
  static constexpr OfficeHost kHost = OfficeHost::PowerPoint;
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

struct WordDocument : OneRibbonHost {
  static constexpr OfficeHost kHost = OfficeHost::Word;
  template <class T> static constexpr const auto& Name() { return T::kWordName; }
  static constexpr const auto& kOwnTag = tag::kTable;
  template <class T> static constexpr const auto& OwnLabel() { return T::kTableLabel; }
  template <class T> static constexpr const auto& OwnScreentip() { return T::kTableScreentip; }
  template <class T> static constexpr const auto& OwnSupertip() { return T::kTableSupertip; }
  template <class T> static constexpr const auto& Toolbars() { return document::word::kToolbars; }
};

struct ExcelDocument : OneRibbonHost {
  static constexpr OfficeHost kHost = OfficeHost::Excel;
  template <class T> static constexpr const auto& Name() { return T::kExcelName; }
  static constexpr const auto& kOwnTag = tag::kData;
  template <class T> static constexpr const auto& OwnLabel() { return T::kDataLabel; }
  template <class T> static constexpr const auto& OwnScreentip() { return T::kDataScreentip; }
  template <class T> static constexpr const auto& OwnSupertip() { return T::kDataSupertip; }
  template <class T> static constexpr const auto& Toolbars() { return document::excel::kToolbars; }
};

struct OutlookDocument {
  static constexpr OfficeHost kHost = OfficeHost::Outlook;
  template <class T> static constexpr const auto& Name() { return T::kOutlookName; }
};

// Before the Home tab of every module of the main window.
struct OutlookExplorerDocument : OutlookDocument {
  static constexpr RibbonWindow kWindow = RibbonWindow::kMain;
  static constexpr const auto& kInsertBefore = settings::kOutlookMailTabName;
  static constexpr const auto& kMenuIdPrefix = menu_id_prefix::kOutlookExplorer;
  template <class H, class T> static constexpr const auto& MenuBarOf() { return document::kExplorerMenuBar<H, T>; }
  template <class T> static constexpr const auto& Toolbars() { return document::outlook::explorer::kToolbars; }
};

struct OutlookComposeDocument : OutlookDocument {
  static constexpr RibbonWindow kWindow = RibbonWindow::kCompose;
  static constexpr const auto& kInsertBefore = settings::kNewMailMessageTabName;
  static constexpr const auto& kMenuIdPrefix = menu_id_prefix::kOutlookCompose;
  template <class H, class T> static constexpr const auto& MenuBarOf() { return document::kMessageMenuBar<H, T>; }
  template <class T> static constexpr const auto& Toolbars() { return document::outlook::message::kComposeToolbars; }
};

struct OutlookReadDocument : OutlookDocument {
  static constexpr RibbonWindow kWindow = RibbonWindow::kRead;
  static constexpr const auto& kInsertBefore = settings::kReadMessageTabName;
  static constexpr const auto& kMenuIdPrefix = menu_id_prefix::kOutlookRead;
  template <class H, class T> static constexpr const auto& MenuBarOf() { return document::kMessageMenuBar<H, T>; }
  template <class T> static constexpr const auto& Toolbars() { return document::outlook::message::kReadToolbars; }
};

// Where the document declares the built-in tabs that the user may hide: each version of a
// host has its own, put in at run time; the rest of the document is constant.
inline constexpr char16_t kTabsGoHere[] = u"\x02";

// Built while compiling, once per host; its captions once per language.
template <class H, class T>
constexpr auto kMarkedDocument = Element(u"customUI",
    Attributes(Attr(u"xmlns", kCustomUiNamespace), Attr(u"onLoad", callback::kOnLoad)),
    Element(u"ribbon",
        Element(u"tabs",
            kTabsGoHere,
            Element(u"tab",
                Attributes(Attr(u"id", u"rxWordVBA"), Attr(u"label", u"Quelby"),
                           Attr(u"insertBeforeMso", H::kInsertBefore)),
                Element(u"group", Attributes(Attr(u"id", u"rxDemo"), Attr(u"label", u" ")),
                    H::template MenuBarOf<H, T>(),
                    H::template Toolbars<T>())))));

// Where the mark stands in a marked document. Plain indexing: the library's searches do not
// evaluate as constants in every build (sanitizers make their pointer checks run-time ones).
template <std::size_t N>
constexpr std::size_t MarkAt(const FixedText<N>& text) {
  std::size_t at = 0;
  while (at < N && text.chars[at] != kTabsGoHere[0]) ++at;
  return at;
}

// `Length` units of `text` from `first` on, as a text of their own.
template <std::size_t Length, std::size_t N>
constexpr FixedText<Length> Slice(const FixedText<N>& text, std::size_t first) {
  FixedText<Length> out{};
  for (std::size_t i = 0; i < Length; ++i) out.chars[i] = text.chars[first + i];
  return out;
}

// The part before the tabs holds no caption and is the same in every document.
constexpr std::size_t kHeadLength = MarkAt(kMarkedDocument<PowerPointDocument, text::SimplifiedChinese>);
constexpr auto kHead = Slice<kHeadLength>(kMarkedDocument<PowerPointDocument, text::SimplifiedChinese>, 0);

// The part after the tabs: the add-in's own tab and the document's end.
template <class H, class T>
constexpr auto kTail = [] {
  constexpr auto& whole = kMarkedDocument<H, T>;
  static_assert(MarkAt(whole) == kHeadLength && Slice<kHeadLength>(whole, 0) == kHead, "every document starts alike");
  return Slice<whole.size() - kHeadLength - 1>(whole, kHeadLength + 1);
}();

// A built-in tab re-declared only so that the user can hide it, as its three parts: the
// name goes between them.
inline constexpr char16_t kTabStart[] = u"<tab idMso=\"";
inline constexpr char16_t kTabEnd[] = u"\" getVisible=\"GetVisible\"/>";
static_assert(Concat(kTabStart, settings::kHomeTabName, kTabEnd) == SwitchableTab(settings::kHomeTabName));
constexpr std::size_t kTabMarkupLength = detail::kTextLength<decltype(kTabStart)> + detail::kTextLength<decltype(kTabEnd)>;

template <class H>
constexpr const LocalizedSource& kTailOf = Localize([]<class T>() { return kTail<H, T>.view(); });

// In the order of the hosts' ribbons (kHostRibbons).
struct DocumentTail {
  OfficeHost host;
  RibbonWindow window;
  const LocalizedSource* tail;
};
template <class H>
constexpr DocumentTail TailRow() {
  return {H::kHost, H::kWindow, &kTailOf<H>};
}
constexpr std::array<DocumentTail, kDocumentCount> kDocumentTails{{
    TailRow<PowerPointDocument>(),
    TailRow<WordDocument>(),
    TailRow<ExcelDocument>(),
    TailRow<OutlookExplorerDocument>(),
    TailRow<OutlookComposeDocument>(),
    TailRow<OutlookReadDocument>(),
}};
static_assert([] {
  for (std::size_t i = 0; i < kDocumentCount; ++i) {
    if (kDocumentTails[i].host != kHostRibbons[i].host || kDocumentTails[i].window != kHostRibbons[i].window) return false;
  }
  return true;
}(), "a document for every ribbon of every host, in the order of the hosts' ribbons");

// Calls `declare` with each built-in tab that `window` of `host` has in `version` and a
// switch governs, in switch order. A window before its first ribbon has none.
template <class Declare>
constexpr void ForEachSwitchableTab(OfficeHost host, RibbonWindow window, OfficeVersion version, Declare declare) {
  if (version < kHostRibbons[*DocumentOf(host, window)].since) return;
  const settings::HostSwitches& switches = settings::SwitchesOf(host);
  for (const std::size_t index : settings::SwitchList(switches, version)) {
    if (index == settings::kShowAllMenu) continue;
    for (const settings::GovernedTab& tab : switches.tabs[index - 1].Governed()) {
      if (tab.since <= version && (tab.windows & settings::WindowBit(window)) != 0) declare(tab.idMso);
    }
  }
}

// Where each document is put together: one place per document, language and version, shared
// by the versions that have the same tabs as the one before.
struct DocumentPlan {
  struct Place {
    std::size_t offset = 0;
    std::size_t length = 0;
    std::size_t flag = 0;
  };
  std::array<std::array<std::array<Place, kUiLanguageCount>, kOfficeVersionCount>, kDocumentCount> places{};
  std::size_t units = 0;
  std::size_t flags = 0;
};

struct TabsSize {
  std::size_t count = 0;
  std::size_t length = 0;
};
constexpr TabsSize TabsOf(const DocumentTail& document, OfficeVersion version) {
  TabsSize size;
  ForEachSwitchableTab(document.host, document.window, version, [&size](std::u16string_view idMso) {
    ++size.count;
    size.length += kTabMarkupLength + idMso.size();
  });
  return size;
}

constexpr DocumentPlan kPlan = [] {
  DocumentPlan plan;
  for (std::size_t document = 0; document < kDocumentCount; ++document) {
    const DocumentTail& tail = kDocumentTails[document];
    for (std::size_t version = 0; version < kOfficeVersionCount; ++version) {
      const auto current = static_cast<OfficeVersion>(version);
      // A version has every tab of the one before it, so as many tabs means the same tabs.
      const bool sameAsBefore =
          version > 0 && TabsOf(tail, static_cast<OfficeVersion>(version - 1)).count == TabsOf(tail, current).count;
      for (std::size_t language = 0; language < kUiLanguageCount; ++language) {
        auto& place = plan.places[document][version][language];
        if (sameAsBefore) {
          place = plan.places[document][version - 1][language];
          continue;
        }
        place.length = kHeadLength + TabsOf(tail, current).length + tail.tail->lengths[language];
        place.offset = plan.units;
        place.flag = plan.flags++;
        plan.units += place.length + 1;
      }
    }
  }
  return plan;
}();

char16_t gDocumentBuffer[kPlan.units];
OnceFlag gDocumentFlags[kPlan.flags];

struct DocumentAssembly {
  std::size_t document;
  OfficeVersion version;
  std::size_t language;
  char16_t* room;
};

void Assemble(void* context) noexcept {
  const DocumentAssembly& assembly = *static_cast<const DocumentAssembly*>(context);
  const DocumentTail& document = kDocumentTails[assembly.document];
  // The head's first unit goes in last: it says the document is whole.
  std::size_t pos = detail::CopyInto(assembly.room, 1, std::u16string_view(kHead.chars + 1, kHead.size() - 1));
  ForEachSwitchableTab(document.host, document.window, assembly.version, [&](std::u16string_view idMso) {
    pos = detail::CopyInto(assembly.room, pos, kTabStart);
    pos = detail::CopyInto(assembly.room, pos, idMso);
    pos = detail::CopyInto(assembly.room, pos, kTabEnd);
  });
  PutTogether(*document.tail, assembly.language, assembly.room + pos);
  PublishFirstUnit(assembly.room, kHead.chars[0]);
}

}  // namespace

std::u16string_view RibbonDocument(OfficeHost host, OfficeVersion version, UiLanguage language,
                                   RibbonWindow window) noexcept {
  const std::optional<std::size_t> document = DocumentOf(host, window);
  if (!document) return {};
  const std::size_t languageIndex = text::IndexOf(language);
  const DocumentPlan::Place& place = kPlan.places[*document][static_cast<std::size_t>(version)][languageIndex];
  DocumentAssembly assembly{*document, version, languageIndex, gDocumentBuffer + place.offset};
  PutTogetherOnce(gDocumentFlags[place.flag], assembly.room, &Assemble, &assembly);
  return {assembly.room, place.length};
}

}  // namespace zorvane::ribbon
