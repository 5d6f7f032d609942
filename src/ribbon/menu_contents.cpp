#include "ribbon/menu_contents.h"

#include <array>

#include "ribbon/localized_text.h"
#include "ribbon/menus/excel/data.h"
#include "ribbon/menus/excel/edit.h"
#include "ribbon/menus/excel/file.h"
#include "ribbon/menus/excel/format.h"
#include "ribbon/menus/excel/insert.h"
#include "ribbon/menus/excel/tools.h"
#include "ribbon/menus/excel/view.h"
#include "ribbon/menus/excel/windows.h"
#include "ribbon/menus/edit.h"
#include "ribbon/menus/file.h"
#include "ribbon/menus/format.h"
#include "ribbon/menus/help.h"
#include "ribbon/menus/insert.h"
#include "ribbon/menus/outlook/explorer/actions.h"
#include "ribbon/menus/outlook/explorer/edit.h"
#include "ribbon/menus/outlook/explorer/file.h"
#include "ribbon/menus/outlook/explorer/go.h"
#include "ribbon/menus/outlook/explorer/help.h"
#include "ribbon/menus/outlook/explorer/tools.h"
#include "ribbon/menus/outlook/explorer/view.h"
#include "ribbon/menus/outlook/message/actions.h"
#include "ribbon/menus/outlook/message/edit.h"
#include "ribbon/menus/outlook/message/file.h"
#include "ribbon/menus/outlook/message/format.h"
#include "ribbon/menus/outlook/message/help.h"
#include "ribbon/menus/outlook/message/insert.h"
#include "ribbon/menus/outlook/message/tools.h"
#include "ribbon/menus/outlook/message/view.h"
#include "ribbon/menus/slide.h"
#include "ribbon/menus/tools.h"
#include "ribbon/menus/view.h"
#include "ribbon/menus/windows.h"
#include "ribbon/menus/word/edit.h"
#include "ribbon/menus/word/file.h"
#include "ribbon/menus/word/format.h"
#include "ribbon/menus/word/help.h"
#include "ribbon/menus/word/insert.h"
#include "ribbon/menus/word/table.h"
#include "ribbon/menus/word/tools.h"
#include "ribbon/menus/word/view.h"
#include "ribbon/menus/word/windows.h"
#include "ribbon/ribbon_names.h"
#include "ribbon/ribbon_windows.h"

namespace zorvane::ribbon {
namespace {

struct TaggedMenu {
  std::u16string_view tag;
  const LocalizedSource* content;
};

// One document's menus, in menu-bar order; a document has nine at most.
struct HostMenus {
  OfficeHost host;
  settings::RibbonWindow window;
  std::array<TaggedMenu, 9> menus;
  std::size_t count = menus.size();
};
constexpr std::size_t kMenusPerHost = std::tuple_size_v<decltype(HostMenus::menus)>;
using settings::RibbonWindow;

// PowerPoint's Help menu is Excel's too, kept once.
constexpr const LocalizedSource& kSharedHelp = Localize([]<class T>() { return menus::kHelpMenu<T>.view(); });

// A menu without captions of its own is kept once for every language.
constexpr HostMenus kPowerPointMenus = {OfficeHost::PowerPoint, RibbonWindow::kMain, {{
    {tag::kFile, &Localize([]<class T>() { return menus::kFileMenu<T>.view(); })},
    {tag::kEdit, &Localize([]<class T>() { return menus::kEditMenu.view(); })},
    {tag::kView, &Localize([]<class T>() { return menus::kViewMenu<T>.view(); })},
    {tag::kInsert, &Localize([]<class T>() { return menus::kInsertMenu<T>.view(); })},
    {tag::kFormat, &Localize([]<class T>() { return menus::kFormatMenu<T>.view(); })},
    {tag::kTools, &Localize([]<class T>() { return menus::kToolsMenu<T>.view(); })},
    {tag::kSlide, &Localize([]<class T>() { return menus::kSlideMenu<T>.view(); })},
    {tag::kWindows, &Localize([]<class T>() { return menus::kWindowsMenu.view(); })},
    {tag::kHelp, &kSharedHelp},
}}};

constexpr HostMenus kWordMenus = {OfficeHost::Word, RibbonWindow::kMain, {{
    {tag::kFile, &Localize([]<class T>() { return menus::word::kFileMenu<T>.view(); })},
    {tag::kEdit, &Localize([]<class T>() { return menus::word::kEditMenu.view(); })},
    {tag::kView, &Localize([]<class T>() { return menus::word::kViewMenu.view(); })},
    {tag::kInsert, &Localize([]<class T>() { return menus::word::kInsertMenu<T>.view(); })},
    {tag::kFormat, &Localize([]<class T>() { return menus::word::kFormatMenu<T>.view(); })},
    {tag::kTools, &Localize([]<class T>() { return menus::word::kToolsMenu<T>.view(); })},
    {tag::kTable, &Localize([]<class T>() { return menus::word::kTableMenu<T>.view(); })},
    {tag::kWindows, &Localize([]<class T>() { return menus::word::kWindowsMenu.view(); })},
    {tag::kHelp, &Localize([]<class T>() { return menus::word::kHelpMenu<T>.view(); })},
}}};

constexpr HostMenus kExcelMenus = {OfficeHost::Excel, RibbonWindow::kMain, {{
    {tag::kFile, &Localize([]<class T>() { return menus::excel::kFileMenu<T>.view(); })},
    {tag::kEdit, &Localize([]<class T>() { return menus::excel::kEditMenu.view(); })},
    {tag::kView, &Localize([]<class T>() { return menus::excel::kViewMenu.view(); })},
    {tag::kInsert, &Localize([]<class T>() { return menus::excel::kInsertMenu<T>.view(); })},
    {tag::kFormat, &Localize([]<class T>() { return menus::excel::kFormatMenu<T>.view(); })},
    {tag::kTools, &Localize([]<class T>() { return menus::excel::kToolsMenu<T>.view(); })},
    {tag::kData, &Localize([]<class T>() { return menus::excel::kDataMenu<T>.view(); })},
    {tag::kWindows, &Localize([]<class T>() { return menus::excel::kWindowsMenu.view(); })},
    {tag::kHelp, &kSharedHelp},
}}};

namespace explorer = menus::outlook::explorer;
constexpr HostMenus kOutlookExplorerMenus = {OfficeHost::Outlook, RibbonWindow::kMain, {{
    {tag::kFile, &Localize([]<class T>() { return explorer::kFileMenu<T>.view(); })},
    {tag::kEdit, &Localize([]<class T>() { return explorer::kEditMenu.view(); })},
    {tag::kView, &Localize([]<class T>() { return explorer::kViewMenu<T>.view(); })},
    {tag::kGo, &Localize([]<class T>() { return explorer::kGoMenu.view(); })},
    {tag::kTools, &Localize([]<class T>() { return explorer::kToolsMenu<T>.view(); })},
    {tag::kActions, &Localize([]<class T>() { return explorer::kActionsMenu<T>.view(); })},
    {tag::kHelp, &Localize([]<class T>() { return explorer::kHelpMenu<T>.view(); })},
}}, 7};

// The message windows share their Insert and Help menus.
namespace message = menus::outlook::message;
constexpr const LocalizedSource& kMessageInsert = Localize([]<class T>() { return message::kInsertMenu<T>.view(); });
constexpr const LocalizedSource& kMessageHelp = Localize([]<class T>() { return message::kHelpMenu<T>.view(); });
constexpr HostMenus kOutlookComposeMenus = {OfficeHost::Outlook, RibbonWindow::kCompose, {{
    {tag::kFile, &Localize([]<class T>() { return message::kComposeFileMenu<T>.view(); })},
    {tag::kEdit, &Localize([]<class T>() { return message::kComposeEditMenu.view(); })},
    {tag::kView, &Localize([]<class T>() { return message::kComposeViewMenu.view(); })},
    {tag::kInsert, &kMessageInsert},
    {tag::kFormat, &Localize([]<class T>() { return message::kComposeFormatMenu.view(); })},
    {tag::kTools, &Localize([]<class T>() { return message::kComposeToolsMenu<T>.view(); })},
    {tag::kActions, &Localize([]<class T>() { return message::kComposeActionsMenu<T>.view(); })},
    {tag::kHelp, &kMessageHelp},
}}, 8};
constexpr HostMenus kOutlookReadMenus = {OfficeHost::Outlook, RibbonWindow::kRead, {{
    {tag::kFile, &Localize([]<class T>() { return message::kReadFileMenu<T>.view(); })},
    {tag::kEdit, &Localize([]<class T>() { return message::kReadEditMenu.view(); })},
    {tag::kView, &Localize([]<class T>() { return message::kReadViewMenu.view(); })},
    {tag::kInsert, &kMessageInsert},
    {tag::kFormat, &Localize([]<class T>() { return message::kReadFormatMenu.view(); })},
    {tag::kTools, &Localize([]<class T>() { return message::kReadToolsMenu<T>.view(); })},
    {tag::kActions, &Localize([]<class T>() { return message::kReadActionsMenu<T>.view(); })},
    {tag::kHelp, &kMessageHelp},
}}, 8};

// In the order of the hosts' ribbons (kHostRibbons).
constexpr std::array kHostMenus = {&kPowerPointMenus, &kWordMenus, &kExcelMenus,
                                   &kOutlookExplorerMenus, &kOutlookComposeMenus, &kOutlookReadMenus};
static_assert(kHostMenus.size() == kDocumentCount && [] {
  for (std::size_t i = 0; i < kHostMenus.size(); ++i) {
    if (kHostMenus[i]->host != kHostRibbons[i].host || kHostMenus[i]->window != kHostRibbons[i].window) return false;
    for (std::size_t menu = 0; menu < kMenusPerHost; ++menu) {
      if ((menu < kHostMenus[i]->count) == kHostMenus[i]->menus[menu].tag.empty()) return false;
    }
  }
  return true;
}(), "each document's menus, in the order of the hosts' ribbons, as many as it counts");

constexpr auto kTexts = [] {
  // A document of fewer menus leaves its last places to an empty text.
  constexpr const LocalizedSource& kNone = Localize([]<class T>() { return std::u16string_view(); });
  std::array<const LocalizedSource*, kHostMenus.size() * kMenusPerHost> sources{};
  for (std::size_t host = 0; host < kHostMenus.size(); ++host) {
    for (std::size_t menu = 0; menu < kMenusPerHost; ++menu) {
      sources[host * kMenusPerHost + menu] = menu < kHostMenus[host]->count ? kHostMenus[host]->menus[menu].content : &kNone;
    }
  }
  return LocalizedTexts(sources);
}();
char16_t gMenuBuffer[kTexts.BufferUnits()];
OnceFlag gMenuFlags[kTexts.FlagCount()];

template <std::size_t... Host>
constexpr auto TagsOf(std::index_sequence<Host...>) {
  const auto tags = [](const HostMenus& menus) {
    std::array<std::u16string_view, kMenusPerHost> out{};
    for (std::size_t i = 0; i < menus.count; ++i) out[i] = menus.menus[i].tag;
    return out;
  };
  return std::array<std::array<std::u16string_view, kMenusPerHost>, sizeof...(Host)>{
      tags(*kHostMenus[Host])...};
}
constexpr auto kTags = TagsOf(std::make_index_sequence<kHostMenus.size()>());

}  // namespace

std::u16string_view MenuContent(OfficeHost host, std::u16string_view tag, UiLanguage language,
                                RibbonWindow window) noexcept {
  const std::optional<std::size_t> document = DocumentOf(host, window);
  if (!document || tag.empty()) return {};
  // Whole, case-sensitive comparison of code units.
  const HostMenus& menus = *kHostMenus[*document];
  for (std::size_t menu = 0; menu < menus.count; ++menu) {
    if (menus.menus[menu].tag == tag) return kTexts.In(*document * kMenusPerHost + menu, language, gMenuBuffer, gMenuFlags);
  }
  return {};
}

std::span<const std::u16string_view> MenuTags(OfficeHost host, RibbonWindow window) noexcept {
  const std::optional<std::size_t> document = DocumentOf(host, window);
  if (!document) return {};
  return std::span(kTags[*document]).first(kHostMenus[*document]->count);
}

}  // namespace zorvane::ribbon
